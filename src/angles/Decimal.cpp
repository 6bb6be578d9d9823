#include "Decimal.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace Decimal {

namespace {

// Beyond these the value is surely infinite or zero as a double (its range is about 1e±308).
constexpr long long MaxPoint = 400;
constexpr long long MinPoint = -400;
// More digits than a double can ever need to decide its rounding; the rest only counts as
// "something non-zero follows".
constexpr std::size_t MaxDigits = 800;

Digits zero(bool negative) {
    return Digits{negative, {}, 0};
}

} // namespace

Digits normalised(Digits value) {
    const auto first = value.digits.find_first_not_of('0');
    if (first == std::string::npos) {
        return zero(value.negative);
    }
    value.digits.erase(0, first);
    value.point -= static_cast<long long>(first);
    value.digits.erase(value.digits.find_last_not_of('0') + 1);
    return value;
}

Digits shortest(double value) {
    char buffer[64];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    if (ec != std::errc{} || !std::isfinite(value)) {
        return zero(std::signbit(value));
    }
    Digits result{std::signbit(value), {}, 0};
    const char *p = buffer;
    if (*p == '-') {
        ++p;
    }
    for (; p != end && *p != 'e'; ++p) {
        if (*p != '.') {
            result.digits.push_back(*p);
        }
    }
    int exponent = 0;
    if (p != end) {
        ++p;
        if (*p == '+') {
            ++p;
        }
        // to_chars wrote these exponent digits itself: no user text reaches this parse.
        std::from_chars(p, end, exponent);
    }
    result.point = exponent + 1;
    return normalised(std::move(result));
}

Digits roundedAt(Digits value, long long decimals) {
    value = normalised(std::move(value));
    const long long size = static_cast<long long>(value.digits.size());
    const long long keep = value.point + decimals;
    if (keep >= size) {
        return value;
    }
    if (keep < 0) {
        return zero(value.negative);
    }
    const auto cut = static_cast<std::size_t>(keep);
    const char first = value.digits[cut];
    // Trailing zeros are gone, so a 5 that is the last digit is an exact half.
    const bool exactHalf = first == '5' && cut + 1 == value.digits.size();
    const bool previousOdd = cut > 0 && (value.digits[cut - 1] - '0') % 2 == 1;
    const bool up = first > '5' || (first == '5' && !exactHalf) || (exactHalf && previousOdd);
    value.digits.resize(cut);
    if (up) {
        auto i = value.digits.size();
        while (i > 0 && value.digits[i - 1] == '9') {
            value.digits[--i] = '0';
        }
        if (i == 0) {
            value.digits.insert(value.digits.begin(), '1');
            ++value.point;
        } else {
            ++value.digits[i - 1];
        }
    }
    return normalised(std::move(value));
}

Digits roundedToSignificant(Digits value, int significant) {
    value = normalised(std::move(value));
    if (value.digits.empty()) {
        return value;
    }
    const long long decimals = significant - value.point;
    return roundedAt(std::move(value), decimals);
}

double toDouble(const Digits &value) {
    const Digits d = normalised(value);
    const double sign = d.negative ? -1.0 : 1.0;
    // from_chars below would read "inf" or "nan" as such: only decimal digits get that far.
    if (d.digits.find_first_not_of("0123456789") != std::string::npos) {
        return sign * 0.0;
    }
    if (d.digits.empty() || d.point < MinPoint) {
        return sign * 0.0;
    }
    if (d.point > MaxPoint) {
        return sign * std::numeric_limits<double>::infinity();
    }
    std::string text = d.digits.substr(0, MaxDigits);
    if (d.digits.size() > MaxDigits) {
        text.push_back('1');
    }
    const long long exponent = d.point - static_cast<long long>(text.size());
    text += 'e';
    text += std::to_string(exponent);
    // Digits and a decimal exponent only: no sign, "0x", "inf", "nan" or separator, and
    // from_chars never follows the locale.
    double result = 0.0;
    const auto [end, ec] =
        std::from_chars(text.data(), text.data() + text.size(), result, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        result = d.point > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return sign * result;
}

} // namespace Decimal
