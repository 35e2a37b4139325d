#pragma once
// Fixed-layout number fields of the report and the result files. Every field is right-justified
// in its width; a value that does not fit fills the whole field with asterisks, and a value that
// is not finite prints as "NaN", "Inf" or "-Inf". Formatting is
// locale-independent and rounds the binary value correctly (9.9999 in F6.2 is " 10.00").
#include <string>

namespace talmo::fmt {

// Fw.d: fixed notation with d decimals ("F8.2" of -3.14159 is "   -3.14"). A value that rounds
// to zero prints without a minus sign. d = 0 keeps the decimal point ("42.").
std::string F(double value, int w, int d);

// Ew.d: mantissa 0.ddd and a signed two-digit exponent ("E10.3" of 12.5 is "  0.125E+02").
std::string E(double value, int w, int d);

// The same fields appended to a record being built, without a string of their own.
void appendF(std::string& out, double value, int w, int d);
void appendE(std::string& out, double value, int w, int d);
// The Ew.d field written to field[0 .. w), for a record laid out in a buffer of its own.
void writeE(char* field, double value, int w, int d);

// Iw: integer right-justified in w characters.
std::string I(long long value, int w);

// nX: n blanks.
std::string X(int n);

// List form: one item as a free-form record writes it, with its leading blank.
std::string listInt(long long value);
std::string listReal(double value);
void appendListReal(std::string& out, double value);

// Left-justified text padded with blanks (or cut) to exactly w characters.
std::string padRight(std::string_view text, std::size_t w);

}  // namespace talmo::fmt
