#pragma once

#include <string>

namespace Rad2Deg {

// The full turn as the 15-digit constant, not 2 * M_PI: results at the full turn depend on it.
inline constexpr double FullTurn = 6.28318530717959;

// The size of an angle in whole degrees, minutes and seconds, seconds carried into minutes and
// minutes into degrees (never past 360). Rounded to whole minutes, the seconds are 0.
// The angle must lie within 32767 degrees, the range of the whole units.
struct WholeUnits {
    long long deg = 0;
    long long min = 0;
    long long sec = 0;
};
WholeUnits toWholeUnits(double radians, bool roundToMinutes);

// Whole degrees and minutes ("57°18'", "-28°39'"); empty for a refused value.
std::string Rad2DegMin(double radians, bool omitZeroMinutes, bool blankBeforeMinutes,
                       bool allowNegative, bool allow360);

// Degrees, minutes and seconds ("57° 17' 45\""); empty for a refused value.
std::string Rad2DegMinSec(double radians, bool allowNegative);

} // namespace Rad2Deg
