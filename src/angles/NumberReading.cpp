#include "NumberReading.h"

#include "Decimal.h"

#include <string>

namespace NumberReading {

namespace {

// Exponents beyond this make any mantissa infinite or zero; saturating keeps the sum in range.
constexpr long long ExponentCap = 1'000'000'000;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int digitValue(char c) {
    if (isDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return 99;
}

// Blanks may stand anywhere inside the leading number, so they are simply left out.
std::string withoutBlanks(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (const char c : text) {
        if (!isBlank(c)) {
            result.push_back(c);
        }
    }
    return result;
}

double readWhole(std::string_view digits, int base) {
    double value = 0.0;
    for (const char c : digits) {
        const int digit = digitValue(c);
        if (digit >= base) {
            break;
        }
        value = value * base + digit;
    }
    return value;
}

} // namespace

std::optional<double> readLeadingNumberIfAny(std::string_view text) {
    const std::string s = withoutBlanks(text);
    if (s.size() >= 2 && s[0] == '&') {
        const int base = s[1] == 'H' || s[1] == 'h' ? 16 : s[1] == 'O' || s[1] == 'o' ? 8 : 0;
        if (s.size() < 3 || digitValue(s[2]) >= base) {
            return std::nullopt;
        }
        return readWhole(std::string_view(s).substr(2), base);
    }
    std::size_t i = 0;
    Decimal::Digits number;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        number.negative = s[i] == '-';
        ++i;
    }
    for (; i < s.size() && isDigit(s[i]); ++i) {
        number.digits.push_back(s[i]);
    }
    number.point = static_cast<long long>(number.digits.size());
    if (i < s.size() && s[i] == '.') {
        for (++i; i < s.size() && isDigit(s[i]); ++i) {
            number.digits.push_back(s[i]);
        }
    }
    if (number.digits.empty()) {
        return std::nullopt;
    }
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            negativeExponent = s[j] == '-';
            ++j;
        }
        long long exponent = 0;
        bool anyDigit = false;
        for (; j < s.size() && isDigit(s[j]); ++j) {
            anyDigit = true;
            if (exponent < ExponentCap) {
                exponent = exponent * 10 + (s[j] - '0');
            }
        }
        if (anyDigit) {
            number.point += negativeExponent ? -exponent : exponent;
        }
    }
    return Decimal::toDouble(number);
}

double readLeadingNumber(std::string_view text) {
    return readLeadingNumberIfAny(text).value_or(0.0);
}

double readPlainDecimal(std::string_view digitsAndPoint) {
    Decimal::Digits number;
    bool seenPoint = false;
    for (const char c : digitsAndPoint) {
        if (c == '.' && !seenPoint) {
            seenPoint = true;
            number.point = static_cast<long long>(number.digits.size());
        } else if (isDigit(c)) {
            number.digits.push_back(c);
        } else {
            break;
        }
    }
    if (!seenPoint) {
        number.point = static_cast<long long>(number.digits.size());
    }
    return Decimal::toDouble(number);
}

} // namespace NumberReading
