// Reading project files: the current format (ReadVersion8), the two older formats
// (ReadPrevVersions) and CreateFromFile, which turns their failures into a message.
#include <string>
#include <vector>

#include "ProgramData.h"
#include "Errors.h"
#include "LayerFileLayout.h"
#include "WordReader.h"

namespace talmo {

namespace {

enum class TFormat { Current, NewerOld, Oldest };

// Reads the items of one project file into a project and its tables, in file order.
class TProjectReader {
 public:
  TProjectReader(TWordReader& reader, TProgramData& project, TFormat format)
      : r_(reader), p_(project), d_(project.Tables().D()), format_(format) {}

  void Read() {
    readSettings();
    for (int row = 0; row < d_.RowCount(); ++row) readLayer(row);
    if (format_ == TFormat::Current && p_.PrintTZCurves == 1) readTzDepths();
  }

 private:
  // A value the word reader took but the project cannot hold: the word reader's message form,
  // naming the line and the item of the word just read.
  [[noreturn]] void reject(const std::string& sentence) const {
    throw EInOutError("Error on Line " + std::to_string(r_.CurrentLine() + 1) + " Item " +
                      std::to_string(r_.CurrentItem()) + "\r" + sentence);
  }

  int readInteger(int minimum, int maximum, const std::string& sentence) {
    const int value = r_.ReadInteger();
    if (value < minimum || value > maximum) reject(sentence);
    return value;
  }

  void readSettings() {
    p_.Title = r_.ReadLine();
    // The unit system comes first so that every table holds its values in it.
    p_.SetUnits(readInteger(1, 2, "The unit system must be 1 (English units) or 2 (SI units)."));
    p_.InitPDSET();
    p_.METHOD = r_.ReadInteger();
    p_.KCYCL = r_.ReadInteger();
    p_.RCYCL = r_.ReadFloat();
    p_.PINC = r_.ReadFloat();
    switch (format_) {
      case TFormat::Current:
        p_.IMOD = 1;  // kept when the file ends before it
        p_.Yesnewversion = 1;
        p_.IMOD = r_.ReadInteger();
        p_.NLRFD = r_.ReadInteger();
        p_.IPENT = r_.ReadInteger();
        p_.IChart = r_.ReadInteger();
        p_.UseElevation = r_.ReadInteger();
        p_.ValElevation = r_.ReadFloat();
        // Files of the first current-format versions end line 3 here.
        if (r_.CurrentLineWordCount() == 11) p_.PrintTZCurves = r_.ReadInteger();
        break;
      case TFormat::NewerOld:
        p_.Yesnewversion = 1;
        p_.IMOD = r_.ReadInteger();
        p_.NLRFD = r_.ReadInteger();
        break;
      case TFormat::Oldest:
        p_.Yesnewversion = 0;
        p_.IMOD = r_.CurrentLineWordCount() == 5 ? r_.ReadInteger() : 1;
        // The oldest files predate LRFD; the engine runs them with factors of safety.
        p_.NLRFD = 2;
        break;
    }

    p_.DSTART = r_.ReadFloat();
    p_.DIALIM = r_.ReadFloat();
    p_.RATIO = r_.ReadFloat();
    p_.BELANGL = r_.ReadFloat();
    p_.TOPLENG = r_.ReadFloat();
    p_.BS = r_.ReadFloat();
    p_.EPILE = r_.ReadFloat();

    d_.SetRowCount(readInteger(1, kMaxLayers, "The number of soil layers must be 1 to 40."));
    p_.WTD = r_.ReadFloat();
    const double loadOrLength = r_.ReadFloat();
    p_.LPD = p_.METHOD == 1 ? loadOrLength : 0;
    p_.PD = p_.METHOD == 1 ? 0 : loadOrLength;
    p_.FST = r_.ReadFloat();
    p_.FSB = r_.ReadFloat();

    if (format_ != TFormat::Current) return;
    if (p_.IPENT > 0) {
      p_.PDMIN = r_.ReadFloat();
      p_.PDINCR = r_.ReadFloat();
    }
    if (p_.IChart > 0) {
      p_.PDMIN = r_.ReadFloat();
      p_.PDINCR = r_.ReadFloat();
      p_.DIAMINCR = r_.ReadFloat();
      // 0 is what a project opened without design charts carries when they are switched on.
      p_.NPOINTPD = readInteger(0, kMaxChartSettlements, "The number of design-chart settlements must be 0 to 10.");
      for (int i = 0; i < p_.NPOINTPD; ++i) p_.PDSETT[static_cast<std::size_t>(i)] = r_.ReadFloat();
      // Without settlements their line is empty; the word reader does not step over it.
      if (p_.NPOINTPD == 0 && r_.GetWordCount(r_.CurrentLine() + 1) == 0 &&
          r_.CurrentLine() + 1 < r_.NumberLines())
        r_.ReadLine();
    }
  }

