#include "PlotModel.h"

#include <algorithm>
#include <stdexcept>

#include "NumberText.h"
#include "UnitCodes.h"

namespace talmo {

std::string PlotNumberText(double value) { return FormatGeneral(value, 8); }

void TLine::SetCount(int count) { points_.resize(static_cast<std::size_t>(std::max(count, 0))); }

std::string TLine::LineName() const {
  if (!fValueS.empty()) return fValueS;
  const int index = owner_->MainIndexOf(*this);
  if (index >= 0 && index < static_cast<int>(owner_->DefLineNames.size()))
    return owner_->DefLineNames[static_cast<std::size_t>(index)];
  return owner_->CurveName + PlotNumberText(Value);
}

void TGraphPlot::LineList::setLineCount(int n) {
  const std::size_t wanted = static_cast<std::size_t>(std::max(n, 0));
  if (lines_.size() > wanted) lines_.resize(wanted);
  while (lines_.size() < wanted) {
    auto line = std::make_unique<TLine>(&plot_, plot_.LineCount() + 1);
    line->SetCount(plot_.Count());
    lines_.push_back(std::move(line));
  }
}

void TGraphPlot::LineList::setPointCount(int n) {
  for (auto& line : lines_) line->SetCount(n);
}

TLine& TGraphPlot::LineList::line(int i) const {
  if (i < 0 || i >= lineCount()) throw std::out_of_range("plot line index out of range");
  return *lines_[static_cast<std::size_t>(i)];
}

int TGraphPlot::LineList::indexOf(const TLine& line) const {
  for (std::size_t i = 0; i < lines_.size(); ++i)
    if (lines_[i].get() == &line) return static_cast<int>(i);
  return -1;
}

TGraphPlot::TGraphPlot() = default;

TGraphPlot::~TGraphPlot() { Hide(); }

void TGraphPlot::SetUnits(int units) { units_ = std::clamp(units, 1, 3); }

std::string TGraphPlot::ExpandUnits(const std::string& units) const {
  return ExpandUnitsPlot(units, units_);
}

void TGraphPlot::Hide() {
  if (FormExists && formCloser_) {
    // A copy is called: closing the window may replace the registered closer.
    const std::function<void()> closer = formCloser_;
    closer();
  }
  FormExists = false;
}

}  // namespace talmo
