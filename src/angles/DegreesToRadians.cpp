#include "NumberReading.h"
#include "NumberText.h"
#include "Operations.h"
#include "Precision.h"
#include "Rad2Deg.h"
#include "StrProc.h"

#include <array>

namespace Operations {

namespace {

constexpr const char *Title = "Degrees to radians";

Message rangeMessage(const char *text, Field focus) {
    return Message{text, Title, MessageIcon::Information, focus};
}

} // namespace

double ParseAngleField(std::string_view text, bool &invalid, bool &comma) {
    const char separator = text.find(',') != std::string_view::npos ? ',' : '.';
    comma = separator == ',';
    for (const char c : text) {
        if ((c < '0' || c > '9') && c != separator) {
            invalid = true;
            return -1;
        }
    }
    if (StrProc::CountOccurrences(text, std::string_view(&separator, 1)) > 1) {
        invalid = true;
        return -1;
    }
    return NumberReading::readPlainDecimal(StrProc::replaceAll(text, ",", "."));
}

OperationResult degreesToRadians(const Fields &fields, const OutputOptions &options) {
    OperationResult result{fields, {}, false, {}};
    Fields &out = result.fields;
    const std::array<std::string *, 3> texts{&out.degrees, &out.minutes, &out.seconds};
    for (auto *text : texts) {
        *text = StrProc::trimBlanks(*text);
    }
    if (out.degrees.empty() && out.minutes.empty() && out.seconds.empty()) {
        return result;
    }
    bool invalid = false;
    std::array<bool, 3> commas{};
    std::array<double, 3> values{};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (texts[i]->empty()) {
            *texts[i] = "0";
        }
        values[i] = ParseAngleField(*texts[i], invalid, commas[i]);
    }
    if (invalid) {
        result.message = Message{"Invalid input for degrees, minutes or seconds.", Title,
                                 MessageIcon::Exclamation, Field::None};
        return result;
    }
    const auto [d, m, s] = values;
    if (!(d >= 0 && d <= 360) || (d == 360 && (m > 0 || s > 0))) {
        result.message = rangeMessage("Degrees out of range", Field::Degrees);
        return result;
    }
    if (!(m >= 0 && m <= 59)) {
        result.message = rangeMessage("Minutes out of range", Field::Minutes);
        return result;
    }
    if (!(s >= 0 && s <= 59)) {
        result.message = rangeMessage("Seconds out of range", Field::Seconds);
        return result;
    }
    // In this order, each sum stored as a double, dividing by 360 before the multiplication.
    double t = d + m / 60;
    t = t + s / 3600;
    const double radians = t / 360 * Rad2Deg::FullTurn;

    const bool comma = commas[0];
    const bool negative = !out.sign.empty();
    const auto places = Precision::decimalsFor(options.precision);
    out.radians = (negative ? "-" : "") + NumberText::fixedResult(radians, places.radians, comma);
    result.append = (negative ? "-" : "") + NumberText::plain(d) + "\u00B0 " +
                    NumberText::plain(m) + "' " + NumberText::plain(s) + "\" = " + out.radians +
                    " radians\r\n";
    result.outputToComma = comma;
    return result;
}

} // namespace Operations
