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

// Beyond this many turns the reduction starts from the remainder, so it always ends quickly.
constexpr double ManyTurns = 64 * FullTurn;

// Plain text of a rounded operand, as it is written back into its field.
std::string OperandText(double value, bool comma) {
    return NumberText::NormaliseSeparator(NumberText::AddLeadingZero(NumberText::Plain(value)),
                                          comma);
}

// Infinity (a number too large for a double) lies outside the range as well.
bool WithinTurn(double value) {
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

OperationResult PlusMinus(int index, const Fields &fields, const OutputOptions &options) {
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
    //: Title of the messages of the "+" button.
    const char *const add = CORE_TEXT("Operations", "Add");
    // The stray quote belongs to the box's title as designed: keep it.
    //: Title of the messages of the "-" button; keep the quote.
    const char *const subtract = CORE_TEXT("Operations", "Subtract'");
    const char *title = index == 0 ? add : subtract;
    if (out.radians.empty()) {
        out.radians.assign(1, '0');
    }
    const bool comma = out.radians.find(',') != std::string::npos;
    double x = NumberReading::ReadLeadingNumber(StrProc::ReplaceAll(out.radians, ",", "."));
    if (!WithinTurn(x)) {
        result.message = Message{CORE_TEXT("Operations", "Radians out of range"), title,
                                 MessageIcon::Information, Field::Radians};
        return result;
    }
    const int decimals = Precision::For(options.precision).radians;
    x = Rounding::Round(x, decimals);
    out.radians = OperandText(x, comma);
    const std::string firstText = out.radians;

    // Outside comma mode a comma in the second value ends its number.
    const double yRead = NumberReading::ReadLeadingNumber(
        comma ? StrProc::ReplaceAll(out.toAdd, ",", ".") : out.toAdd);
    if (!WithinTurn(yRead)) {
        result.message = Message{CORE_TEXT("Operations", "Second value out of range"), title,
                                 MessageIcon::Information, Field::ToAdd};
        return result;
    }
    const double y = Rounding::Round(yRead, decimals);
    out.toAdd = OperandText(y, comma);

    double z = index == 0 ? x + y : x - y;
    z = Rounding::Round(ReduceAngle(z), decimals);
    out.radians = NumberText::FixedResult(z, decimals, comma);

    if (options.showPlusMinus) {
        result.append = "(" + firstText + (index == 0 ? " + " : " - ") + out.toAdd + ") " +
                        std::string(ResultWords::ModFullTurn) + " = " + out.radians + "\r\n";
    }
    return result;
}

} // namespace Operations
