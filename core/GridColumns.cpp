#include "GridColumns.h"

#include <cmath>
#include <stdexcept>

#include "Errors.h"
#include "ExpressionEvaluator.h"
#include "NumberText.h"
#include "GridTable.h"
#include "UnitCodes.h"
#include "ValueStream.h"

namespace talmo {

namespace {

// Markers of the current stream forms of real and table columns; older definitions carry the
// unit code (real) or another text (table) in their place.
const char* const kFloatColumnForm = "FLOATCOLUMN2";
const char* const kTableColumnForm = "FLEXCOLUMN2";

// Evaluated entries this close to a whole number count as whole (3*0.1*10 is 3).
constexpr double kIntegerTolerance = 1e-10;

bool isWhole(double value) {
  return std::isfinite(value) && std::fabs(value - std::nearbyint(value)) <= kIntegerTolerance;
}

// Nearest integer (halves to even), kept inside the 32-bit range.
int roundToInt(double value) {
  if (std::isnan(value)) return 0;
  const double rounded = std::nearbyint(value);
  if (rounded <= INT_MIN) return INT_MIN;
  if (rounded >= INT_MAX) return INT_MAX;
  return static_cast<int>(rounded);
}

std::string betweenMessage(int minimum, int maximum) {
  return "Entry must be between " + std::to_string(minimum) + " and " + std::to_string(maximum) + ".";
}

void writeStrings(TValueWriter& writer, const std::vector<std::string>& texts) {
  writer.WriteListBegin();
  for (const std::string& text : texts) writer.WriteString(text);
  writer.WriteListEnd();
}

std::vector<std::string> readStrings(TValueReader& reader) {
  std::vector<std::string> texts;
  reader.ReadListBegin();
  while (!reader.EndOfList()) texts.push_back(reader.ReadString());
  reader.ReadListEnd();
  return texts;
}

}  // namespace

// ---- TColumn ----------------------------------------------------------------------------------

TColumn::~TColumn() = default;

std::unique_ptr<TColumn> TColumn::Create(int classCode) {
  switch (classCode) {
    case static_cast<int>(TColumnClass::Enum): return std::make_unique<TEnumColumn>();
    case static_cast<int>(TColumnClass::Int): return std::make_unique<TIntColumn>();
    case static_cast<int>(TColumnClass::Float): return std::make_unique<TFloatColumn>();
    case static_cast<int>(TColumnClass::Table): return std::make_unique<TTableColumn>();
    case static_cast<int>(TColumnClass::String): return std::make_unique<TStringColumn>();
    default: return nullptr;
  }
}

double TColumn::GetFloat(int) const { throw std::logic_error("this column holds no numbers"); }
int TColumn::GetInt(int) const { throw std::logic_error("this column holds no numbers"); }
void TColumn::storeFloat(int, double) { throw std::logic_error("this column holds no numbers"); }
void TColumn::storeInt(int, int) { throw std::logic_error("this column holds no numbers"); }

std::unique_ptr<TColumn> TColumn::CloneDefinition() const {
  std::unique_ptr<TColumn> copy = cloneEmpty();
  copy->Headings = Headings;
  copy->Visible = Visible;
  copy->SameGroup = SameGroup;
  copy->copyProperties(*this);
  return copy;
}

void TColumn::WriteDefinition(TValueWriter& writer) const {
  writeStrings(writer, Headings);
  writer.WriteBoolean(Visible);
  writer.WriteBoolean(SameGroup);
  writeProperties(writer);
}

void TColumn::ReadDefinition(TValueReader& reader) {
  Headings = readStrings(reader);
  Visible = reader.ReadBoolean();
  SameGroup = reader.ReadBoolean();
  readProperties(reader);
}

// ---- TWholeNumberColumn ------------------------------------------------------------------------

void TWholeNumberColumn::storeEntry(int row, const TCellEntry& entry) { cell(row) = roundToInt(entry.number); }
void TWholeNumberColumn::storeFloat(int row, double value) { cell(row) = roundToInt(value); }

// ---- TEnumColumn ------------------------------------------------------------------------------

void TEnumColumn::copyProperties(const TColumn& from) { Names = static_cast<const TEnumColumn&>(from).Names; }
void TEnumColumn::writeProperties(TValueWriter& writer) const { writeStrings(writer, Names); }
void TEnumColumn::readProperties(TValueReader& reader) { Names = readStrings(reader); }

TCellEntry TEnumColumn::parseEntry(const std::string& text) const {
  const double value = EvaluateExpression(text);
  if (!isWhole(value)) throw EAssignError("Value must be an integer.");
  // A choice beyond the list would select no template and no name.
  const int count = static_cast<int>(Names.size());
  if (count > 0 && (value < 1 || value > count)) throw EAssignError(betweenMessage(1, count));
  return {std::nearbyint(value), {}};
}


// ---- TIntColumn -------------------------------------------------------------------------------

void TIntColumn::copyProperties(const TColumn& from) {
  const auto& source = static_cast<const TIntColumn&>(from);
  Default = source.Default;
  Minimum = source.Minimum;
  Maximum = source.Maximum;
}

void TIntColumn::writeProperties(TValueWriter& writer) const {
  writer.WriteInteger(Default);
  writer.WriteInteger(Minimum);
  writer.WriteInteger(Maximum);
}

void TIntColumn::readProperties(TValueReader& reader) {
  Default = reader.ReadInteger();
  Minimum = reader.ReadInteger();
  Maximum = reader.ReadInteger();
}

TCellEntry TIntColumn::parseEntry(const std::string& text) const {
  const double value = EvaluateExpression(text);
  if (!isWhole(value)) throw EAssignError("Entry must be an integer.");
  if (value < Minimum || value > Maximum) throw EAssignError(betweenMessage(Minimum, Maximum));
  return {std::nearbyint(value), {}};
}


// ---- TFloatColumn -----------------------------------------------------------------------------

std::string TFloatColumn::GetValue(int row) const { return FormatGeneral(Value(row), 8); }
int TFloatColumn::GetInt(int row) const { return roundToInt(Value(row)); }

std::vector<std::string> TFloatColumn::DisplayHeadings(int units) const {
  std::vector<std::string> lines = Headings;
  if (!UnitsString.empty() && !lines.empty())
    lines.back() = lines.back() + " (" + ExpandUnitsGrid(UnitsString, units) + ")  ";
  return lines;
}

void TFloatColumn::copyProperties(const TColumn& from) {
  const auto& source = static_cast<const TFloatColumn&>(from);
  UnitsString = source.UnitsString;
  Default = source.Default;
  TopDepth = source.TopDepth;
}

void TFloatColumn::writeProperties(TValueWriter& writer) const {
  writer.WriteBoolean(TopDepth);
  writer.WriteString(kFloatColumnForm);
  writer.WriteString(UnitsString);
  writer.WriteFloat(Default);
}

void TFloatColumn::readProperties(TValueReader& reader) {
  TopDepth = reader.ReadBoolean();
  const std::string marker = reader.ReadString();
  if (marker == kFloatColumnForm) {
    UnitsString = reader.ReadString();
    Default = reader.ReadFloat();
  } else {
    // The older form: the unit code and nothing after it.
    UnitsString = marker;
    Default = 0.0;
  }
}

TCellEntry TFloatColumn::parseEntry(const std::string& text) const {
  const double value = EvaluateExpression(text);
  // An infinite or undefined value could neither be shown nor written to a project file.
  if (!std::isfinite(value)) throw EAssignError("Entry must be a finite number.");
  return {value, {}};
}

bool TFloatColumn::convertUnits(int fromUnits, int toUnits) {
  const double factor = UnitConversionFactor(UnitsString, fromUnits, toUnits);
  if (factor == 1.0) return false;
  for (double& value : values_) value *= factor;
  return true;
}

// ---- TStringColumn ----------------------------------------------------------------------------

void TStringColumn::copyProperties(const TColumn& from) {
  const auto& source = static_cast<const TStringColumn&>(from);
  Default = source.Default;
  MinWidth = source.MinWidth;
}

void TStringColumn::writeProperties(TValueWriter& writer) const {
  writer.WriteString(Default);
  writer.WriteFloat(MinWidth);
}

void TStringColumn::readProperties(TValueReader& reader) {
  Default = reader.ReadString();
  MinWidth = reader.ReadFloat();
}

// ---- TTableColumn -----------------------------------------------------------------------------

TTableColumn::TTableColumn() = default;
TTableColumn::~TTableColumn() = default;

TGridTable* TTableColumn::NestedTable(int row) const { return cells_.at(static_cast<std::size_t>(row)).table.get(); }

const std::any& TTableColumn::Object(int row) const { return cells_.at(static_cast<std::size_t>(row)).object; }

std::string TTableColumn::GetValue(int row) const {
  const TGridTable* nested = NestedTable(row);
  return nested != nullptr ? nested->Caption : std::string();
}

int TTableColumn::choiceCount() const {
  if (Table() == nullptr || Table()->ColumnCount() == 0) return 1;
  const auto* choices = dynamic_cast<const TEnumColumn*>(&Table()->Column(0));
  return choices != nullptr && choices != static_cast<const TColumn*>(this) ? static_cast<int>(choices->Names.size())
                                                                            : 1;
}

TGridTable* TTableColumn::TemplateFor(int choice) const {
  if (Table() == nullptr) return nullptr;
  const TTableRegistry& registry = Table()->Registry();
  if (LegacyTemplateIndex) {
    return Table()->HardwiredButton ? registry.TableAt(*LegacyTemplateIndex) : registry.FindByIdentifier(choice);
  }
  return Templates.Lookup(choice - 1, registry);
}

void TTableColumn::copyProperties(const TColumn& from) {
  const auto& source = static_cast<const TTableColumn&>(from);
  Templates = source.Templates;
  LegacyTemplateIndex = source.LegacyTemplateIndex;
}

void TTableColumn::writeProperties(TValueWriter& writer) const {
  writer.WriteString(kTableColumnForm);
  writer.WriteListBegin();
  if (Table() != nullptr) {
    // One identifier per choice of the first column, whatever form the templates were given in.
    for (int choice = 1; choice <= choiceCount(); ++choice) {
      const TGridTable* templ = TemplateFor(choice);
      writer.WriteInteger(templ != nullptr ? templ->Identifier() : -1);
    }
  } else {
    for (int i = 0; i < Templates.Count(); ++i) {
      const TGridTableList::TEntry& entry = Templates.Entry(i);
      writer.WriteInteger(entry.kind == TGridTableList::TKind::Identifier ? entry.value : -1);
    }
  }
  writer.WriteListEnd();
}

void TTableColumn::readProperties(TValueReader& reader) {
  Templates.Clear();
  LegacyTemplateIndex.reset();
  const std::string marker = reader.ReadString();
  if (marker == kTableColumnForm) {
    reader.ReadListBegin();
    while (!reader.EndOfList()) Templates.AddIdentifier(reader.ReadInteger());
    reader.ReadListEnd();
  } else {
    LegacyTemplateIndex = reader.ReadInteger();
  }
}

void TTableColumn::insertRows(int position, int count) {
  // The cells stay empty until the table has stored the new rows' choices and renews them.
  std::vector<TCell> fresh(static_cast<std::size_t>(count));
  cells_.insert(cells_.begin() + position, std::make_move_iterator(fresh.begin()),
                std::make_move_iterator(fresh.end()));
}

void TTableColumn::deleteRows(int position, int count) {
  cells_.erase(cells_.begin() + position, cells_.begin() + position + count);
}

TCellEntry TTableColumn::parseEntry(const std::string&) const {
  throw EAssignError("A table cell takes no text entry.");
}

bool TTableColumn::convertUnits(int /*fromUnits*/, int toUnits) {
  const TGridTable* owner = Table();
  for (int row = 0; row < RowCount(); ++row) {
    TCell& c = cellAt(row);
    if (c.table) {
      c.table->SetUnits(toUnits);
    } else if (c.object.has_value() && owner != nullptr && owner->OnSetUnits) {
      owner->OnSetUnits(owner->columnIndex(this), row, toUnits);
    }
  }
  return false;  // the nested tables report their own changes
}

bool TTableColumn::changed() const {
  const TGridTable* owner = Table();
  for (int row = 0; row < RowCount(); ++row) {
    const TCell& c = cells_[static_cast<std::size_t>(row)];
    if (c.table && c.table->Changed()) return true;
    if (!c.table && c.object.has_value() && owner != nullptr && owner->OnGetChanged &&
        owner->OnGetChanged(owner->columnIndex(this), row))
      return true;
  }
  return false;
}

void TTableColumn::resetChanged() {
  const TGridTable* owner = Table();
  for (int row = 0; row < RowCount(); ++row) {
    TCell& c = cellAt(row);
    if (c.table) {
      c.table->ResetChanged();
    } else if (c.object.has_value() && owner != nullptr && owner->OnResetChanged) {
      owner->OnResetChanged(owner->columnIndex(this), row);
    }
  }
}

}  // namespace talmo
