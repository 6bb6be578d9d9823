#include "Rounding.h"

#include "Decimal.h"

#include <cmath>

namespace Rounding {

// A double is an exact half at n decimals when its shortest round-trip decimal text ends in a
// 5 at decimal n + 1: we judge the value the user typed and sees, not its binary expansion.
double Round(double value, int decimals) {
    if (!std::isfinite(value)) {
        return value;
    }
    return Decimal::toDouble(Decimal::roundedAt(Decimal::shortest(value), decimals));
}

} // namespace Rounding
