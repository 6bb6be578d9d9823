#pragma once

#include <cstdint>

enum class DecimalUnit { Degrees, Minutes };

// The output options as the operations read them when they run.
struct OutputOptions {
    std::int16_t precision = 7; // 5..8: the chosen list position plus 5
    bool decimalOutput = false;
    DecimalUnit decimalUnit = DecimalUnit::Degrees;
    bool roundToMinutes = false;
    bool showPlusMinus = true;
};
