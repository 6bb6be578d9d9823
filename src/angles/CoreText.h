#pragma once

#include <array>
#include <string_view>

// Marks an English text of the core that a person reads. The core keeps the English text; the
// window that shows it looks it up in the translations under the same context. The translation
// tools read CORE_TEXT as Qt's QT_TRANSLATE_NOOP.
#define CORE_TEXT(context, text) text

// The words of the result lines; everything else in a line is numbers and marks. A translation
// of a word holds no ".", since comma mode turns every "." of the output into ",".
namespace ResultWords {

//: Unit after a number in a result line: "1.000000 radians = 57° 17' 45"". No period.
inline constexpr std::string_view Radians = CORE_TEXT("ResultLine", "radians");
//: In a result line "(1.000000 + 2.000000) mod 2pi = 3.000000": the sum brought into one full
//: turn. No period.
inline constexpr std::string_view ModFullTurn = CORE_TEXT("ResultLine", "mod 2pi");

inline constexpr std::array All{Radians, ModFullTurn};

} // namespace ResultWords
