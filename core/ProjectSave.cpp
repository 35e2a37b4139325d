// Writing the project file: TProgramData::Save and the text it writes.
#include <cmath>
#include <string>
#include <vector>

#include "ProgramData.h"
#include "Errors.h"
#include "FileReplace.h"
#include "LayerFileLayout.h"
#include "NumberText.h"

namespace talmo {

namespace {

[[noreturn]] void refuse(const std::string& reason) {
  throw EInOutError("Cannot save the project: " + reason);
}

// The text of the file, one line at a time: items separated by exactly one blank, CR LF line
// ends, reals in general format with 8 significant digits.
class TProjectText {
 public:
  TProjectText& Integer(int value) {
    items_.push_back(std::to_string(value));
    return *this;
  }
  TProjectText& Real(double value, const std::string& what) {
    // "NAN" or "INF" would make a file that neither the engine nor this program can read.
    if (!std::isfinite(value)) refuse("the value of " + what + " is not a finite number.");
    items_.push_back(FormatGeneral(value, 8));
    return *this;
  }
  TProjectText& Literal(const char* text) {
    items_.emplace_back(text);
    return *this;
  }
  // Ends the line; with `trailingBlank` every item, the last one included, is followed by a blank.
  void EndLine(bool trailingBlank) {
    for (std::size_t i = 0; i < items_.size(); ++i) {
      if (i > 0) text_ += ' ';
      text_ += items_[i];
    }
    if (trailingBlank && !items_.empty()) text_ += ' ';
    Line("");
    items_.clear();
  }
  void Line(const std::string& text) { text_ += text + "\r\n"; }
  const std::string& Text() const { return text_; }

