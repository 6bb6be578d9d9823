#pragma once

#include "OperationResult.h"
#include "OutputOptions.h"

#include <string_view>

namespace Operations {

// "Radians to degrees": reads fields.radians.
OperationResult radiansToDegrees(const Fields &fields, const OutputOptions &options);

// "Degrees to radians": reads degrees, minutes, seconds and the sign.
OperationResult degreesToRadians(const Fields &fields, const OutputOptions &options);

// The cmdPlusMinus row: 0 add, 1 subtract, 2 move the radians into the value to add.
OperationResult plusMinus(int index, const Fields &fields, const OutputOptions &options);

// Brings an angle into [0, full turn).
double ReduceAngle(double angle);

// The value of one degrees, minutes or seconds field; -1 and `invalid` set when it is not
// digits with at most one separator ("," when the field holds one, else ".").
double ParseAngleField(std::string_view text, bool &invalid, bool &comma);

} // namespace Operations
