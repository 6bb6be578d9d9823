#include "ExactModel.h"

#include <boost/multiprecision/cpp_int.hpp>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string_view>

namespace ExactModel {

namespace {

using boost::multiprecision::cpp_int;
using Q = boost::multiprecision::cpp_rational;

// Raised where the rules leave the answer open; the model then decides nothing.
struct Open : std::runtime_error {
    using std::runtime_error::runtime_error;
};

const Q Half = Q(1) / 2;

Q powerOf10(long long n) {
    cpp_int p = 1;
    for (long long i = 0; i < (n < 0 ? -n : n); ++i) {
        p *= 10;
    }
    return n < 0 ? Q(cpp_int(1), p) : Q(p);
}

Q powerOf2(long long n) {
    return n < 0 ? Q(cpp_int(1), cpp_int(1) << static_cast<unsigned>(-n))
                 : Q(cpp_int(1) << static_cast<unsigned>(n));
}

cpp_int floorOf(const Q &value) {
    cpp_int whole = boost::multiprecision::numerator(value) /
                    boost::multiprecision::denominator(value); // towards zero
    if (value < 0 && Q(whole) != value) {
        whole -= 1;
    }
    return whole;
}

// The exact value of a finite double.
Q exact(double value) {
    int exponent = 0;
    const double mantissa = std::frexp(value, &exponent);
    const auto whole = static_cast<long long>(std::ldexp(mantissa, 53));
    return Q(cpp_int(whole)) * powerOf2(exponent - 53);
}

// The double nearest to an exact value, a tie going to the even neighbour: what every double
// operation and every correct reading of a decimal gives.
double nearest(const Q &value) {
    if (value == 0) {
        return 0.0;
    }
    const bool negative = value < 0;
    const Q size = negative ? Q(-value) : value;
    // Scale the size into [2^52, 2^53): its whole part is then the significand.
    long long shift = 52 - (static_cast<long long>(msb(boost::multiprecision::numerator(size))) -
                            static_cast<long long>(msb(boost::multiprecision::denominator(size))));
    Q scaled = size * powerOf2(shift);
    while (scaled >= powerOf2(53)) {
        --shift;
        scaled = size * powerOf2(shift);
    }
    while (scaled < powerOf2(52)) {
        ++shift;
        scaled = size * powerOf2(shift);
    }
    if (shift > 1074) { // below the normal range: the last bit is 2^-1074
        shift = 1074;
        scaled = size * powerOf2(shift);
    }
    cpp_int significand = floorOf(scaled);
    const Q rest = scaled - Q(significand);
    if (rest > Half || (rest == Half && (significand & 1) != 0)) {
        significand += 1;
    }
    if (significand == 0) { // below half the smallest double
        return negative ? -0.0 : 0.0;
    }
    if (-shift + static_cast<long long>(msb(significand)) > 1023) {
        throw Open("a number too large for a double");
    }
    const double result = std::ldexp(significand.convert_to<double>(), static_cast<int>(-shift));
    return negative ? -result : result;
}

// The double arithmetic that the operations prescribe, one rounding per operation; a zero
// result keeps the sign that IEEE arithmetic gives it.
double add(double a, double b) {
    const Q sum = exact(a) + exact(b);
    return sum == 0 ? (std::signbit(a) && std::signbit(b) ? -0.0 : 0.0) : nearest(sum);
}
double subtract(double a, double b) {
    return add(a, -b);
}
double zeroSigned(double result, double a, double b) {
    return result == 0 && std::signbit(a) != std::signbit(b) ? -0.0 : result;
}
double multiply(double a, double b) {
    return zeroSigned(nearest(exact(a) * exact(b)), a, b);
}
double divide(double a, double b) {
    return zeroSigned(nearest(exact(a) / exact(b)), a, b);
}

// The constants enter the double arithmetic as the doubles nearest to them as written.
const double FullTurn = nearest(Q(cpp_int(628318530717959)) / powerOf10(14));
const double SnapCeiling = nearest(Q(62832) / 10000);
const double DegreeNudge = nearest(Q(1) / 100000);

// Round(v, n): n decimals, an exact half to the even neighbour. When a decimal half at n
// decimals reads as this very double without being its exact value, "exact half" has two
// readings (the typed decimal's or the double's), and the rules do not choose.
double Round(double value, int decimals) {
    const Q scale = powerOf10(decimals);
    const Q scaled = exact(value) * scale;
    cpp_int whole = floorOf(scaled);
    const Q rest = scaled - Q(whole);
    if (rest != Half && nearest((Q(whole) + Half) / scale) == value) {
        throw Open("a decimal half at Round that is no exact half as a double");
    }
    if (rest > Half || (rest == Half && (whole & 1) != 0)) {
        whole += 1;
    }
    return nearest(Q(whole) / scale);
}

// The fixed-decimals text: the exact value rounded at the k-th decimal, written with k
// decimals, a "0" before the point, "." as separator and a "-" for negative values.
std::string fixed(double value, int decimals) {
    const Q scaled = (value < 0 ? -exact(value) : exact(value)) * powerOf10(decimals);
    cpp_int units = floorOf(scaled);
    const Q rest = scaled - Q(units);
    if (rest == Half) {
        throw Open("an exact binary half at the fixed-decimals text");
    }
    if (rest > Half) {
        units += 1;
    }
    if (std::signbit(value) && units == 0) {
        throw Open("the sign of a negative value that shows as zero");
    }
    std::string digits = units.str();
    if (digits.size() < static_cast<std::size_t>(decimals) + 1) {
        digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
    }
    const std::size_t point = digits.size() - static_cast<std::size_t>(decimals);
    std::string text = (value < 0 ? "-" : "") + digits.substr(0, point);
    if (decimals > 0) {
        text += "." + digits.substr(point);
    }
    return text;
}

// The plain number text: at most 15 significant digits, no trailing zeros, no "0" before the
// point, "-" for negative values.
std::string plain(double value) {
    if (value == 0) {
        return "0";
    }
    const Q size = value < 0 ? Q(-exact(value)) : exact(value);
    if (size < Q(1) / 1000) {
        throw Open("the plain text of a very small value: exponent or decimal form");
    }
    // Scale so that the whole part has exactly 15 digits.
    long long shift = 0;
    while (size * powerOf10(shift) >= powerOf10(15)) {
        --shift;
    }
    while (size * powerOf10(shift) < powerOf10(14)) {
        ++shift;
    }
    const Q scale = powerOf10(shift);
    const Q scaled = size * scale;
    cpp_int units = floorOf(scaled);
    const Q rest = scaled - Q(units);
    if (rest == Half || nearest((Q(units) + Half) / scale) == std::fabs(value)) {
        throw Open("a half at the 15th significant digit of the plain text");
    }
    if (rest > Half) {
        units += 1;
    }
    std::string digits = units.str();
    std::string whole;
    std::string fraction;
    if (shift <= 0) {
        whole = digits + std::string(static_cast<std::size_t>(-shift), '0');
    } else {
        if (digits.size() < static_cast<std::size_t>(shift)) {
            digits.insert(0, static_cast<std::size_t>(shift) - digits.size(), '0');
        }
        whole = digits.substr(0, digits.size() - static_cast<std::size_t>(shift));
        fraction = digits.substr(digits.size() - static_cast<std::size_t>(shift));
        while (!fraction.empty() && fraction.back() == '0') {
            fraction.pop_back();
        }
    }
    std::string text = (value < 0 ? "-" : "") + whole;
    if (!fraction.empty()) {
        text += "." + fraction;
    }
    return text;
}

std::string AddLeadingZero(const std::string &text) {
    return !text.empty() && text.front() == '.' ? "0" + text : text;
}

std::string replaced(std::string text, char from, char to) {
    for (char &c : text) {
        if (c == from) {
            c = to;
        }
    }
    return text;
}

std::string separated(const std::string &text, bool comma) {
    return comma ? replaced(text, '.', ',') : replaced(text, ',', '.');
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Lenient reading: blanks, tabs and line feeds skipped anywhere; then a sign, digits, one
// point and an exponent, or &H / &O with a hexadecimal / octal whole number; else 0.
double readLeading(std::string_view typed) {
    std::string s;
    for (const char c : typed) {
        if (c != ' ' && c != '\t' && c != '\n') {
            s.push_back(c);
        }
    }
    if (s.size() >= 2 && s[0] == '&') {
        const char kind = s[1];
        const int base = kind == 'H' || kind == 'h' ? 16 : kind == 'O' || kind == 'o' ? 8 : 0;
        cpp_int whole = 0;
        for (std::size_t i = 2; base != 0 && i < s.size(); ++i) {
            const char c = s[i];
            const int digit = isDigit(c)             ? c - '0'
                              : c >= 'a' && c <= 'f' ? c - 'a' + 10
                              : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                     : 99;
            if (digit >= base) {
                break;
            }
            whole = whole * base + digit;
        }
        return nearest(Q(whole));
    }
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    cpp_int digits = 0;
    long long count = 0;
    long long exponent = 0;
    for (; i < s.size() && isDigit(s[i]); ++i, ++count) {
        digits = digits * 10 + (s[i] - '0');
    }
    if (i < s.size() && s[i] == '.') {
        for (++i; i < s.size() && isDigit(s[i]); ++i, ++count) {
            digits = digits * 10 + (s[i] - '0');
            --exponent;
        }
    }
    if (count == 0) {
        return 0.0;
    }
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        std::size_t j = i + 1;
        const bool down = j < s.size() && s[j] == '-';
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            ++j;
        }
        long long written = 0;
        bool any = false;
        for (; j < s.size() && isDigit(s[j]); ++j) {
            any = true;
            written = std::min<long long>(written * 10 + (s[j] - '0'), 100'000);
        }
        if (any) {
            exponent += down ? -written : written;
        }
    }
    if (digits == 0) {
        return 0.0;
    }
    // Far beyond the range of a double either way; keeps the exact powers small.
    if (exponent + count > 400) {
        throw Open("a number too large for a double");
    }
    if (exponent + count < -400) {
        return 0.0;
    }
    const Q value = Q(digits) * powerOf10(exponent);
    return nearest(negative ? Q(-value) : value);
}

// Snap: sizes from the full turn up to 6.2832 are the full turn.
double snapped(double x) {
    return x >= FullTurn && x <= SnapCeiling ? FullTurn : x;
}

struct Units {
    long long deg = 0;
    long long min = 0;
    long long sec = 0;
};

long long wholePart(double value) {
    return floorOf(exact(value)).convert_to<long long>();
}

long long roundWhole(double value) {
    return wholePart(Round(value, 0));
}

void carry(Units &u) {
    if (u.sec == 60) {
        u.sec = 0;
        ++u.min;
        if (u.min == 60) {
            u.min = 0;
            ++u.deg;
        }
    }
    if (u.min == 60) {
        u.min = 0;
        ++u.deg;
    }
}

double toDegrees(double radians) {
    return multiply(divide(radians, FullTurn), 360); // divide first, then multiply
}

Units fieldUnits(double x, bool roundToMinutes) {
    const double d = toDegrees(x);
    Units u;
    u.deg = wholePart(d);
    const double fraction = subtract(d, static_cast<double>(u.deg));
    if (roundToMinutes) {
        u.min = roundWhole(multiply(fraction, 60));
    } else {
        const double m = multiply(fraction, 60);
        u.min = wholePart(m);
        u.sec = roundWhole(multiply(subtract(m, static_cast<double>(u.min)), 60));
    }
    carry(u);
    return u;
}

std::string Rad2DegMin(double radians) { // (x, false, false, true, false)
    const bool negative = radians < 0;
    const double r = std::fabs(radians);
    const double d = toDegrees(r);
    long long wd = wholePart(add(d, DegreeNudge));
    long long wm = roundWhole(multiply(subtract(d, static_cast<double>(wd)), 60));
    if (wm == 60) {
        if (wd == 359) {
            wm = 59;
        } else {
            wm = 0;
            ++wd;
        }
    }
    const std::string text = std::to_string(wd) + "\u00B0" + std::to_string(wm) + "'";
    return negative ? "-" + text : text;
}

std::string Rad2DegMinSec(double radians) { // (x, true)
    const bool negative = radians < 0;
    const Units u = fieldUnits(std::fabs(radians), false);
    const std::string text = std::to_string(u.deg) + "\u00B0 " + std::to_string(u.min) + "' " +
                             std::to_string(u.sec) + "\"";
    return negative ? "-" + text : text;
}

std::string decimalMinutes(double x, int decimals, bool comma) {
    const double d = toDegrees(std::fabs(x));
    const double wd = static_cast<double>(wholePart(add(d, DegreeNudge)));
    const double m = multiply(subtract(d, wd), 60);
    if (m < 0) {
        throw Open("minutes below zero after the degree nudge");
    }
    const std::string minutes = fixed(m, decimals);
    if (minutes.starts_with("60")) {
        throw Open("decimal minutes that show as 60");
    }
    return (x < 0 ? "-" : "") + std::to_string(static_cast<long long>(wd)) + "\u00B0" +
           separated(AddLeadingZero(minutes), comma) + "'";
}

std::string fixedResult(double value, int decimals, bool comma) {
    return separated(AddLeadingZero(fixed(value, decimals)), comma);
}

Outcome unchanged(const Case &in) {
    return Outcome{in.radians, in.toAdd,  in.degrees, in.minutes, in.seconds,
                   in.sign,    in.output, {},         {}};
}

template <typename Run> Outcome modelled(const Case &in, Run run) {
    Outcome out = unchanged(in);
    try {
        run(out);
    } catch (const Open &open) {
        out.open = open.what();
    }
    return out;
}

std::string trimmedBlanks(const std::string &text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A degrees, minutes or seconds field: digits and at most one separator, "," when the field
// holds one. Returns -1 and sets `invalid` otherwise.
double angleField(const std::string &text, bool &invalid, bool &comma) {
    comma = text.find(',') != std::string::npos;
    const char separator = comma ? ',' : '.';
    int separators = 0;
    for (const char c : text) {
        if (c == separator) {
            ++separators;
        } else if (!isDigit(c)) {
            invalid = true;
            return -1;
        }
    }
    if (separators > 1) {
        invalid = true;
        return -1;
    }
    cpp_int digits = 0;
    long long exponent = 0;
    bool after = false;
    for (const char c : text) {
        if (c == separator) {
            after = true;
        } else {
            digits = digits * 10 + (c - '0');
            exponent -= after ? 1 : 0;
        }
    }
    return nearest(Q(digits) * powerOf10(exponent));
}

} // namespace

Outcome radiansToDegrees(const Case &in) {
    return modelled(in, [&](Outcome &out) {
        if (in.radians.empty()) {
            return;
        }
        const bool comma = in.radians.find(',') != std::string::npos;
        const double value = readLeading(replaced(in.radians, ',', '.'));
        const bool negative = value < 0;
        double x = snapped(std::fabs(value));
        if (x > FullTurn) {
            out.message = "Radians out of range | Radians to degrees";
            return;
        }
        const int p = in.precision;
        x = snapped(Round(x, p));
        out.radians = (negative ? "-" : "") + fixedResult(x, p - 1, comma);
        const Units u = fieldUnits(x, in.roundToMinutes);
        out.degrees = std::to_string(u.deg);
        out.minutes = std::to_string(u.min);
        out.seconds = in.roundToMinutes ? "" : std::to_string(u.sec);
        out.sign = negative ? "-" : "";
        const double signedX = negative ? -x : x;
        std::string valuePart;
        if (in.decimalOutput && !in.decimalMinutes) {
            valuePart = fixedResult(toDegrees(signedX), p - 2, comma) + "\u00B0";
        } else if (in.decimalOutput) {
            valuePart = decimalMinutes(signedX, p - 4, comma);
        } else if (in.roundToMinutes) {
            valuePart = Rad2DegMin(signedX);
        } else {
            valuePart = Rad2DegMinSec(signedX);
        }
        out.output += out.radians + " radians = " + valuePart + "\r\n";
    });
}

Outcome degreesToRadians(const Case &in) {
    return modelled(in, [&](Outcome &out) {
        out.degrees = trimmedBlanks(in.degrees);
        out.minutes = trimmedBlanks(in.minutes);
        out.seconds = trimmedBlanks(in.seconds);
        if (out.degrees.empty() && out.minutes.empty() && out.seconds.empty()) {
            return;
        }
        bool invalid = false;
        bool comma = false;
        bool unused = false;
        for (std::string *field : {&out.degrees, &out.minutes, &out.seconds}) {
            if (field->empty()) {
                *field = "0";
            }
        }
        const double d = angleField(out.degrees, invalid, comma);
        const double m = angleField(out.minutes, invalid, unused);
        const double s = angleField(out.seconds, invalid, unused);
        const char *title = " | Degrees to radians";
        if (invalid) {
            out.message = std::string("Invalid input for degrees, minutes or seconds.") + title;
            return;
        }
        if (d < 0 || d > 360 || (d == 360 && (m > 0 || s > 0))) {
            out.message = std::string("Degrees out of range") + title;
            return;
        }
        if (m < 0 || m > 59) {
            out.message = std::string("Minutes out of range") + title;
            return;
        }
        if (s < 0 || s > 59) {
            out.message = std::string("Seconds out of range") + title;
            return;
        }
        double t = add(d, divide(m, 60));
        t = add(t, divide(s, 3600));
        const double radians = multiply(divide(t, 360), FullTurn);
        const std::string r = AddLeadingZero(fixed(radians, in.precision - 1));
        const bool negative = !in.sign.empty();
        out.radians = separated(negative ? "-" + r : r, comma);
        std::string text = in.output + (negative ? "-" : "");
        text += plain(d) + "\u00B0 " + plain(m) + "' " + plain(s) + "\" = " + out.radians +
                " radians\r\n";
        out.output = comma ? replaced(text, '.', ',') : text;
    });
}

Outcome plusMinus(int index, const Case &in) {
    return modelled(in, [&](Outcome &out) {
        if (index == 2) {
            out.toAdd = in.radians;
            out.radians.clear();
            return;
        }
        if (in.toAdd.empty()) {
            return;
        }
        const std::string title = index == 0 ? " | Add" : " | Subtract'";
        if (out.radians.empty()) {
            out.radians = "0";
        }
        const bool comma = out.radians.find(',') != std::string::npos;
        double x = readLeading(replaced(out.radians, ',', '.'));
        if (x < -FullTurn || x > FullTurn) {
            out.message = "Radians out of range" + title;
            return;
        }
        const int decimals = in.precision - 1;
        x = Round(x, decimals);
        out.radians = separated(AddLeadingZero(plain(x)), comma);
        const std::string first = out.radians;
        double y = readLeading(comma ? replaced(in.toAdd, ',', '.') : in.toAdd);
        if (y < -FullTurn || y > FullTurn) {
            out.message = "Second value out of range" + title;
            return;
        }
        y = Round(y, decimals);
        out.toAdd = separated(AddLeadingZero(plain(y)), comma);
        double z = index == 0 ? add(x, y) : subtract(x, y);
        while (z < 0) {
            z = add(z, FullTurn);
        }
        while (z >= FullTurn) {
            z = subtract(z, FullTurn);
        }
        z = Round(z, decimals);
        out.radians = fixedResult(z, decimals, comma);
        if (in.showPlusMinus) {
            out.output += "(" + first + (index == 0 ? " + " : " - ") + out.toAdd +
                          ") mod 2pi = " + out.radians + "\r\n";
        }
    });
}

} // namespace ExactModel