 private:
  std::vector<std::string> items_;
  std::string text_;
};

std::string layerName(int row) { return "layer " + std::to_string(row + 1); }

// A project our readers could not read back is refused before anything is written.
void checkSavable(const TProgramData& p) {
  if (p.Title.find('\n') != std::string::npos) refuse("the title must be a single line of text.");
  const TGridTable& d = p.Tables().D();
  if (d.RowCount() < 1 || d.RowCount() > kMaxLayers)
    refuse("the project must have 1 to 40 soil layers; it has " + std::to_string(d.RowCount()) + ".");
  for (int row = 0; row < d.RowCount(); ++row) {
    const int type = d.GetIntValue(kLayerSoilType, row);
    if (type < 1 || type > kSoilTypeCount)
      refuse(layerName(row) + " has soil type " + std::to_string(type) + "; the soil type must be 1 to 9.");
    const TGridTable* layer = d.GetDataValue(kLayerData, row);
    if (layer == nullptr || layer->RowCount() < 2) refuse(layerName(row) + " has no soil data.");
    // A choice outside its list (the sand method, the weak-rock interface condition).
    for (int c = 0; c < layer->ColumnCount(); ++c) {
      const auto* choice = dynamic_cast<const TEnumColumn*>(&layer->Column(c));
      if (choice == nullptr) continue;
      const int count = static_cast<int>(choice->Names.size());
      for (int end = 0; end < layer->RowCount(); ++end) {
        const int value = choice->Value(end);
        if (value < 1 || value > count)
          refuse(layerName(row) + ": the " + LayerColumnName(*choice) + " must be 1 to " + std::to_string(count) +
                 "; it is " + std::to_string(value) + ".");
      }
    }
  }
  const int depths = p.Tables().TblTZDepth().RowCount();
  if (p.PrintTZCurves == 1 && (depths < 1 || depths > kMaxTzDepths))
    refuse("the number of extra t-z depths must be 1 to 50; there are " + std::to_string(depths) + ".");
  if (p.IChart > 0 && (p.NPOINTPD < 0 || p.NPOINTPD > kMaxChartSettlements))
    refuse("the number of design-chart settlements must be 0 to 10; it is " + std::to_string(p.NPOINTPD) + ".");
}

// One of the two data lines of a layer, laid out by soil type; SF, EB, RS and RB are the
// layer's values in the soil-layer table.
void writeDataLine(TProjectText& out, const TGridTable& d, int row, int type, int end) {
  const TGridTable& t = *d.GetDataValue(kLayerData, row);
  const std::string what = layerName(row);
  auto layerValue = [&](int column) { out.Real(d.GetFloatValue(column, row), what); };
  for (const TLayerItem& item : LayerLineItems(type)) {
    switch (item.kind) {
      case TLayerItem::Placeholder: out.Literal("0.0"); break;
      case TLayerItem::Real: out.Real(t.GetFloatValue(item.column, end), what); break;
      case TLayerItem::Whole: out.Integer(t.GetIntValue(item.column, end)); break;
      case TLayerItem::MaxSideFriction: layerValue(kLayerMaxSideFriction); break;
      case TLayerItem::MaxEndBearing: layerValue(kLayerMaxEndBearing); break;
    }
  }
  layerValue(kLayerSideFactor);
  layerValue(kLayerTipFactor);
  out.EndLine(true);
}

void writeLayer(TProjectText& out, const TGridTable& d, int row) {
  const int type = d.GetIntValue(kLayerSoilType, row);
  const std::string what = layerName(row);
  out.Integer(type).Real(d.GetFloatValue(kLayerDepth, row), what).EndLine(true);
  writeDataLine(out, d, row, type, kLayerTop);
  writeDataLine(out, d, row, type, kLayerBottom);
  const TGridTable& t = *d.GetDataValue(kLayerData, row);
  if (type == kSoilSand) {
    const int method = t.GetIntValue(sand::Method, kLayerBottom);
    out.Integer(method).EndLine(true);
    const int coefficient = SandCoefficientColumn(method);
    out.Real(t.GetFloatValue(coefficient, kLayerTop), what).Real(t.GetFloatValue(coefficient, kLayerBottom), what);
    out.EndLine(true);
  } else if (type == kSoilClay || type == kSoilShale) {
    out.Real(t.GetFloatValue(clay::Alpha, kLayerTop), what).Real(t.GetFloatValue(clay::Alpha, kLayerBottom), what);
    out.EndLine(false);
  }
}

}  // namespace

void TProgramData::normaliseForSaving() {
  // A positive shaft length means the length is specified; otherwise the design load is.
  METHOD = PD > 0 ? 2 : 1;
  if (METHOD == 1) {
    PD = 0;
    IPENT = 0;
    IChart = 0;
  } else {
    LPD = 0;
  }
  Yesnewversion = 1;
  // Multiple lengths are evaluated for one diameter.
  if (IPENT == 1) DIALIM = DSTART;
}

std::string TProgramData::SaveText() {
  normaliseForSaving();
  checkSavable(*this);
  const TGridTable& d = tables_->D();
  TProjectText out;
  out.Line(Title);
  out.Integer(fUnits).EndLine(true);
  out.Integer(METHOD).Integer(KCYCL).Real(RCYCL, "RCYCL").Real(PINC, "PINC").Integer(IMOD).Integer(NLRFD);
  out.Integer(IPENT).Integer(IChart).Integer(UseElevation).Real(ValElevation, "ValElevation").Integer(PrintTZCurves);
  out.EndLine(false);
  out.Real(DSTART, "DSTART").Real(DIALIM, "DIALIM").Real(RATIO, "RATIO").Real(BELANGL, "BELANGL");
  out.Real(TOPLENG, "TOPLENG").Real(BS, "BS").Real(EPILE, "EPILE").EndLine(false);
  out.Integer(d.RowCount()).Real(WTD, "WTD");
  if (METHOD == 1) {
    out.Real(LPD, "LPD");
  } else {
    out.Real(PD, "PD");
  }
  out.Real(FST, "FST").Real(FSB, "FSB").EndLine(false);
  if (IPENT > 0) out.Real(PDMIN, "PDMIN").Real(PDINCR, "PDINCR").EndLine(false);
  if (IChart > 0) {
    out.Real(PDMIN, "PDMIN").Real(PDINCR, "PDINCR").Real(DIAMINCR, "DIAMINCR").Integer(NPOINTPD).EndLine(false);
    for (int i = 0; i < NPOINTPD; ++i) out.Real(PDSETT[static_cast<std::size_t>(i)], "PDSETT");
    out.EndLine(true);
  }
  for (int row = 0; row < d.RowCount(); ++row) {
    const int type = d.GetIntValue(kLayerSoilType, row);
    // Rock and geomaterial layers have no upper- and lower-bound settlement curves.
    if (type >= kSoilStrongRockSideOrTip && type <= kSoilStrongRock) ID2 = 0;
    writeLayer(out, d, row);
  }
  if (PrintTZCurves == 1) {
    const TGridTable& tz = tables_->TblTZDepth();
    out.Integer(tz.RowCount()).EndLine(false);
    for (int row = 0; row < tz.RowCount(); ++row) out.Real(tz.GetFloatValue(0, row), "extra t-z depth").EndLine(false);
  }
  return out.Text();
}

void TProgramData::Save() {
  ReplaceFileContents(FileName, SaveText());
  ResetChanged();
}

}  // namespace talmo
