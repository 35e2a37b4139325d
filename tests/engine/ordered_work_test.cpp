#include "ordered_work.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <vector>

namespace talmo {
namespace {

// What the taking saw, and how far the computing ran ahead of it.
struct Trace {
  std::vector<std::size_t> taken;
  std::vector<std::atomic<int>> computed;
  std::atomic<std::size_t> takenCount{0};
  std::atomic<std::size_t> mostAhead{0};
  explicit Trace(std::size_t count) : computed(count) {}
};

std::function<int(std::size_t)> computeInto(Trace& t) {
  return [&t](std::size_t i) {
    ++t.computed[i];
    // Started while takenCount items were taken: that many plus `ahead` at most.
    const std::size_t lead = i + 1 - std::min(i + 1, t.takenCount.load());
    std::size_t seen = t.mostAhead.load();
    while (lead > seen && !t.mostAhead.compare_exchange_weak(seen, lead)) {
    }
    return static_cast<int>(i * i);
  };
}

TEST(OrderedWork, EveryItemComputedOnceAndTakenInOrder) {
  for (int threads : {1, 2, 3, 8}) {
    for (std::size_t count : {0u, 1u, 2u, 57u}) {
      Trace t(count);
      computeInOrder<int>(count, threads, 4, computeInto(t), [&t](std::size_t i, int& r) {
        EXPECT_EQ(r, static_cast<int>(i * i));
        t.taken.push_back(i);
        ++t.takenCount;
        return true;
      });
      ASSERT_EQ(t.taken.size(), count) << threads << " threads";
      for (std::size_t i = 0; i < count; ++i) {
        EXPECT_EQ(t.taken[i], i);
        EXPECT_EQ(t.computed[i].load(), 1) << "item " << i << ", " << threads << " threads";
      }
      // Nothing is computed more than `ahead` items beyond the taking (one more while the item
      // just released is being taken).
      EXPECT_LE(t.mostAhead.load(), 4u + 1) << threads << " threads";
    }
  }
}

TEST(OrderedWork, TakingThatStopsDropsTheRest) {
  for (int threads : {1, 2, 4}) {
    Trace t(100);
    computeInOrder<int>(100, threads, 3, computeInto(t), [&t](std::size_t i, int&) {
      t.taken.push_back(i);
      ++t.takenCount;
      return i < 5;
    });
    EXPECT_EQ(t.taken.size(), 6u) << threads << " threads";
    int computed = 0;
    for (const auto& c : t.computed) computed += c.load();
    EXPECT_LE(computed, 6 + 3) << threads << " threads";
  }
}

TEST(OrderedWork, FailureOfAComputationReachesTheCaller) {
  for (int threads : {1, 2, 4}) {
    std::vector<std::size_t> taken;
    const auto compute = [](std::size_t i) {
      if (i == 7) throw std::runtime_error("case 8 failed");
      return static_cast<int>(i);
    };
    EXPECT_THROW(computeInOrder<int>(20, threads, 4, compute,
                                     [&taken](std::size_t i, int&) {
                                       taken.push_back(i);
                                       return true;
                                     }),
                 std::runtime_error);
    // The items before the failed one may have been taken; none after it.
    for (std::size_t i : taken) EXPECT_LT(i, 7u);
  }
}

}  // namespace
}  // namespace talmo
