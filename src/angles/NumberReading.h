#pragma once

#include <optional>
#include <string_view>

namespace NumberReading {

// Lenient reading of the leading number of a text: blanks, tabs and line feeds are skipped
// wherever they stand; then an optional sign, digits, at most one ".", an optional exponent
// (E, optional sign, digits); or &H / &O with a hexadecimal / octal whole number. Reading stops
// at the first character that cannot continue the number; no leading number reads as 0.
// A number too large for a double reads as +/- infinity, never as NaN.
double readLeadingNumber(std::string_view text);
// The same reading, empty where the text holds no leading number at all: a caller can then
// tell "0" from text that reads as 0 only because it holds no number.
std::optional<double> readLeadingNumberIfAny(std::string_view text);

// Reads an unsigned decimal of digits with at most one "." ("", "." -> 0, "5." -> 5, ".5" -> 0.5).
// The caller has checked the characters.
double readPlainDecimal(std::string_view digitsAndPoint);

} // namespace NumberReading
