#pragma once
// The report's echo of the input: factors of safety, soil information per layer with the
// values the models estimate, the shaft input, the length-variation and design-chart settings,
// and the heading of the computation results. Values print in the project's units.
#include "run_model.h"
#include "text_out.h"
#include "units.h"

namespace talmo {

// `model` is the run model after reading and conversion; EPILE still in the project's unit.
void writeInputEcho(const RunModel& model, TextOut& report);

// Conversions from internal English units back to the project's units for printing.
struct PrintUnits {
  bool si = false;
  Real length(Real ft) const { return si ? ft / kFtPerM : ft; }
  Real force(Real tons) const { return si ? tons / kTonsPerKn : tons; }
  Real volume(Real cubicYards) const { return si ? cubicYards / kCuYdPerM3 : cubicYards; }
  Real forcePerVolume(Real v) const { return si ? v / kTonsPerCuYdPerKnPerM3 : v; }
  Real stress(Real psf) const { return si ? psf / kPsfPerKnPerM2 : psf; }
  Real unitWeight(Real pcf) const { return si ? pcf / kPcfPerKnPerM3 : pcf; }
  const char* lengthUnit() const { return si ? "M" : "FT."; }
};

// "      LABEL                     =    3.000  FT." — the layout of the shaft lines.
std::string shaftLine(std::string_view label, std::string_view value, std::string_view unit);

// A heading indented by 5 blanks and its underline of `hyphens` characters.
void writeHeading(TextOut& out, const std::string& text, std::size_t hyphens);

}  // namespace talmo
