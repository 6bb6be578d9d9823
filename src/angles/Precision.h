#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

namespace Precision {

// How many decimals each result gets at one precision P (the list entry shown is P + 1).
struct Decimals {
    int rounded;        // the radian value is rounded to P decimals
    int radians;        // and shown with P - 1
    int decimalDegrees; // P - 2
    int decimalMinutes; // P - 4
};

inline constexpr std::int16_t Lowest = 5;
inline constexpr std::int16_t Highest = 8;

inline constexpr std::array<Decimals, 4> Table{{
    {5, 4, 3, 1},
    {6, 5, 4, 2},
    {7, 6, 5, 3},
    {8, 7, 6, 4},
}};

// The decimals of a precision; a precision outside 5..8 is taken as the nearest one.
constexpr Decimals decimalsFor(std::int16_t precision) {
    return Table[static_cast<std::size_t>(std::clamp(precision, Lowest, Highest) - Lowest)];
}

} // namespace Precision