  void readLayer(int row) {
    const int type = readInteger(1, kSoilTypeCount, "The soil type must be 1 to 9.");
    // A new type renews the row's layer table from that type's template.
    d_.SetIntValue(kLayerSoilType, row, type);
    d_.SetFloatValue(kLayerDepth, row, r_.ReadFloat());
    TGridTable& layer = *d_.GetDataValue(kLayerData, row);
    layer.SetID(row + 1);
    layer.SetRowCount(0);
    layer.SetRowCount(layer.MinRows());
    readDataLine(layer, row, type, kLayerTop);
    readDataLine(layer, row, type, kLayerBottom);

    if (type == kSoilSand) {
      int method = 0;
      if (format_ == TFormat::Current) {
        method = readWhole(layer, sand::Method);
      } else {
        // The older formats know two methods: 1 Ko, anything else Beta.
        method = r_.ReadInteger() == sand::KoMethod ? sand::KoMethod : sand::BetaMethod;
      }
      layer.SetIntValue(sand::Method, kLayerTop, method);
      layer.SetIntValue(sand::Method, kLayerBottom, method);
      const int coefficient = SandCoefficientColumn(method);
      layer.SetFloatValue(coefficient, kLayerTop, r_.ReadFloat());
      layer.SetFloatValue(coefficient, kLayerBottom, r_.ReadFloat());
    } else if (type == kSoilClay || type == kSoilShale) {
      layer.SetFloatValue(clay::Alpha, kLayerTop, r_.ReadFloat());
      layer.SetFloatValue(clay::Alpha, kLayerBottom, r_.ReadFloat());
    }
  }

  void readDataLine(TGridTable& t, int row, int type, int end) {
    const std::vector<TLayerItem>& items = LayerLineItems(type);
    for (const TLayerItem& item : items) {
      switch (item.kind) {
        case TLayerItem::Placeholder:
          r_.ReadFloat();
          break;
        case TLayerItem::Real:
          // The older formats carry an unused value where the sand's interface angle is now.
          if (format_ != TFormat::Current && type == kSoilSand && item.column == sand::InterfaceAngle) {
            r_.ReadFloat();
          } else {
            t.SetFloatValue(item.column, end, r_.ReadFloat());
          }
          break;
        case TLayerItem::Whole:
          t.SetIntValue(item.column, end, readWhole(t, item.column));
          break;
        case TLayerItem::MaxSideFriction:
          d_.SetFloatValue(kLayerMaxSideFriction, row, r_.ReadFloat());
          break;
        case TLayerItem::MaxEndBearing:
          d_.SetFloatValue(kLayerMaxEndBearing, row, r_.ReadFloat());
          break;
      }
    }
    // The two LRFD factors came later; without them the table's defaults (1.0) stay. Those of
    // the bottom line overwrite those of the top line.
    if (r_.CurrentLineWordCount() == static_cast<int>(items.size()) + 2) {
      d_.SetFloatValue(kLayerSideFactor, row, r_.ReadFloat());
      d_.SetFloatValue(kLayerTipFactor, row, r_.ReadFloat());
    }
  }

  // An integer of a layer table; a choice must lie in its list.
  int readWhole(const TGridTable& t, int column) {
    const auto* choice = dynamic_cast<const TEnumColumn*>(&t.Column(column));
    if (choice == nullptr) return r_.ReadInteger();
    const int count = static_cast<int>(choice->Names.size());
    return readInteger(1, count, "The " + LayerColumnName(*choice) + " must be 1 to " + std::to_string(count) + ".");
  }

  void readTzDepths() {
    TGridTable& tz = p_.Tables().TblTZDepth();
    tz.SetRowCount(readInteger(1, kMaxTzDepths, "The number of extra t-z depths must be 1 to 50."));
    for (int row = 0; row < tz.RowCount(); ++row) tz.SetFloatValue(0, row, r_.ReadFloat());
  }

  TWordReader& r_;
  TProgramData& p_;
  TGridTable& d_;
  TFormat format_;
};

}  // namespace

void TProgramData::ReadVersion8(TWordReader& reader) { TProjectReader(reader, *this, TFormat::Current).Read(); }

void TProgramData::ReadPrevVersions(TWordReader& reader, bool IsNewVer) {
  TProjectReader(reader, *this, IsNewVer ? TFormat::NewerOld : TFormat::Oldest).Read();
}

TProjectLoad TProgramData::load(TProjectTables& tables, const std::string& fileName, int filterIndex,
                                 const std::string* text) {
  TProjectLoad result;
  result.project.reset(new TProgramData(tables, TForReading{}));
  TProgramData& p = *result.project;
  p.FileName = fileName;
  p.InitPDSET();
  try {
    TWordReader reader = text != nullptr ? TWordReader::FromText(*text) : TWordReader(fileName);
    if (filterIndex == kFilterCurrent) {
      p.ReadVersion8(reader);
    } else {
      p.ReadPrevVersions(reader, filterIndex != kFilterOldest);
    }
  } catch (const EInOutError& e) {
    result.error = e.what();
  } catch (const EFOpenError& e) {
    result.error = e.what();
  }
  // Whatever was read stays; the tables get at least their minimum rows.
  for (TGridTable* table : tables.ValueTables()) table->RaiseToMinimumRows();
  p.ResetChanged();
  return result;
}

TProjectLoad TProgramData::CreateFromFile(TProjectTables& tables, const std::string& fileName, int filterIndex) {
  return load(tables, fileName, filterIndex, nullptr);
}

TProjectLoad TProgramData::CreateFromText(TProjectTables& tables, const std::string& fileName,
                                          const std::string& text, int filterIndex) {
  return load(tables, fileName, filterIndex, &text);
}

}  // namespace talmo
