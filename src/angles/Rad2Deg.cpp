#include "Rad2Deg.h"

#include "NumberText.h"
#include "Rounding.h"

#include <cmath>

namespace Rad2Deg {

namespace {

// The whole units are 16-bit integers; larger angles cannot be written.
constexpr double MaxDegrees = 32767.0;

// Seconds carry into the minutes and minutes into the degrees, in this order; never past 360.
void carry(WholeUnits &a) {
    if (a.sec == 60) {
        a.sec = 0;
        ++a.min;
        if (a.min == 60) {
            a.min = 0;
            ++a.deg;
        }
    }
    if (a.min == 60) {
        a.min = 0;
        ++a.deg;
    }
}

} // namespace

WholeUnits toWholeUnits(double radians, bool roundToMinutes) {
    const double d = std::fabs(radians) / FullTurn * 360;
    WholeUnits a;
    a.deg = static_cast<long long>(std::floor(d));
    const double fraction = d - static_cast<double>(a.deg);
    if (roundToMinutes) {
        a.min = static_cast<long long>(Rounding::Round(fraction * 60, 0));
    } else {
        const double m = fraction * 60;
        a.min = static_cast<long long>(std::floor(m));
        a.sec = static_cast<long long>(Rounding::Round((m - static_cast<double>(a.min)) * 60, 0));
    }
    carry(a);
    return a;
}

std::string Rad2DegMin(double radians, bool omitZeroMinutes, bool blankBeforeMinutes,
                       bool allowNegative, bool allow360) {
    if (radians < 0 && !allowNegative) {
        return {};
    }
    const bool negative = radians < 0;
    const double r = std::fabs(radians);
    if (!(r <= FullTurn)) {
        return {};
    }
    const double d = r / FullTurn * 360;
    auto wd = static_cast<long long>(std::floor(d + 0.00001));
    auto wm = static_cast<long long>(Rounding::Round((d - static_cast<double>(wd)) * 60, 0));
    if (wm == 60) {
        if (!allow360 && wd == 359) {
            wm = 59;
        } else {
            wm = 0;
            ++wd;
        }
    }
    std::string text = NumberText::whole(wd) + "\u00B0";
    if (!(omitZeroMinutes && wm == 0)) {
        if (blankBeforeMinutes) {
            text += ' ';
        }
        text += NumberText::whole(wm) + "'";
    }
    return negative ? "-" + text : text;
}

std::string Rad2DegMinSec(double radians, bool allowNegative) {
    if (radians < 0 && !allowNegative) {
        return {};
    }
    const bool negative = radians < 0;
    const double r = std::fabs(radians);
    const double d = r / FullTurn * 360;
    if (!(d <= MaxDegrees)) {
        return {};
    }
    constexpr bool roundToMinutes = false;
    const WholeUnits a = toWholeUnits(r, roundToMinutes);
    std::string text = NumberText::whole(a.deg) + "\u00B0 " + NumberText::whole(a.min) + "' " +
                       NumberText::whole(a.sec) + "\"";
    return negative ? "-" + text : text;
}

} // namespace Rad2Deg
