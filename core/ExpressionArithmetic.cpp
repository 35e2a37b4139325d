#include "ExpressionArithmetic.h"

#include <algorithm>
#include <cmath>

#include "NumberText.h"

namespace talmo {

namespace {

std::string show(double x) { return FormatGeneral(x, 8); }

EAssignError tooLarge() { return EvaluationError("result is too large"); }

// Integral results (int, round, ceil, floor) stay doubles: no conversion to an integer type
// can overflow, and ceil and floor of values beyond 32 bits are still exact.
const EvalFunction kFunctions[] = {
    {"arctanh", [](double x) { return std::atanh(x); }, false},
    {"arctan", [](double x) { return std::atan(x); }, false},
    {"cotan", [](double x) { return 1.0 / std::tan(x); }, false},
    {"tanh", [](double x) { return std::tanh(x); }, false},
    {"tan", [](double x) { return std::tan(x); }, false},
    {"arccosh", [](double x) { return std::acosh(x); }, false},
    {"arccos", [](double x) { return std::acos(x); }, false},
    {"cosh", [](double x) { return std::cosh(x); }, true},
    {"cosec", [](double x) { return 1.0 / std::sin(x); }, false},
    {"csc", [](double x) { return 1.0 / std::sin(x); }, false},
    {"cos", [](double x) { return std::cos(x); }, false},
    {"sec", [](double x) { return 1.0 / std::cos(x); }, false},
    {"arcsinh", [](double x) { return std::asinh(x); }, false},
    {"arcsin", [](double x) { return std::asin(x); }, false},
    {"sinh", [](double x) { return std::sinh(x); }, true},
    {"sin", [](double x) { return std::sin(x); }, false},
    {"abs", [](double x) { return std::fabs(x); }, false},
    {"frac", [](double x) { return x - std::trunc(x); }, false},
    {"int", [](double x) { return std::trunc(x); }, false},
    {"ln", [](double x) { return std::log(x); }, false},
    {"round", [](double x) { return RoundHalfEven(x); }, false},
    {"ceil", [](double x) { return std::ceil(x); }, false},
    {"floor", [](double x) { return std::floor(x); }, false},
    {"log", [](double x) { return std::log10(x); }, false},
    {"sqrt", [](double x) { return std::sqrt(x); }, false},
};

}  // namespace

EAssignError EvaluationError(const std::string& reason) {
  return EAssignError("Entry could not be evaluated:\r" + reason);
}

double ApplyOperator(char op, double a, double b) {
  double result = 0.0;
  switch (op) {
    case '^':
      result = std::pow(a, b);
      if (std::isnan(result) || (std::isinf(result) && a == 0.0))
        throw EvaluationError("^ (power) is not defined for " + show(a) + " ^ " + show(b));
      break;
    case '*': result = a * b; break;
    case '/':
      if (b == 0.0) throw EvaluationError("division by zero");
      result = a / b;
      break;
    case '%': {
      // fmod of the integer parts is exact at every magnitude and equals the 64-bit integer
      // remainder wherever that exists, without converting a huge double to an integer.
      const double divisor = std::trunc(b);
      if (divisor == 0.0) throw EvaluationError("division by zero");
      result = std::fmod(std::trunc(a), divisor);
      break;
    }
    case '&': result = (a != 0.0 && b != 0.0) ? 1.0 : 0.0; break;
    case '+': result = a + b; break;
    case '-': result = a - b; break;
    case '|': result = (a != 0.0 || b != 0.0) ? 1.0 : 0.0; break;
    case '=': result = a == b ? 1.0 : 0.0; break;
    default: throw EvaluationError("invalid expression");
  }
  if (!std::isfinite(result)) throw tooLarge();
  return result;
}

const EvalFunction* FunctionAtStart(std::string_view lowerText) {
  const EvalFunction* best = nullptr;
  for (const EvalFunction& fn : kFunctions)
    if (lowerText.starts_with(fn.name) && (!best || fn.name.size() > best->name.size())) best = &fn;
  return best;
}

bool IsEvalFunctionName(std::string_view lowerText) {
  return std::any_of(std::begin(kFunctions), std::end(kFunctions),
                     [&](const EvalFunction& fn) { return fn.name == lowerText; });
}

double ApplyFunction(const EvalFunction& fn, double x) {
  const double result = fn.apply(x);
  if (std::isfinite(result)) return result;
  if (fn.overflows && std::isinf(result)) throw tooLarge();
  throw EvaluationError(std::string(fn.name) + " is not defined for " + show(x));
}

double Factorial(double n) {
  if (n != std::trunc(n)) throw EvaluationError("! (factoral) applicable to integers only");
  const double count = std::fabs(n);
  // 170! is about 7.3E306; 171! exceeds the largest double. The check also keeps 1E300! from
  // looping for ever.
  if (count > 170.0) throw tooLarge();
  double product = 1.0;
  for (double i = 2.0; i <= count; i += 1.0) product *= i;
  return n < 0.0 ? -product : product;
}

double RoundHalfEven(double x) {
  const double nearest = std::round(x);  // halves away from zero
  if (std::fabs(x - std::trunc(x)) == 0.5) return 2.0 * std::round(x / 2.0);
  return nearest;
}

}  // namespace talmo
