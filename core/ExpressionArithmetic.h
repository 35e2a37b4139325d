#pragma once
// The arithmetic of the expression evaluator: its binary operators, its 25 functions and the
// factorial. Every result is checked, so an entry such as 1/0, ln0, sqrt-4 or 200! becomes an
// evaluation error with a clear reason instead of an infinity or NaN entered into a field.
// The text side of the evaluator (parentheses, signs, operands) is in ExpressionEvaluator.cpp.
#include <cstddef>
#include <string>
#include <string_view>

#include "Errors.h"

namespace talmo {

// "Entry could not be evaluated:" + carriage return + `reason`: the text of every
// evaluation failure.
EAssignError EvaluationError(const std::string& reason);

// a op b for op one of ^ * / % & + - | =. "%" is the remainder of the integer parts (truncated
// toward zero), computed exactly for any magnitude; "&", "|" and "=" give 1 or 0.
// Division by zero and results that are not finite raise EvaluationError.
double ApplyOperator(char op, double a, double b);

struct EvalFunction {
  std::string_view name;
  double (*apply)(double);
  // The function has a finite value everywhere on its domain, so an infinite result is an
  // overflow ("too large") rather than a point where it is not defined.
  bool overflows;
};

// The function whose name `lowerText` starts with, the longest name where several match
// ("cosec" before "cos"); nullptr when none does.
const EvalFunction* FunctionAtStart(std::string_view lowerText);

// True for the exact (lower-case) name of one of the 25 functions.
bool IsEvalFunctionName(std::string_view lowerText);

// fn(x); a result that is not finite raises EvaluationError naming the function and x.
double ApplyFunction(const EvalFunction& fn, double x);

// |n|! with the sign of n; 0! = 1. A non-integral n raises the factorial message, an |n| above
// 170 (whose factorial exceeds the largest double) raises "result is too large".
double Factorial(double n);

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double RoundHalfEven(double x);

}  // namespace talmo
