#include "ExpressionEvaluator.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include "ExpressionArithmetic.h"
#include "NumberText.h"

// The evaluator rewrites text: a parenthesised group or an applied operator is replaced by its
// value written with 18 significant digits (enough to read back the same double), and the
// rewritten text is read again. Every step is a single pass or a bounded loop over the text,
// and nesting never becomes recursion, so no input can exhaust the stack or take quadratic
// time.

namespace talmo {

namespace {

constexpr std::string_view kOperators = "^*/%&+-|=";
// Operators applied in four passes, each left to right.
constexpr std::string_view kPasses[] = {"^", "*/%&", "+-|", "="};
constexpr double kPi = 3.141592653589793238;
constexpr double kEuler = 2.718281828459045235;

std::string writeIntermediate(double value) { return FormatGeneral(value, 18); }

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isHexDigit(char c) {
  const char l = lowerAscii(c);
  return isDigit(c) || (l >= 'a' && l <= 'f');
}

std::string withoutBlanks(const std::string& text) {
  std::string result;
  for (char c : text)
    if (c != ' ' && c != '\t') result += c;
  return result;
}

// An "E" or "e" before a minus marks a decimal exponent (1e-5, 2.5E-3) only when it follows a
// digit or point of a decimal number. Otherwise it is the constant e (e-1, 2*e-1) or a digit
// of a hexadecimal number ($1e-1), and the minus after it subtracts.
bool isExponentMark(const std::string& text, std::size_t i) {
  if (i == 0 || !(isDigit(text[i - 1]) || text[i - 1] == '.')) return false;
  std::size_t start = i;
  while (start > 0 && isHexDigit(text[start - 1])) --start;
  return !(start > 0 && text[start - 1] == '$');
}

// A minus is a sign, kept in its operand, at the start, right after a function name, "!" or
// "$" that forms the whole text before it, after an operator or another minus, and after an
// exponent mark. Every other minus subtracts.
bool isSignMinus(const std::string& text, std::size_t i) {
  if (i == 0) return true;
  const char before = text[i - 1];
  if (kOperators.find(before) != std::string_view::npos) return true;
  if ((before == 'e' || before == 'E') && isExponentMark(text, i - 1)) return true;
  return i <= 7 && IsFunctionName(text.substr(0, i));  // no function name is longer than 7
}

struct SplitText {
  std::vector<std::string> operands;
  std::string operators;  // operators[k] stands between operands[k] and operands[k + 1]
};

SplitText splitOperands(const std::string& text) {
  SplitText split;
  split.operands.emplace_back();
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const bool isOperator = c == '-' ? !isSignMinus(text, i) : kOperators.find(c) != std::string_view::npos;
    if (isOperator) {
      split.operators += c;
      split.operands.emplace_back();
    } else {
      split.operands.back() += c;
    }
  }
  // Two operators in a row, or a leading or trailing operator, leave an empty operand.
  for (const std::string& operand : split.operands)
    if (operand.empty()) throw EvaluationError("invalid expression");
  return split;
}

// An expression without parentheses (and without blanks).
double evaluateFlat(const std::string& text) {
  if (text.empty()) throw EvaluationError("entry cannot be blank");
  SplitText split = splitOperands(text);
  for (std::string_view pass : kPasses) {
    SplitText next;
    next.operands.push_back(std::move(split.operands[0]));
    for (std::size_t k = 0; k < split.operators.size(); ++k) {
      const char op = split.operators[k];
      std::string& right = split.operands[k + 1];
      if (pass.find(op) != std::string_view::npos) {
        const double a = EvaluateOperand(next.operands.back());
        const double b = EvaluateOperand(right);
        next.operands.back() = writeIntermediate(ApplyOperator(op, a, b));
      } else {
        next.operators += op;
        next.operands.push_back(std::move(right));
      }
    }
    split = std::move(next);
  }
  return EvaluateOperand(split.operands[0]);
}

// Replaces every parenthesised group, innermost first, by its value. Scanning left to right
// with a stack of open positions meets the groups in the same order as repeatedly looking for
// the first ")" and the last "(" before it. A result is pasted without an operator, so 2(3)
// reads 23; an unmatched "(" stays in the text.
std::string replaceParentheses(const std::string& text) {
  std::string out;
  std::vector<std::size_t> opens;
  for (char c : text) {
    if (c == '(') {
      opens.push_back(out.size());
      out += c;
    } else if (c == ')') {
      if (opens.empty()) throw EvaluationError("() (parentheses) do not match");
      const std::size_t open = opens.back();
      opens.pop_back();
      const double value = evaluateFlat(out.substr(open + 1));
      out.resize(open);
      out += writeIntermediate(value);
    } else {
      out += c;
    }
  }
  return out;
}

// Every "--" removed left to right, so a double sign cancels ("---5" is "-5"), and the text
// lower-cased.
std::string normaliseOperand(const std::string& text) {
  std::string result;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '-' && i + 1 < text.size() && text[i + 1] == '-') {
      ++i;
      continue;
    }
    result += lowerAscii(text[i]);
  }
  return result;
}

