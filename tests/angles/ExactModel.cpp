#include "ExactModel.h"

#include <algorithm>
#include <boost/multiprecision/cpp_int.hpp>
#include <cmath>
#include <iterator>
#include <regex>
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
    const cpp_int p =
        boost::multiprecision::pow(cpp_int(10), static_cast<unsigned>(n < 0 ? -n : n));
    return n < 0 ? Q(cpp_int(1), p) : Q(p);
}

cpp_int floorOf(const Q &value) {
    cpp_int whole = boost::multiprecision::numerator(value) /
                    boost::multiprecision::denominator(value); // towards zero
    if (value < 0 && Q(whole) != value)
        whole -= 1;
    return whole;
}

// The whole number nearest to a value, a tie going to the even neighbour.
cpp_int nearestWhole(const Q &value) {
    cpp_int whole = floorOf(value);
    const Q rest = value - Q(whole);
    if (rest > Half || (rest == Half && (whole & 1) != 0))
        whole += 1;
    return whole;
}

bool isHalf(const Q &value) {
    return value - Q(floorOf(value)) == Half;
}

// The exact value of a finite double: Boost converts it without rounding.
Q exact(double value) {
    return Q(value);
}

// The double nearest to an exact value, a tie going to the even neighbour: what every double
// operation and every correct reading of a decimal gives. Boost's conversion of a rational
// rounds so, below the normal range too.
double nearest(const Q &value) {
    const double result = value.convert_to<double>();
    if (std::isinf(result))
        throw Open("a number too large for a double");
    return result;
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
    if (!isHalf(scaled) && nearest((Q(floorOf(scaled)) + Half) / scale) == value)
        throw Open("a decimal half at Round that is no exact half as a double");
    return nearest(Q(nearestWhole(scaled)) / scale);
}

// units / 10^decimals with that many decimals, at least one digit before the point.
std::string written(const cpp_int &units, long long decimals) {
    std::string digits = units.str();
    const auto places = static_cast<std::size_t>(decimals);
    if (digits.size() <= places)
        digits.insert(0, places + 1 - digits.size(), '0');
    const std::size_t point = digits.size() - places;
    return places > 0 ? digits.substr(0, point) + "." + digits.substr(point) : digits;
}

// The fixed-decimals text: the exact value rounded at the k-th decimal, written with k
// decimals, a "0" before the point, "." as separator and a "-" for negative values.
std::string fixed(double value, int decimals) {
    const Q scaled = (value < 0 ? -exact(value) : exact(value)) * powerOf10(decimals);
    if (isHalf(scaled))
        throw Open("an exact binary half at the fixed-decimals text");
    const cpp_int units = nearestWhole(scaled);
    if (std::signbit(value) && units == 0)
        throw Open("the sign of a negative value that shows as zero");
    return (value < 0 ? "-" : "") + written(units, decimals);
}

// The plain number text: at most 15 significant digits, no trailing zeros, no "0" before the
// point, "-" for negative values.
std::string plain(double value) {
    if (value == 0)
        return "0";
    const Q size = value < 0 ? Q(-exact(value)) : exact(value);
    if (size < Q(1) / 1000)
        throw Open("the plain text of a very small value: exponent or decimal form");
    // Scale so that the whole part has exactly 15 digits.
    long long shift = 0;
    while (size * powerOf10(shift) >= powerOf10(15))
        --shift;
    while (size * powerOf10(shift) < powerOf10(14))
        ++shift;
    const Q scale = powerOf10(shift);
    const Q scaled = size * scale;
    if (isHalf(scaled) || nearest((Q(floorOf(scaled)) + Half) / scale) == std::fabs(value))
        throw Open("a half at the 15th significant digit of the plain text");
    const cpp_int units = nearestWhole(scaled);
    const std::string sign = value < 0 ? "-" : "";
    if (shift <= 0)
        return sign + units.str() + std::string(static_cast<std::size_t>(-shift), '0');
    // No zeros at the end of the fraction, no "0" before the point.
    std::string text = written(units, shift);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.')
        text.pop_back();
    if (text.starts_with("0."))
        text.erase(0, 1);
    return sign + text;
}

std::string AddLeadingZero(const std::string &text) {
    return !text.empty() && text.front() == '.' ? "0" + text : text;
}

std::string replaced(std::string text, char from, char to) {
    std::ranges::replace(text, from, to);
    return text;
}

