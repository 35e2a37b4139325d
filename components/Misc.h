#pragma once
// The expression evaluator behind every numeric entry field: a small text-rewriting
// interpreter of arithmetic (+ - * / % ^), logic (& | =), factorial (!), hexadecimal ($),
// the constants pi and e, and 25 functions. Failures are EAssignError with the text shown
// to the user. It never crashes or hangs, whatever the text.
#include <string>

namespace talmo {

// Value of an expression such as "2+3*4", "(2+3)*4", "sqrt4*9", "$1f", "5!".
double EvaluateExpression(const std::string& text);

// Value of one operand: a number, a constant, a function applied to the rest of the operand,
// a factorial or a hexadecimal integer.
double EvaluateOperand(const std::string& text);

// True for the 25 function names, "!" and "$" (compared after lower-casing).
bool IsFunctionName(const std::string& text);

// A number as the entry fields show it: general format with 8 significant digits, fixed
// notation unless the number needs scientific notation; "." as the decimal point. With
// `hex`, "$" and the value rounded to an integer in upper-case hexadecimal of at least four
// digits ($00FF).
std::string FormatNumber(double value, bool hex = false);

}  // namespace talmo
