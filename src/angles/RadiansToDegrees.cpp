#include "NumberReading.h"
#include "NumberText.h"
#include "Operations.h"
#include "Precision.h"
#include "Rad2Deg.h"
#include "Rounding.h"
#include "StrProc.h"

#include <cmath>

namespace Operations {

namespace {

using Rad2Deg::FullTurn;

// Sizes from the full turn up to this are taken as the full turn.
constexpr double SnapCeiling = 6.2832;
// Lifts degrees a hair below a whole degree onto it in the minute forms.
constexpr double DegreeNudge = 0.00001;

double snapped(double x) {
    return x >= FullTurn && x <= SnapCeiling ? FullTurn : x;
}

// Degrees and decimal minutes ("12°59.681'"). The nudged whole degree can leave minutes a
// hair below zero, and rounding can show minutes of 60; neither is ever written, the minutes
// are measured from the neighbouring degree instead.
std::string decimalMinutes(double x, int decimals, bool comma) {
    const double d = std::fabs(x) / FullTurn * 360;
    double wd = std::floor(d + DegreeNudge);
    double m = (d - wd) * 60;
    if (m < 0 && NumberText::fixed(m, decimals).front() == '-') {
        wd -= 1;
        m = (d - wd) * 60;
    }
    if (NumberText::fixed(m, decimals).starts_with("60")) {
        wd += 1;
        m -= 60;
    }
    return (x < 0 ? "-" : "") + NumberText::whole(static_cast<long long>(wd)) + "\u00B0" +
           NumberText::fixedResult(m, decimals, comma) + "'";
}

std::string valuePart(double x, const OutputOptions &options, const Precision::Decimals &places,
                      bool comma) {
    if (options.decimalOutput) {
        if (options.decimalUnit == DecimalUnit::Degrees) {
            return NumberText::fixedResult(x / FullTurn * 360, places.decimalDegrees, comma) +
                   "\u00B0";
        }
        return decimalMinutes(x, places.decimalMinutes, comma);
    }
    constexpr bool allowNegative = true;
    if (options.roundToMinutes) {
        constexpr bool omitZeroMinutes = false;
        constexpr bool blankBeforeMinutes = false;
        constexpr bool allow360 = false;
        return Rad2Deg::Rad2DegMin(x, omitZeroMinutes, blankBeforeMinutes, allowNegative, allow360);
    }
    return Rad2Deg::Rad2DegMinSec(x, allowNegative);
}

} // namespace

OperationResult radiansToDegrees(const Fields &fields, const OutputOptions &options) {
    OperationResult result{fields, {}, false, {}};
    if (fields.radians.empty()) {
        return result;
    }
    const bool comma = fields.radians.find(',') != std::string::npos;
    const double value =
        NumberReading::readLeadingNumber(StrProc::replaceAll(fields.radians, ",", "."));
    const bool negative = value < 0;
    double x = snapped(std::fabs(value));
    // An infinite reading (a number too large for a double) is above the full turn too.
    if (!(x <= FullTurn)) {
        result.message = Message{"Radians out of range", "Radians to degrees",
                                 MessageIcon::Information, Field::Radians};
        return result;
    }
    const auto places = Precision::decimalsFor(options.precision);
    // Rounding can lift a value just below the full turn above it: snap again.
    x = snapped(Rounding::Round(x, places.rounded));

    Fields &out = result.fields;
    out.radians = (negative ? "-" : "") + NumberText::fixedResult(x, places.radians, comma);
    const auto units = Rad2Deg::toWholeUnits(x, options.roundToMinutes);
    out.degrees = NumberText::whole(units.deg);
    out.minutes = NumberText::whole(units.min);
    out.seconds = options.roundToMinutes ? "" : NumberText::whole(units.sec);
    out.sign = negative ? "-" : "";

    const double signedX = negative ? -x : x;
    result.append =
        out.radians + " radians = " + valuePart(signedX, options, places, comma) + "\r\n";
    return result;
}

} // namespace Operations
