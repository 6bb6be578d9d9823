#pragma once

#include <string>

namespace Decimal {

// A finite value as decimal digits: value = 0.digits × 10^point. The digits carry no leading
// or trailing zeros, so zero has no digits at all.
struct Digits {
    bool negative = false;
    std::string digits;
    long long point = 0;
};

// The shortest digits that read back as the same double: the value the user typed and sees.
Digits shortest(double value);

// Rounded to `decimals` places after the point; an exact half of these digits goes to the
// even neighbour.
Digits roundedAt(Digits value, long long decimals);

// Rounded to `significant` digits, an exact half going to the even neighbour.
Digits roundedToSignificant(Digits value, int significant);

// The nearest double; too large gives +/- infinity, too small +/- 0.
double toDouble(const Digits &value);

// Digits with leading zeros removed and the point moved to match, trailing zeros removed.
Digits normalised(Digits value);

} // namespace Decimal
