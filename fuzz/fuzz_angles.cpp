// Any text in any field with any options: the readers and the three operations must neither
// crash nor let an out-of-range, infinite or malformed value reach a field or the output, and
// every text they write must be the one the exact model of the tests gives.
#include "ModelComparison.h"
#include "NumberReading.h"
#include "NumberText.h"
#include "Operations.h"
#include "Rad2Deg.h"
#include "Rounding.h"
#include "StrProc.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace {

#define CHECK(condition)                                                                           \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            __builtin_trap();                                                                      \
        }                                                                                          \
    } while (false)

// Sizes from the full turn up to this are taken as the full turn, so a rewritten radians
// text may read back as much as this.
constexpr double SnapCeiling = 6.2832;
constexpr std::size_t RadiansLength = 13;

bool contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

// A text the program wrote itself: no infinity or NaN spelled out in it.
void checkWritten(std::string_view text) {
    CHECK(!contains(text, "inf") && !contains(text, "nan"));
}

double readBack(const std::string &text) {
    return NumberReading::readLeadingNumber(StrProc::replaceAll(text, ",", "."));
}

void checkRadiansText(const std::string &text) {
    checkWritten(text);
    CHECK(text.size() <= RadiansLength);
    CHECK(std::fabs(readBack(text)) <= SnapCeiling);
}

void checkWholeField(const std::string &text, long long low, long long high) {
    CHECK(!text.empty() && text.size() <= 3);
    const double value = NumberReading::readLeadingNumber(text);
    CHECK(value >= static_cast<double>(low) && value <= static_cast<double>(high));
}

void checkAppend(const std::string &append) {
    checkWritten(append);
    CHECK(append.empty() || append.ends_with("\r\n"));
    CHECK(StrProc::CountOccurrences(append, "\r\n") <= 1);
}

void checkNumbers(std::string_view text, int decimals) {
    const double value = NumberReading::readLeadingNumber(text);
    CHECK(!std::isnan(value));
    if (!std::isfinite(value) || std::fabs(value) > 1e15) {
        return;
    }
    const double rounded = Rounding::Round(value, decimals);
    CHECK(Rounding::Round(rounded, decimals) == rounded);
    // Within half a unit of the last decimal, give or take the binary error of both values.
    const double slack = 4 * std::numeric_limits<double>::epsilon() * std::fabs(value);
    CHECK(std::fabs(rounded - value) <= 0.5 * std::pow(10.0, -decimals) + slack);
    // The fixed text rounds the double's exact value, so it may leave a typed decimal half on
    // the other side than Round does; both stay within half a unit.
    const std::string fixed = NumberText::fixed(value, decimals);
    const double shown = NumberReading::readLeadingNumber(fixed);
    CHECK(std::fabs(shown - value) <= 0.5 * std::pow(10.0, -decimals) + slack);
    CHECK(fixed.front() != '-' || shown != 0);
    const std::string plain = NumberText::plain(value);
    CHECK(!contains(plain, "e") && plain != "-0");
    // 15 significant digits: within half a unit of the 15th digit.
    CHECK(std::fabs(NumberReading::readLeadingNumber(plain) - value) <= std::fabs(value) * 1e-14);
}

void checkRadiansToDegrees(const Fields &in, const OutputOptions &options) {
    const auto result = Operations::radiansToDegrees(in, options);
    CHECK(!result.outputToComma);
    checkAppend(result.append);
    if (in.radians.empty() || result.message) {
        CHECK(result.append.empty());
        CHECK(result.fields.radians == in.radians && result.fields.degrees == in.degrees);
        CHECK(!result.message || (result.message->focus == Field::Radians &&
                                  result.message->text == "Radians out of range"));
        return;
    }
    const auto &out = result.fields;
    checkRadiansText(out.radians);
    checkWholeField(out.degrees, 0, 360);
    checkWholeField(out.minutes, 0, 59);
    if (options.roundToMinutes) {
        CHECK(out.seconds.empty());
    } else {
        checkWholeField(out.seconds, 0, 59);
    }
    CHECK(out.sign.empty() || out.sign == "-");
    CHECK(result.append.starts_with(out.radians + " radians = "));
    // The value part has its sign in front only: never a "-" inside the minutes.
    const auto degreeSign = result.append.find("\u00B0");
    CHECK(degreeSign != std::string::npos);
    CHECK(!contains(std::string_view(result.append).substr(degreeSign), "-"));
    // Minutes and seconds, whole or decimal, never show 60 or more.
    const std::string line = StrProc::replaceAll(result.append, ",", ".");
    for (std::size_t at = 0; at < line.size(); ++at) {
        const std::size_t mark = line[at] == '\'' ? 1 : line.compare(at, 2, "\u00B0") == 0 ? 2 : 0;
        if (mark > 0) {
            const double part = NumberReading::readLeadingNumber(line.substr(at + mark));
            CHECK(part >= 0 && part < 60);
        }
    }
}

