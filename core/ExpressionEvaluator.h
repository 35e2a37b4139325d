#pragma once
// The expression evaluator behind every numeric entry field: a small text-rewriting
// interpreter of arithmetic (+ - * / % ^), logic (& | =), factorial (!), hexadecimal ($),
// the constants pi and e, and 25 functions. Failures are EAssignError with the text shown
// to the user: "Entry could not be evaluated:" + carriage return + the reason. A result that
// is not a finite number (1/0, ln0, sqrt-4, 171!, 10^400) is such a failure too, so only finite
// numbers reach a field. It never crashes or hangs, whatever the text: time and memory grow
// linearly with its length, and nesting does not deepen the call stack.
#include <string>

namespace talmo {

// Value of an expression such as "2+3*4", "(2+3)*4", "sqrt4*9", "$1f", "5!". Blanks and tabs
// are ignored; "." is the decimal point whatever the locale.
double EvaluateExpression(const std::string& text);

// Value of one operand: a number, a constant, a function applied to the rest of the operand,
// a factorial or a hexadecimal integer ("$1f", "$-1f": at most 64 bits).
double EvaluateOperand(const std::string& text);

// True for the 25 function names, "!" and "$" (compared after lower-casing).
bool IsFunctionName(const std::string& text);

// A number as the entry fields show it: general format with 8 significant digits, fixed
// notation unless the number needs scientific notation; "." as the decimal point. With
// `hex`, "$" and the value rounded to an integer in upper-case hexadecimal of at least four
// digits ($00FF; negative values as $-00FF, which evaluates back). A value too large for 64
// bits is shown in the general format.
std::string FormatNumber(double value, bool hex = false);

}  // namespace talmo
