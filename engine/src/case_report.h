#pragma once
// The report blocks of one analysed case: case numbers, shaft block, legend, table heading and
// rows of the capacity table; and the most-efficient-shaft block after the last diameter.
#include <array>
#include <string>

#include "capacity_table.h"
#include "report_echo.h"
#include "run_files.h"
#include "run_model.h"
#include "shaft_geometry.h"

namespace talmo {

struct CaseNumbers {
  int caseNumber = 1;
  int lengthIndex = 1;
  int diameterIndex = 1;
};

// Case block to the report; case block, diameters and (shaft length given) length to the
// runtime file. `length` is the case's shaft length, 0 when the design load sets it.
void writeCaseHeader(const RunModel& m, const CaseNumbers& n, const ShaftGeometry& shaft, Real BSr,
                     Real length, Real EPILEasEntered, RunFiles& files);

// The capacity table's columns for one printed length in the project's units: length, volume,
// QS, QB (WT), QU, then QBD, QDN, QU/VOLUME (ASD) or the LRFD side, tip and total.
std::array<Real, 8> capacityColumns(const RunModel& m, const Capacity& c);
// The capacity table's row for one printed length.
std::string capacityRow(const RunModel& m, const Capacity& c);

struct BestShaft {
  Real D = 0, Bb = 0, length = 0, volume = 0, QU = 0, perVolume = -1;
};
void writeMostEfficientShaft(const RunModel& m, const BestShaft& best, TextOut& report);

// The framed stop of a design load that the profile cannot carry.
void writeNeedAnotherLayer(RunFiles& files, std::ostream* console);

}  // namespace talmo