void checkDegreesToRadians(const Fields &in, const OutputOptions &options) {
    const auto result = Operations::degreesToRadians(in, options);
    checkAppend(result.append);
    const auto &out = result.fields;
    const std::size_t lengths[] = {8, 5, 5};
    const std::string *typed[] = {&in.degrees, &in.minutes, &in.seconds};
    const std::string *after[] = {&out.degrees, &out.minutes, &out.seconds};
    for (int i = 0; i < 3; ++i) {
        CHECK(after[i]->size() <= std::max<std::size_t>(typed[i]->size(), 1));
        if (typed[i]->size() <= lengths[i]) {
            CHECK(after[i]->size() <= lengths[i]);
        }
        CHECK(after[i]->empty() || (after[i]->front() != ' ' && after[i]->back() != ' '));
    }
    if (result.message || result.append.empty()) {
        CHECK(out.radians == in.radians && result.append.empty());
        return;
    }
    checkRadiansText(out.radians);
    CHECK(out.radians.front() != '-' || !in.sign.empty());
}

void checkPlusMinus(int index, const Fields &in, const OutputOptions &options) {
    const auto result = Operations::plusMinus(index, in, options);
    CHECK(!result.outputToComma);
    checkAppend(result.append);
    const auto &out = result.fields;
    if (index == 2) {
        CHECK(out.toAdd == in.radians && out.radians.empty());
        return;
    }
    if (in.radians.size() <= RadiansLength && in.toAdd.size() <= RadiansLength) {
        CHECK(out.radians.size() <= RadiansLength && out.toAdd.size() <= RadiansLength);
    }
    if (in.toAdd.empty()) {
        CHECK(out.radians == in.radians && result.append.empty() && !result.message);
        return;
    }
    if (result.message) {
        CHECK(result.append.empty());
        return;
    }
    checkRadiansText(out.radians);
    checkRadiansText(out.toAdd);
    const double z = readBack(out.radians);
    CHECK(z >= 0 && z <= SnapCeiling);
    CHECK(!options.showPlusMinus || result.append.starts_with("("));
}

// Inputs held against the model, and those it stepped aside from, by open point.
struct ModelCounts {
    long long compared = 0;
    std::map<std::string, long long> open;

    ~ModelCounts() {
        std::fprintf(stderr, "model: %lld comparisons (each input feeds up to three operations)\n", compared);
        for (const auto &[point, count] : open) {
            std::fprintf(stderr, "model: %lld skipped, open point: %s\n", count, point.c_str());
        }
    }
};
ModelCounts counts;

void checkAgainstModel(ModelComparison::Operation operation, const Fields &in,
                       const OutputOptions &options) {
    ExactModel::Case c{in.radians,
                       in.toAdd,
                       in.degrees,
                       in.minutes,
                       in.seconds,
                       in.sign,
                       options.precision,
                       options.decimalOutput,
                       options.decimalUnit == DecimalUnit::Minutes,
                       options.roundToMinutes,
                       options.showPlusMinus,
                       "0.5 radians = 28.64789\u00B0\r\n"};
    const auto verdict = ModelComparison::compare(operation, c);
    if (!verdict.open.empty()) {
        ++counts.open[verdict.open];
        return;
    }
    ++counts.compared;
    if (!verdict.mismatch.empty()) {
        std::fprintf(stderr, "%s\n%s", ModelComparison::describe(operation, c).c_str(),
                     verdict.mismatch.c_str());
        __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    OutputOptions options;
    options.precision = static_cast<std::int16_t>(5 + (data[0] & 3));
    options.decimalOutput = (data[0] & 4) != 0;
    options.decimalUnit = (data[0] & 8) != 0 ? DecimalUnit::Minutes : DecimalUnit::Degrees;
    options.roundToMinutes = (data[0] & 16) != 0;
    options.showPlusMinus = (data[0] & 32) != 0;
    const int index = data[1] % 3;

    const std::string_view rest(reinterpret_cast<const char *>(data + 2), size - 2);
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t bar = rest.find('|'); parts.size() < 5; bar = rest.find('|', start)) {
        parts.emplace_back(rest.substr(start, bar == std::string_view::npos ? bar : bar - start));
        if (bar == std::string_view::npos) {
            break;
        }
        start = bar + 1;
    }
    parts.resize(5);
    Fields fields{parts[0], parts[1], parts[2], parts[3], parts[4], (data[1] & 8) ? "-" : ""};

    for (const auto &text : parts) {
        checkNumbers(text, options.precision);
        bool invalid = false;
        bool comma = false;
        const double value = Operations::ParseAngleField(text, invalid, comma);
        CHECK(invalid ? value == -1 : (value >= 0 && !std::isnan(value)));
        CHECK(comma == contains(text, ","));
    }
    checkRadiansToDegrees(fields, options);
    checkDegreesToRadians(fields, options);
    checkPlusMinus(index, fields, options);

    using ModelComparison::Operation;
    checkAgainstModel(Operation::RadiansToDegrees, fields, options);
    checkAgainstModel(Operation::DegreesToRadians, fields, options);
    if (index < 2) {
        checkAgainstModel(index == 0 ? Operation::Add : Operation::Subtract, fields, options);
    }
    return 0;
}
