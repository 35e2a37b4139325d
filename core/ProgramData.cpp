#include "ProgramData.h"

#include <algorithm>

namespace talmo {

namespace {

// Default head movements of the design charts, in inches.
constexpr std::array<double, kMaxChartSettlements> kDefaultSettlementsInches{0.1, 0.25, 0.5, 0.75, 1, 1, 1, 1, 1, 1};

constexpr double kInchesPerMetre = 39.37007874;

// Factors that take a project's fields into a unit system from the other one.
struct TUnitFactors {
  double length;      // ft / m
  double settlement;  // in / m
  double force;       // lbs / kN
  double designLoad;  // tons / kN
};
constexpr TUnitFactors kToEnglish{3.280839895, kInchesPerMetre, 224.8089237, 0.1124044745};
constexpr TUnitFactors kToSI{0.3048, 0.0254, 0.00444822199911631, 8.896442997};

}  // namespace

TProgramData::TProgramData(TProjectTables& tables, TForReading) : tables_(&tables) {
  for (TGridTable* table : tables_->ValueTables()) {
    table->SetRowCount(0);
    table->SetUnits(fUnits);
  }
}

TProgramData::TProgramData(TProjectTables& tables) : TProgramData(tables, TForReading{}) {
  FileName = "NewShaft.tm8d";
  Title = "New Pile";
  METHOD = 2;
  KCYCL = 1;
  RCYCL = 1.0;
  PINC = 1.0;
  IMOD = 1;
  NLRFD = 2;
  FST = 2.5;
  FSB = 3.0;
  NPOINTPD = 5;
  InitPDSET();
  Yesnewversion = 1;
  ID2 = 1;
  SetUnits(1);
  for (TGridTable* table : tables_->ValueTables()) table->SetRowCount(table->MinRows());
  ResetChanged();
}

void TProgramData::SetUnits(int units) {
  units = std::clamp(units, 1, 2);
  const bool convert = units != fUnits;
  fUnits = units;
  for (TGridTable* table : tables_->ValueTables()) table->SetUnits(units);
  if (!convert) return;

  const TUnitFactors& f = units == 2 ? kToSI : kToEnglish;
  // The elevation of the shaft top is a length shown in the project's length unit, so it is
  // converted with the other lengths.
  for (double* length : {&PINC, &DSTART, &DIALIM, &TOPLENG, &BS, &PD, &PDMIN, &PDINCR, &DIAMINCR, &WTD, &ValElevation})
    *length *= f.length;
  EPILE *= f.force / (f.settlement * f.settlement);  // lbs/in2 against kN/m2
  LPD *= f.designLoad;
  const int settlements = std::clamp(NPOINTPD, 0, kMaxChartSettlements);
  for (int i = 0; i < settlements; ++i) PDSETT[static_cast<std::size_t>(i)] *= f.settlement;
  fChanged = true;
}

void TProgramData::InitPDSET() {
  PDSETT = kDefaultSettlementsInches;
  if (fUnits == 2)
    for (double& movement : PDSETT) movement /= kInchesPerMetre;
}

bool TProgramData::Changed() const {
  if (fChanged) return true;
  const auto tables = static_cast<const TProjectTables*>(tables_)->ValueTables();
  return std::any_of(tables.begin(), tables.end(), [](const TGridTable* t) { return t->Changed(); });
}

void TProgramData::ResetChanged() {
  fChanged = false;
  for (TGridTable* table : tables_->ValueTables()) table->ResetChanged();
}

}  // namespace talmo
