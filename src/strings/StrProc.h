#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace StrProc {

// Non-overlapping, exact occurrences of part in text; 0 when either is empty ("aaa" holds "aa"
// once).
std::int32_t CountOccurrences(std::string_view text, std::string_view part);

// Removes leading and trailing space characters (only ' ', as the fields are trimmed).
std::string trimBlanks(std::string_view text);

// Every occurrence of from replaced by to, left to right.
std::string replaceAll(std::string_view text, std::string_view from, std::string_view to);

} // namespace StrProc
