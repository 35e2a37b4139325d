#pragma once
// The points of one load-transfer curve, kept inside the curve itself.
//
// A load-settlement analysis builds hundreds of t-z curves per pass, each of ten points; a heap
// block per curve made building and freeing them cost more than scaling their values. Up to
// kInlinePoints points live in the object; a longer curve (a rock socket's head curve used as a
// base curve, say) moves all its points to the heap, so any length still works.
#include <algorithm>
#include <array>
#include <cstddef>
#include <initializer_list>
#include <vector>

#include "real.h"

namespace talmo {

struct CurvePoint {
  Real movement = 0;  // z or w, in
  Real value = 0;     // t (psi) or Q (lb)
};

class CurvePoints {
 public:
  static constexpr std::size_t kInlinePoints = 16;

  CurvePoints() = default;
  CurvePoints(std::initializer_list<CurvePoint> points) { assign(points.begin(), points.end()); }
  CurvePoints& operator=(std::initializer_list<CurvePoint> points) {
    assign(points.begin(), points.end());
    return *this;
  }

  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  const CurvePoint* data() const { return onHeap() ? heap_.data() : inline_.data(); }
  CurvePoint* data() { return onHeap() ? heap_.data() : inline_.data(); }
  const CurvePoint* begin() const { return data(); }
  const CurvePoint* end() const { return data() + size_; }
  CurvePoint* begin() { return data(); }
  CurvePoint* end() { return data() + size_; }
  const CurvePoint& operator[](std::size_t i) const { return data()[i]; }
  CurvePoint& operator[](std::size_t i) { return data()[i]; }
  const CurvePoint& front() const { return data()[0]; }
  const CurvePoint& back() const { return data()[size_ - 1]; }

  void clear() {
    heap_.clear();
    size_ = 0;
  }
  void push_back(const CurvePoint& p) {
    if (size_ < kInlinePoints) {
      inline_[size_++] = p;
      return;
    }
    if (size_ == kInlinePoints) heap_.assign(inline_.begin(), inline_.end());
    heap_.push_back(p);
    ++size_;
  }
  // New points are the origin (0, 0).
  void resize(std::size_t n) {
    if (n <= kInlinePoints) {
      if (onHeap()) std::copy_n(heap_.begin(), n, inline_.begin());
      heap_.clear();
      std::fill(inline_.begin() + static_cast<std::ptrdiff_t>(std::min(size_, n)),
                inline_.begin() + static_cast<std::ptrdiff_t>(n), CurvePoint{});
    } else {
      if (!onHeap()) heap_.assign(inline_.begin(), inline_.begin() + static_cast<std::ptrdiff_t>(size_));
      heap_.resize(n);
    }
    size_ = n;
  }
  template <class It>
  void assign(It first, It last) {
    clear();
    for (; first != last; ++first) push_back(*first);
  }

 private:
  bool onHeap() const { return size_ > kInlinePoints; }

  std::array<CurvePoint, kInlinePoints> inline_{};
  std::vector<CurvePoint> heap_;  // every point, once there are more than kInlinePoints
  std::size_t size_ = 0;
};

}  // namespace talmo
