#include "NumberText.h"

#include "Decimal.h"
#include "StrProc.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace NumberText {

namespace {

// More decimals than any result shows; bounds the text of a fixed-decimals value.
constexpr int MaxDecimals = 40;

// The digits of a whole part and a fraction as they stand around the point; either may be
// empty.
struct Positional {
    std::string whole;
    std::string fraction;
};

Positional split(const Decimal::Digits &value) {
    const auto &digits = value.digits;
    const long long size = static_cast<long long>(digits.size());
    if (value.point <= 0) {
        return {{}, std::string(static_cast<std::size_t>(-value.point), '0') + digits};
    }
    if (value.point >= size) {
        return {digits + std::string(static_cast<std::size_t>(value.point - size), '0'), {}};
    }
    const auto cut = static_cast<std::size_t>(value.point);
    return {digits.substr(0, cut), digits.substr(cut)};
}

} // namespace

std::string fixed(double value, int decimals) {
    if (!std::isfinite(value)) {
        return {};
    }
    decimals = std::clamp(decimals, 0, MaxDecimals);
    // The double's exact binary value is rounded here, not the decimal the user typed: after
    // Round the value is rarely an exact half as a double, and its true side decides.
    std::array<char, 320 + MaxDecimals> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::fixed, decimals)
                         .ptr;
    std::string text(buffer.data(), end);
    // A value that shows as zero gets no sign: -0.0000001 at 5 decimals is 0.00000.
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) {
        text.erase(0, 1);
    }
    return text;
}

std::string AddLeadingZero(std::string_view text) {
    if (!text.empty() && text.front() == '.') {
        return "0" + std::string(text);
    }
    return std::string(text);
}

std::string normaliseSeparator(std::string_view text, bool commaMode) {
    return commaMode ? StrProc::replaceAll(text, ".", ",") : StrProc::replaceAll(text, ",", ".");
}

std::string fixedResult(double value, int decimals, bool commaMode) {
    return normaliseSeparator(AddLeadingZero(fixed(value, decimals)), commaMode);
}

std::string plain(double value) {
    if (!std::isfinite(value)) {
        return {};
    }
    const auto rounded = Decimal::roundedToSignificant(Decimal::shortest(value), 15);
    if (rounded.digits.empty()) {
        return "0";
    }
    const auto [whole, fraction] = split(rounded);
    std::string text = rounded.negative ? "-" : "";
    text += whole;
    if (!fraction.empty()) {
        text += '.';
        text += fraction;
    }
    return text;
}

std::string whole(long long value) {
    return std::to_string(value);
}

} // namespace NumberText
