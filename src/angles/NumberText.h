#pragma once

#include <string>
#include <string_view>

namespace NumberText {

// The exact binary value rounded to `decimals` decimals (an exact binary half to even) and
// written with exactly that many: a "0" before the point below 1, "." as separator, no
// grouping, "-" only when the text is not all zeros.
std::string fixed(double value, int decimals);

// "0" put before a text that begins with "."; anything else unchanged.
std::string AddLeadingZero(std::string_view text);

// Comma mode: every "." becomes ","; otherwise every "," becomes ".".
std::string normaliseSeparator(std::string_view text, bool commaMode);

// fixed, then AddLeadingZero, then normaliseSeparator: the fixed-decimals text of results.
std::string fixedResult(double value, int decimals, bool commaMode);

// Plain number text: at most 15 significant digits, no trailing zeros, no separator for whole
// numbers, no "0" before the point (".5", "-.5"), "-" for negative values, never an exponent.
std::string plain(double value);

// Whole number: its digits, with "-" only when negative.
std::string whole(long long value);

} // namespace NumberText
