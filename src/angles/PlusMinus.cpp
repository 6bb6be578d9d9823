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

// Beyond this many turns the reduction starts from the remainder, so it always ends quickly.
constexpr double ManyTurns = 64 * FullTurn;

// Plain text of a rounded operand, as it is written back into its field.
std::string operandText(double value, bool comma) {
    return NumberText::normaliseSeparator(NumberText::AddLeadingZero(NumberText::plain(value)),
                                          comma);
}

// Infinity (a number too large for a double) lies outside the range as well.
bool withinTurn(double value) {
    return value >= -FullTurn && value <= FullTurn;
}

} // namespace

double ReduceAngle(double angle) {
    if (std::fabs(angle) > ManyTurns) {
        angle = std::fmod(angle, FullTurn);
    }
    while (angle < 0) {
        angle = angle + FullTurn;
    }
    while (angle >= FullTurn) {
        angle = angle - FullTurn;
    }
    return angle;
}

OperationResult plusMinus(int index, const Fields &fields, const OutputOptions &options) {
    OperationResult result{fields, {}, false, {}};
    Fields &out = result.fields;
    if (index == 2) {
        out.toAdd = out.radians;
        out.radians.clear();
        return result;
    }
    if ((index != 0 && index != 1) || out.toAdd.empty()) {
        return result;
    }
    // The stray quote belongs to the box's title as designed: keep it.
    const char *title = index == 0 ? "Add" : "Subtract'";
    if (out.radians.empty()) {
        out.radians.assign(1, '0');
    }
    const bool comma = out.radians.find(',') != std::string::npos;
    double x = NumberReading::readLeadingNumber(StrProc::replaceAll(out.radians, ",", "."));
    if (!withinTurn(x)) {
        result.message =
            Message{"Radians out of range", title, MessageIcon::Information, Field::Radians};
        return result;
    }
    const int decimals = Precision::decimalsFor(options.precision).radians;
    x = Rounding::Round(x, decimals);
    out.radians = operandText(x, comma);
    const std::string firstText = out.radians;

    // Outside comma mode a comma in the second value ends its number.
    const double yRead = NumberReading::readLeadingNumber(
        comma ? StrProc::replaceAll(out.toAdd, ",", ".") : out.toAdd);
    if (!withinTurn(yRead)) {
        result.message =
            Message{"Second value out of range", title, MessageIcon::Information, Field::ToAdd};
        return result;
    }
    const double y = Rounding::Round(yRead, decimals);
    out.toAdd = operandText(y, comma);

    double z = index == 0 ? x + y : x - y;
    z = Rounding::Round(ReduceAngle(z), decimals);
    out.radians = NumberText::fixedResult(z, decimals, comma);

    if (options.showPlusMinus) {
        result.append = "(" + firstText + (index == 0 ? " + " : " - ") + out.toAdd +
                        ") mod 2pi = " + out.radians + "\r\n";
    }
    return result;
}

} // namespace Operations
