#include "ProjectTables.h"

#include <string>

namespace talmo {

namespace {

using Lines = std::vector<std::string>;

void addReal(TGridTable& table, Lines headings, const char* units, double defaultValue = 0.0) {
  auto& column = table.AddColumn<TFloatColumn>();
  column.Headings = std::move(headings);
  column.UnitsString = units;
  column.Default = defaultValue;
}

void addWhole(TGridTable& table, Lines headings, int minimum, int maximum) {
  auto& column = table.AddColumn<TIntColumn>();
  column.Headings = std::move(headings);
  column.Minimum = minimum;
  column.Maximum = maximum;
}

void addChoice(TGridTable& table, Lines headings, Lines names) {
  auto& column = table.AddColumn<TEnumColumn>();
  column.Headings = std::move(headings);
  column.Names = std::move(names);
}

// Blow counts of SPT: whole numbers; 100 is the largest count the correlations take.
void addBlowCounts(TGridTable& table, int maximum = 100) { addWhole(table, {"Blow Counts", "from SPT"}, 0, maximum); }

void addUnitWeight(TGridTable& table) { addReal(table, {"Total Unit", "Weight"}, "F/L2^3"); }

void defineSand(TGridTable& t) {
  addUnitWeight(t);
  addReal(t, {"Friction", "Angle"}, "deg");
  addBlowCounts(t);
  addReal(t, {"Coefficient", "Ko"}, "");
  addReal(t, {"Beta", "Value"}, "");
  addChoice(t, {"Side Friction", "Method"}, {"Ko Method", "Beta Method", "Chen and Kulhawy (2002) Method"});
  addReal(t, {"Interface", "Angle"}, "deg");
  addReal(t, {"Preconsolidation", "Stress Exponent m"}, "");
}

void defineClay(TGridTable& t) {
  addUnitWeight(t);
  addReal(t, {"", "Cohesion"}, "F/L2^2");
  addBlowCounts(t);
  addReal(t, {"Alpha", "Factor"}, "");
  addReal(t, {"Bearing Capacity", "Coefficient Nc"}, "");
}

void defineStrongRock(TGridTable& t) {
  addReal(t, {"Rock Compressive", "Strength"}, "F/L2^2");
  addReal(t, {"Concrete Compressive", "Strength"}, "F/L2^2");
  addReal(t, {"Discontinuity", "Spacing"}, "L2");
  addReal(t, {"Discontinuity", "Thickness"}, "L2");
  addReal(t, {"Socket", "Diameter"}, "L2");
  addReal(t, {"Elastic", "Modulus"}, "F/L^2");
  addReal(t, {"", "RQD, %"}, "");
}

void defineDecomposedRock(TGridTable& t) {
  addUnitWeight(t);
  addBlowCounts(t);
  addReal(t, {"Poisson", "Ratio"}, "");
  addReal(t, {"Young Modulus", "(optional)"}, "F/L^2");
  addReal(t, {"Socket", "Diameter"}, "L2");
}

void defineWeakRock(TGridTable& t) {
  addReal(t, {"Rock Compressive", "Strength"}, "F/L2^2");
  addChoice(t, {"Interface", "Condition"},
            {"1 - Rough Surface w/closed joints", "2- Smooth Surface w/closed joints",
             "3 - Rough Surface w/open joints", "4- Smooth Surface w/open joints"});
  addReal(t, {"Concrete", "Slump"}, "L");
  addReal(t, {"Interface", "Friction Angle"}, "deg");
  addReal(t, {"Socket", "Diameter"}, "L2");
  addReal(t, {"Elastic Modulus", "of Rock Core"}, "F/L^2");
  addReal(t, {"", "RQD, %"}, "");
}

void defineGravel(TGridTable& t) {
  addUnitWeight(t);
  addBlowCounts(t, INT_MAX);
  addReal(t, {"Beta", "Value"}, "");
}

struct TLayerKind {
  const char* soilName;  // the soil-type list's item
  const char* caption;   // the layer table's caption
  void (*define)(TGridTable&);
};

// In soil-type order; the soil names are those the layer editor's type list shows.
const TLayerKind kLayerKinds[kSoilTypeCount] = {
    {"sand (FHWA Spec.)", "Sand (FHWA Spec.)", defineSand},
    {"clay (FHWA Spec.)", "Clay (FHWA Spec.)", defineClay},
    {"shale (Reese &Aurora)", "Shale (Reese and Aurora)", defineClay},
    {"strong rock (FHWA-side frict. or end bear.)",
     "Strong Rock (FHWA Spec. - use either side friction or end bearing)", defineStrongRock},
    {"decomposed rock/gravel (FHWA Spec.)", "Decomposed Rock/Gravel (FHWA Spec.)", defineDecomposedRock},
    {"weak rock (FHWA Spec.)", "Weak Rock (FHWA Spec.)", defineWeakRock},
    {"strong rock (side friction + end bearing)", "Strong Rock (FHWA Spec. - side friction plus end bearing)",
     defineStrongRock},
    {"gravelly sand (Rollins et al)", "Gravelly Sand (Rollins et al)", defineGravel},
    {"gravel (Rollins et al)", "Gravel (Rollins et al)", defineGravel},
};

std::unique_ptr<TGridTable> makeLayerTemplate(TTableRegistry& registry, int soilType) {
  const TLayerKind& kind = kLayerKinds[soilType - 1];
  auto table = std::make_unique<TGridTable>(registry);
  table->SetIdentifier(kLayerTemplateIdentifiers[static_cast<std::size_t>(soilType - 1)]);
  table->Caption = kind.caption;
  table->TopLeft = "Row";
  table->Comments = "Row 1: values at the top of the layer; row 2: values at the bottom of the layer.";
  // Exactly two rows: the top and the bottom of the layer.
  table->SetMinRows(2);
  table->SetMaxRows(2);
  kind.define(*table);
  return table;
}

std::unique_ptr<TGridTable> makeSoilLayers(TTableRegistry& registry) {
  auto d = std::make_unique<TGridTable>(registry);
  d->Caption = "Soil Layers";
  d->TopLeft = "Layer";
  d->SetMinRows(1);
  d->SetMaxRows(kMaxLayers);
  Lines soilNames;
  for (const TLayerKind& kind : kLayerKinds) soilNames.emplace_back(kind.soilName);
  addChoice(*d, {"Soil Type"}, std::move(soilNames));
  addReal(*d, {"Depth at Bottom ", "of each Layer"}, "L2");
  auto& data = d->AddColumn<TTableColumn>();
  data.Headings = {"Layer  Data"};
  for (int id : kLayerTemplateIdentifiers) data.Templates.AddIdentifier(id);
  addReal(*d, {"Max. Side", "Friction"}, "F/L2^2");
  addReal(*d, {"Max. End", "Bearing"}, "F/L2^2");
  addReal(*d, {"LRFD Res. Factor", "(Side Friction)"}, "", 1.0);
  addReal(*d, {"LRFD Res. Factor", "(End Bearing)"}, "", 1.0);
  return d;
}

std::unique_ptr<TGridTable> makeTzDepths(TTableRegistry& registry) {
  auto t = std::make_unique<TGridTable>(registry);
  t->Caption = "Generated t-z curves";
  t->TopLeft = "Curve";
  t->SetMinRows(1);
  t->SetMaxRows(kMaxTzDepths);
  addReal(*t, {"Depth"}, "L2");
  return t;
}

}  // namespace

TProjectTables::TProjectTables() {
  // The templates take their identifiers before D exists, so D's rows find them.
  for (int soilType = 1; soilType <= kSoilTypeCount; ++soilType)
    templates_.push_back(makeLayerTemplate(registry_, soilType));
  layers_ = makeSoilLayers(registry_);
  tzDepths_ = makeTzDepths(registry_);
}

TProjectTables::~TProjectTables() {
  // Nested layer tables refer to the templates through the registry: the users go first.
  tzDepths_.reset();
  layers_.reset();
  templates_.clear();
}

const TGridTable& TProjectTables::LayerTemplate(int soilType) const {
  return *templates_.at(static_cast<std::size_t>(soilType - 1));
}

}  // namespace talmo