std::string separated(const std::string &text, bool comma) {
    return comma ? replaced(text, '.', ',') : replaced(text, ',', '.');
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Lenient reading: blanks, tabs and line feeds skipped anywhere; then &H / &O with a hexadecimal /
// octal whole number, or a sign, digits, one point and an exponent with digits; else 0.
double readLeading(std::string_view typed) {
    std::string s;
    std::ranges::copy_if(typed, std::back_inserter(s),
                         [](char c) { return c != ' ' && c != '\t' && c != '\n'; });
    static const std::regex based("^&(?:[Hh]([0-9A-Fa-f]*)|[Oo]([0-7]*))");
    static const std::regex decimal(R"(^([+-]?)(\d*)(?:\.(\d*))?(?:[Ee]([+-]?)(\d+))?)");
    std::smatch m;
    if (std::regex_search(s, m, based)) {
        const int base = m[1].matched ? 16 : 8;
        cpp_int whole = 0;
        for (const char c : m.str(1) + m.str(2))
            whole = whole * base + (isDigit(c) ? c - '0' : (c | 0x20) - 'a' + 10);
        return nearest(Q(whole));
    }
    std::regex_search(s, m, decimal);
    const std::string digits = m.str(2) + m.str(3);
    const auto first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return 0.0;
    long long written = 0;
    for (const char c : m.str(5))
        written = std::min(written * 10 + (c - '0'), 100'000LL);
    const long long exponent = (m.str(4) == "-" ? -written : written) - m.length(3);
    const auto count = static_cast<long long>(digits.size());
    // Far beyond the range of a double either way; keeps the exact powers small.
    if (exponent + count > 400)
        throw Open("a number too large for a double");
    if (exponent + count < -400)
        return 0.0;
    const Q value = Q(cpp_int(digits.substr(first))) * powerOf10(exponent);
    return nearest(m.str(1) == "-" ? Q(-value) : value);
}

// Snap: sizes from the full turn up to 6.2832 are the full turn.
double snapped(double x) {
    return x >= FullTurn && x <= SnapCeiling ? FullTurn : x;
}
double snappedSigned(double x) {
    return x < 0 ? -snapped(-x) : snapped(x);
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
    // Seconds carry first, then minutes; each unit reaches at most 60.
    u.min += u.sec / 60;
    u.sec %= 60;
    u.deg += u.min / 60;
    u.min %= 60;
    return u;
}

std::string Rad2DegMin(double radians) { // (x, false, false, true, false)
    const double d = toDegrees(std::fabs(radians));
    long long wd = wholePart(add(d, DegreeNudge));
    long long wm = roundWhole(multiply(subtract(d, static_cast<double>(wd)), 60));
    if (wm == 60 && wd == 359) {
        wm = 59;
    } else if (wm == 60) {
        wm = 0;
        ++wd;
    }
    return (radians < 0 ? "-" : "") + std::to_string(wd) + "\u00B0" + std::to_string(wm) + "'";
}

std::string Rad2DegMinSec(double radians) { // (x, true)
    const Units u = fieldUnits(std::fabs(radians), false);
    return (radians < 0 ? "-" : "") + std::to_string(u.deg) + "\u00B0 " + std::to_string(u.min) +
           "' " + std::to_string(u.sec) + "\"";
}

std::string decimalMinutes(double x, int decimals, bool comma) {
    const double d = toDegrees(std::fabs(x));
    const double wd = static_cast<double>(wholePart(add(d, DegreeNudge)));
    const double m = multiply(subtract(d, wd), 60);
    if (m < 0)
        throw Open("minutes below zero after the degree nudge");
    const std::string minutes = fixed(m, decimals);
    if (minutes.starts_with("60"))
        throw Open("decimal minutes that show as 60");
    return (x < 0 ? "-" : "") + std::to_string(static_cast<long long>(wd)) + "\u00B0" +
           separated(AddLeadingZero(minutes), comma) + "'";
}

std::string fixedResult(double value, int decimals, bool comma) {
    return separated(AddLeadingZero(fixed(value, decimals)), comma);
}

// Every field as it stood, changed where `run` decides.
template <typename Run> Outcome modelled(const Case &in, Run run) {
    Outcome out{in.radians, in.toAdd,  in.degrees, in.minutes, in.seconds,
                in.sign,    in.output, {},         {}};
    try {
        run(out);
    } catch (const Open &open) {
        out.open = open.what();
    }
    return out;
}

std::string trimmedBlanks(const std::string &text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? ""
                                      : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A degrees, minutes or seconds field: digits and at most one separator, "," when the field
// holds one. Returns -1 and sets `invalid` otherwise.
double angleField(const std::string &text, bool &invalid, bool &comma) {
    comma = text.find(',') != std::string::npos;
    cpp_int digits = 0;
    long long exponent = 0;
    int separators = 0;
    for (const char c : text) {
        if (c == (comma ? ',' : '.')) {
            ++separators;
        } else if (isDigit(c)) {
            digits = digits * 10 + (c - '0');
            exponent -= separators;
        } else {
            separators = 2; // as invalid as a second separator
        }
    }
    if (separators > 1) {
        invalid = true;
        return -1;
    }
    return nearest(Q(digits) * powerOf10(exponent));
}

} // namespace

Outcome radiansToDegrees(const Case &in) {
    return modelled(in, [&](Outcome &out) {
        if (in.radians.empty())
            return;
        const bool comma = in.radians.find(',') != std::string::npos;
        const double value = readLeading(replaced(in.radians, ',', '.'));
        const bool negative = value < 0;
        double x = snapped(std::fabs(value));
        if (x > FullTurn) {
            out.message = "Radians out of range | Radians to degrees | information | radians";
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
        const std::string valuePart = in.decimalOutput && !in.decimalMinutes
                                          ? fixedResult(toDegrees(signedX), p - 2, comma) + "\u00B0"
                                      : in.decimalOutput  ? decimalMinutes(signedX, p - 4, comma)
                                      : in.roundToMinutes ? Rad2DegMin(signedX)
                                                          : Rad2DegMinSec(signedX);
        out.output += out.radians + " radians = " + valuePart + "\r\n";
    });
}

Outcome degreesToRadians(const Case &in) {
    return modelled(in, [&](Outcome &out) {
        out.degrees = trimmedBlanks(in.degrees);
        out.minutes = trimmedBlanks(in.minutes);
        out.seconds = trimmedBlanks(in.seconds);
        if (out.degrees.empty() && out.minutes.empty() && out.seconds.empty())
            return;
        bool invalid = false;
        bool comma = false;
        bool unused = false;
        for (std::string *field : {&out.degrees, &out.minutes, &out.seconds}) {
            if (field->empty())
                *field = "0";
        }
        const double d = angleField(out.degrees, invalid, comma);
        const double m = angleField(out.minutes, invalid, unused);
        const double s = angleField(out.seconds, invalid, unused);
        // The first refusal that applies, as "text | title | icon | focus".
        const char *refusal =
            invalid ? "Invalid input for degrees, minutes or seconds. | Degrees to radians | "
                      "exclamation"
            : d < 0 || d > 360 || (d == 360 && (m > 0 || s > 0))
                ? "Degrees out of range | Degrees to radians | information | degrees"
            : m < 0 || m > 59 ? "Minutes out of range | Degrees to radians | information | minutes"
            : s < 0 || s > 59 ? "Seconds out of range | Degrees to radians | information | seconds"
                              : nullptr;
        if (refusal != nullptr) {
            out.message = refusal;
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
        if (in.toAdd.empty())
            return;
        const std::string title =
            index == 0 ? " | Add | information | " : " | Subtract' | information | ";
        if (out.radians.empty())
            out.radians = "0";
        const bool comma = out.radians.find(',') != std::string::npos;
        double x = snappedSigned(readLeading(replaced(out.radians, ',', '.')));
        if (x < -FullTurn || x > FullTurn) {
            out.message = "Radians out of range" + title + "radians";
            return;
        }
        const int decimals = in.precision - 1;
        x = Round(x, decimals);
        out.radians = separated(AddLeadingZero(plain(x)), comma);
        const std::string first = out.radians;
        double y = snappedSigned(readLeading(comma ? replaced(in.toAdd, ',', '.') : in.toAdd));
        if (y < -FullTurn || y > FullTurn) {
            out.message = "Second value out of range" + title + "toAdd";
            return;
        }
        y = Round(y, decimals);
        out.toAdd = separated(AddLeadingZero(plain(y)), comma);
        double z = index == 0 ? add(x, y) : subtract(x, y);
        while (z < 0)
            z = add(z, FullTurn);
        while (z >= FullTurn)
            z = subtract(z, FullTurn);
        z = Round(z, decimals);
        out.radians = fixedResult(z, decimals, comma);
        if (in.showPlusMinus) {
            out.output += "(" + first + (index == 0 ? " + " : " - ") + out.toAdd +
                          ") mod 2pi = " + out.radians + "\r\n";
        }
    });
}

} // namespace ExactModel
