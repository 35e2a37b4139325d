#include "clay_shale_note.h"

#include <algorithm>
#include <string>

#include "fixed_format.h"
#include "profile.h"
#include "units.h"

namespace talmo {
namespace {

constexpr Real kSoftRockStrength = 1000 * kPsfPerPsi;  // psf
constexpr Real kUnset = 1e-5f;

}  // namespace

bool clayShaleNoteApplies(const RunModel& run, Real lastShaftLength) {
  if (run.layers.empty() || run.layers.back().KSOIL != kClayShale) return false;
  const Layer& shale = run.layers.back();
  const Real z = std::clamp(lastShaftLength - shale.XTOP, Real(0), shale.XBOT - shale.XTOP);
  const bool strengthGiven = shale.top.CU > kUnset || shale.bottom.CU > kUnset;
  const Real su = strengthGiven ? interpolate(shale, &LayerEnd::CU, z)
                                : interpolate(shale, &LayerEnd::BLOWS, z) / 10 * kPsfPerTsf;
  return 2 * su < kSoftRockStrength;
}

void writeClayShaleNote(bool si, const std::vector<std::array<Real, 4>>& points, TextOut& report) {
  const std::string indent(5, ' ');
  report.blankLines(2);
  for (const char* l : {"ROCK WITH COMPRESSIVE STRENGTH LESS THAN 1000 PSI (6894 kPA)",
                        "------------------------------------------------------------",
                        "IF THE SETTLEMENT IS LESS THAN 0.4 IN. (10 mm), THE LOAD IS",
                        "CARRIED ENTIRELY IN SIDE RESISTANCE.  IF THE SETTLEMENT IS",
                        "GREATER THAN 0.4 IN. (10 MM), THE LOAD IS CARRIED ENTIRELY", "IN END BEARING."})
    report.line(indent + l);
  report.line();
  report.line(std::string(22, ' ') + "TOP  LOAD     TOP MOVEMENT     ");
  report.line(std::string(22, ' ') + (si ? "   kN              M             " : "   TONS             IN.       "));
  for (const auto& p : points) report.line(fmt::X(13) + fmt::E(p[0], 17, 4) + fmt::E(p[1], 17, 4));
}

}  // namespace talmo
