#include "Misc.h"

#include "Errors.h"

namespace talmo {

double EvaluateExpression(const std::string&) { throw EAssignError("not built yet"); }
double EvaluateOperand(const std::string&) { throw EAssignError("not built yet"); }
bool IsFunctionName(const std::string&) { return false; }
std::string FormatNumber(double, bool) { return {}; }

}  // namespace talmo
