// Any text typed into a numeric field: the evaluator returns a finite number or raises
// EAssignError with its standard opening, and never crashes, hangs or hits undefined behaviour.
// What a field then shows (FormatNumber) must evaluate back to the same value.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "Errors.h"
#include "ExpressionArithmetic.h"
#include "ExpressionEvaluator.h"
#include "NumberText.h"

namespace {

void require(bool condition) {
  if (!condition) std::abort();
}

void checkResult(double value) {
  using namespace talmo;
  require(std::isfinite(value));
  // The 18 digits pasted back between steps read back the same double.
  require(EvaluateExpression(FormatGeneral(value, 18)) == value);
  (void)FormatNumber(value);
  const std::string hex = FormatNumber(value, true);
  if (hex.starts_with('$') && std::fabs(value) < 9007199254740992.0)
    require(EvaluateExpression(hex) == RoundHalfEven(value));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  try {
    checkResult(talmo::EvaluateExpression(text));
  } catch (const talmo::EAssignError& e) {
    require(std::string_view(e.what()).starts_with("Entry could not be evaluated:\r"));
  }
  try {
    require(std::isfinite(talmo::EvaluateOperand(text)));
  } catch (const talmo::EAssignError&) {
  }
  (void)talmo::IsFunctionName(text);
  return 0;
}
