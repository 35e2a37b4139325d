// The expression evaluator of the numeric entry fields: values, error texts, robustness
// against hostile text, and the display format of numbers.
#include "ExpressionEvaluator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <string>

#include "Errors.h"

namespace talmo {
namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kE = 2.718281828459045;

// The message of the EAssignError that evaluating `text` raises, or "no error".
std::string errorOf(const std::string& text) {
  try {
    EvaluateExpression(text);
  } catch (const EAssignError& e) {
    return e.what();
  }
  return "no error";
}

TEST(Evaluator, ValuesOfExpressions) {
  struct Case {
    const char* text;
    double value;
  } cases[] = {
      // Precedence, passes left to right, parentheses.
      {"2+3*4", 14},           {"(2+3)*4", 20},       {"2^3^2", 64},          {"2+3*4^2", 50},
      {"(1+2)*(3+4)", 21},     {"((2))", 2},          {"10/4", 2.5},          {"2(3)", 23},
      {" 2 +\t3 ", 5},         {"1+2=3", 1},          {"3=4", 0},             {"1|0&0", 1},
      {"1&0", 0},              {"0|2", 1},            {"3=3", 1},
      // Remainder of the integer parts, truncated toward zero, at any magnitude.
      {"10%3", 1},             {"7.9%2", 1},          {"-7%3", -1},           {"7%-3", 1},
      {"1e300%7", 1},          {"-1e300%7", -1},
      // Signs.
      {"-2^2", 4},             {"5--3", 8},           {"5---3", 2},           {"2*-3", -6},
      {"1e-5*2", 2e-5},        {"2.5E-1+1", 1.25},    {"5-(0-3)", 8},         {"2^(0-1)", 0.5},
      {"sin-0.5", -0.479425538604203},                {"sin(-0.5)", -0.479425538604203},
      // "e" before a minus that is not a decimal exponent: the constant e, a hex digit.
      {"e-1", 1.718281828459045}, {"2*e-1", 4.43656365691809}, {"$1e-1", 29},
      // Constants and functions, a function taking the whole rest of its operand.
      {"PI", kPi},             {"-e", -kE},           {"sqrt4*9", 18},        {"sqrtsqrt16", 2},
      {"cosec(pi/2)", 1},      {"csc(pi/2)", 1},      {"sec0", 1},            {"cosec1", 1.1883951057781212},
      {"sec1", 1.8508157176809255}, {"cotan1", 0.6420926159343306}, {"cosh1", 1.5430806348152437},
      {"cos0", 1},             {"tanh1", 0.7615941559557649}, {"tan0", 0},  {"sinh1", 1.1752011936438014},
      {"arctanh0.5", 0.5493061443340548}, {"arctan1", kPi / 4}, {"arccosh2", 1.3169578969248166},
      {"arccos1", 0},          {"arcsinh1", 0.881373587019543}, {"arcsin1", kPi / 2},
      {"abs-3", 3},            {"frac-2.5", -0.5},    {"int-2.7", -2},        {"ln1", 0},
      {"log1000", 3},          {"round2.5", 2},       {"round3.5", 4},        {"round-2.5", -2},
      {"ceil2.1", 3},          {"floor-2.1", -3},     {"floor5e9", 5e9},
      // Factorials and hexadecimal integers.
      {"5!", 120},             {"3!!", 720},          {"-3!", -6},            {"0!", 1},
      {"170!/169!", 170},      {"$1f", 31},           {"$FF", 255},           {"$-ff", -255},
      {"$1FFFFFFFFFFFFF", 9007199254740991.0},
  };
  for (const Case& c : cases) {
    try {
      EXPECT_NEAR(EvaluateExpression(c.text), c.value, 1e-12 * std::max(1.0, std::fabs(c.value))) << c.text;
    } catch (const EAssignError& e) {
      ADD_FAILURE() << c.text << ": " << e.what();
    }
  }
  // Intermediate results are written with enough digits to read back the same double.
  EXPECT_EQ(EvaluateExpression("(0.1+0.2)*1"), 0.1 + 0.2);
}

TEST(Evaluator, ErrorMessages) {
  struct Case {
    const char* text;
    const char* reason;
  } cases[] = {
      {"", "entry cannot be blank"},
      {" \t ", "entry cannot be blank"},
      {"2+()", "entry cannot be blank"},
      {")", "() (parentheses) do not match"},
      {"(1))", "() (parentheses) do not match"},
      {"(1", "invalid character(s) in expression"},
      {"abc", "invalid character(s) in expression"},
      {"1,5", "invalid character(s) in expression"},
      {"2*sin(-0.5)", "invalid character(s) in expression"},  // "sin" left without argument
      {"-sin0.5", "invalid character(s) in expression"},
      {"2*", "invalid expression"},
      {"*2", "invalid expression"},
      {"2**3", "invalid expression"},
      {"+5", "invalid expression"},
      {"4.5!", "! (factoral) applicable to integers only"},
      {"pi!", "! (factoral) applicable to integers only"},
      {"$zz", "invalid use of $ (hex function)"},
      {"$", "invalid use of $ (hex function)"},
      {"$11112222333344445", "invalid use of $ (hex function)"},  // beyond 64 bits
      // Results that are not finite numbers.
      {"1/0", "division by zero"},
      {"5%0.5", "division by zero"},
      {"ln0", "ln is not defined for 0"},
      {"log(0-1)", "log is not defined for -1"},
      {"sqrt-4", "sqrt is not defined for -4"},
      {"arcsin2", "arcsin is not defined for 2"},
      {"arctanh1", "arctanh is not defined for 1"},
      {"cotan0", "cotan is not defined for 0"},
      {"(0-8)^0.5", "^ (power) is not defined for -8 ^ 0.5"},
      {"0^-1", "^ (power) is not defined for 0 ^ -1"},
      {"171!", "result is too large"},
      {"1e300!", "result is too large"},
      {"1e308*10", "result is too large"},
      {"10^400", "result is too large"},
      {"sinh1000", "result is too large"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(errorOf(c.text), std::string("Entry could not be evaluated:\r") + c.reason) << c.text;
}

std::string repeat(const std::string& piece, std::size_t count) {
  std::string text;
  for (std::size_t i = 0; i < count; ++i) text += piece;
  return text;
}

TEST(Evaluator, HostileTextEndsQuickly) {
  const std::size_t n = 30000;  // deep enough to overflow the stack of a recursive evaluator
  struct Case {
    std::string text;
    double value;
  } cases[] = {
      {repeat("(", n) + "1" + repeat(")", n), 1},
      {"1" + repeat("+1", n), n + 1.0},
      {"1" + repeat("!", n), 1},
      {repeat("sin", n) + "0", 0},
      {repeat("--", n) + "5", 5},
  };
  const auto start = std::chrono::steady_clock::now();
  for (const Case& c : cases) EXPECT_EQ(EvaluateExpression(c.text), c.value) << c.text.substr(0, 20);
  EXPECT_EQ(errorOf(repeat("(", n)), "Entry could not be evaluated:\rinvalid character(s) in expression");
  EXPECT_EQ(errorOf(repeat("9^", n) + "9"), "Entry could not be evaluated:\rresult is too large");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}

TEST(Evaluator, FunctionNames) {
  for (const char* name : {"arctanh", "arctan", "cotan", "tanh", "tan", "arccosh", "arccos", "cosh", "cosec",
                           "csc", "cos", "sec", "arcsinh", "arcsin", "sinh", "sin", "abs", "frac", "int", "ln",
                           "round", "ceil", "floor", "log", "sqrt", "!", "$", "SQRT", "CoSeC"})
    EXPECT_TRUE(IsFunctionName(name)) << name;
  for (const char* text : {"", "si", "sine", "pi", "e", "exp", "-", "sin "}) EXPECT_FALSE(IsFunctionName(text)) << text;
}

TEST(Evaluator, FormatsNumbers) {
  struct Case {
    double value;
    bool hex;
    const char* text;
  } cases[] = {
      {255, true, "$00FF"},    {31.4, true, "$001F"},   {254.5, true, "$00FE"},  {65535.5, true, "$10000"},
      {-255, true, "$-00FF"},  {0, true, "$0000"},      {1e30, true, "1E30"},    {2.5, false, "2.5"},
      {1.5e-6, false, "1.5E-6"}, {123456789, false, "1.2345679E8"}, {-0.0254, false, "-0.0254"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatNumber(c.value, c.hex), c.text) << c.value;
  // What a field shows evaluates back to its value.
  for (double value : {-255.0, 4096.0, 9007199254740991.0})
    EXPECT_EQ(EvaluateExpression(FormatNumber(value, true)), value) << value;
  EXPECT_EQ(EvaluateExpression(FormatNumber(-1.5e-6)), -1.5e-6);
}

}  // namespace
}  // namespace talmo
