#include "CoreText.h"
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

double Snapped(double x) {
    return x >= FullTurn && x <= SnapCeiling ? FullTurn : x;
}

// Degrees and decimal minutes ("12°59.681'"). The nudged whole degree can leave minutes a
// hair below zero, and rounding can show minutes of 60; neither is ever written, the minutes
// are measured from the neighbouring degree instead.
std::string DecimalMinutes(double x, int decimals, bool comma) {
    const double d = std::fabs(x) / FullTurn * 360;
    double wd = std::floor(d + DegreeNudge);
    double m = (d - wd) * 60;
    if (m < 0 && NumberText::Fixed(m, decimals).front() == '-') {
        wd -= 1;
        m = (d - wd) * 60;
    }
    if (NumberText::Fixed(m, decimals).starts_with("60")) {
        wd += 1;
        m -= 60;
    }
    return (x < 0 ? "-" : "") + NumberText::Whole(static_cast<long long>(wd)) + "\u00B0" +
           NumberText::FixedResult(m, decimals, comma) + "'";
}

std::string ValuePart(double x, const OutputOptions &options, const Precision::Decimals &places,
                      bool comma) {
    if (options.decimalOutput) {
        if (options.decimalUnit == DecimalUnit::Degrees) {
            return NumberText::FixedResult(x / FullTurn * 360, places.decimalDegrees, comma) +
                   "\u00B0";
        }
        return DecimalMinutes(x, places.decimalMinutes, comma);
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

OperationResult RadiansToDegrees(const Fields &fields, const OutputOptions &options) {
    OperationResult result{fields, {}, false, {}};
    if (fields.radians.empty()) {
        return result;
    }
    const bool comma = fields.radians.find(',') != std::string::npos;
    const double value =
        NumberReading::ReadLeadingNumber(StrProc::ReplaceAll(fields.radians, ",", "."));
    const bool negative = value < 0;
    double x = Snapped(std::fabs(value));
    // An infinite reading (a number too large for a double) is above the full turn too.
    if (!(x <= FullTurn)) {
        result.message = Message{CORE_TEXT("Operations", "Radians out of range"),
                                 //: Title: the caption of the button "Radians to degrees".
                                 CORE_TEXT("Operations", "Radians to degrees"),
                                 MessageIcon::Information, Field::Radians};
        return result;
    }
    const auto places = Precision::For(options.precision);
    // Rounding can lift a value just below the full turn above it: snap again.
    x = Snapped(Rounding::Round(x, places.rounded));

    Fields &out = result.fields;
    out.radians = (negative ? "-" : "") + NumberText::FixedResult(x, places.radians, comma);
    const auto units = Rad2Deg::ToWholeUnits(x, options.roundToMinutes);
    out.degrees = NumberText::Whole(units.deg);
    out.minutes = NumberText::Whole(units.min);
    out.seconds = options.roundToMinutes ? "" : NumberText::Whole(units.sec);
    out.sign = negative ? "-" : "";

    const double signedX = negative ? -x : x;
    result.append = out.radians + " " + std::string(ResultWords::Radians) + " = " +
                    ValuePart(signedX, options, places, comma) + "\r\n";
    return result;
}

} // namespace Operations
