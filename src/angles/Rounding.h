#pragma once

namespace Rounding {

// Round(v, n): v rounded to n decimals, an exact half going to the even neighbour.
double Round(double value, int decimals);

} // namespace Rounding