bool constantValue(std::string_view text, double& value) {
  if (text == "pi" || text == "-pi") value = kPi;
  else if (text == "e" || text == "-e") value = kEuler;
  else return false;
  if (text[0] == '-') value = -value;
  return true;
}

EAssignError malformedHex() { return EvaluationError("invalid use of $ (hex function)"); }

// "$" and hexadecimal digits, with an optional sign after the "$" (the form FormatNumber
// writes for negative values), at most 64 bits.
double hexValue(std::string_view text) {
  std::size_t i = 1;
  const bool negative = i < text.size() && text[i] == '-';
  if (negative) ++i;
  if (i == text.size()) throw malformedHex();
  std::uint64_t value = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (!isHexDigit(c) || (value >> 60) != 0) throw malformedHex();  // (value >> 60): a 17th digit
    value = value * 16 + static_cast<std::uint64_t>(isDigit(c) ? c - '0' : c - 'a' + 10);
  }
  const double magnitude = static_cast<double>(value);
  return negative ? -magnitude : magnitude;
}

// A constant, a hexadecimal integer or a decimal number, followed by any number of "!".
double evaluatePlainOperand(std::string_view text) {
  std::size_t factorials = 0;
  while (factorials < text.size() && text[text.size() - 1 - factorials] == '!') ++factorials;
  const std::string_view base = text.substr(0, text.size() - factorials);
  double value = 0.0;
  if (!constantValue(base, value)) {
    if (base.starts_with('$')) value = hexValue(base);
    else if (!ParseReal(base, value)) throw EvaluationError("invalid character(s) in expression");
  }
  for (std::size_t k = 0; k < factorials; ++k) value = Factorial(value);
  return value;
}

}  // namespace

double EvaluateExpression(const std::string& text) {
  // A text of blanks only is as empty to the user as an empty one.
  const std::string compact = withoutBlanks(text);
  if (compact.empty()) throw EvaluationError("entry cannot be blank");
  return evaluateFlat(replaceParentheses(compact));
}

double EvaluateOperand(const std::string& text) {
  const std::string normal = normaliseOperand(text);
  std::string_view rest = normal;
  // A function applies to the whole rest of its operand: peel the names off, evaluate what
  // is left, then apply them innermost first (sinsin0.5 is sin(sin(0.5))).
  std::vector<const EvalFunction*> functions;
  double value = 0.0;
  while (!constantValue(rest, value)) {
    const EvalFunction* fn = FunctionAtStart(rest);
    if (!fn) {
      value = evaluatePlainOperand(rest);
      break;
    }
    functions.push_back(fn);
    rest.remove_prefix(fn->name.size());
  }
  for (auto it = functions.rbegin(); it != functions.rend(); ++it) value = ApplyFunction(**it, value);
  return value;
}

bool IsFunctionName(const std::string& text) {
  std::string lower;
  for (char c : text) lower += lowerAscii(c);
  return lower == "!" || lower == "$" || IsEvalFunctionName(lower);
}

std::string FormatNumber(double value, bool hex) {
  if (!hex) return FormatGeneral(value, 8);
  const double rounded = RoundHalfEven(value);
  // Beyond 64 bits (or not a number) there is no hexadecimal integer to show.
  if (!std::isfinite(rounded) || std::fabs(rounded) >= 18446744073709551616.0) return FormatGeneral(value, 8);
  std::uint64_t magnitude = static_cast<std::uint64_t>(std::fabs(rounded));
  std::string digits;
  do {
    digits.insert(digits.begin(), "0123456789ABCDEF"[magnitude % 16]);
    magnitude /= 16;
  } while (magnitude != 0);
  if (digits.size() < 4) digits.insert(0, 4 - digits.size(), '0');
  return (rounded < 0.0 ? "$-" : "$") + digits;
}

}  // namespace talmo
