#pragma once

#include <string>

// A second reading of the numbers of the three angle operations, kept apart from the program's
// own core: rounding, carries and every written digit are worked out in exact rationals, and
// where the operations compute in doubles, each double operation is rebuilt as its exact
// result rounded to the nearest double. It calls nothing of the program.
//
// Where the rules leave a point open (a tie that only the program's own choice settles, or a
// case the program mends), the model names that point and decides nothing: the comparison
// then skips the input.
namespace ExactModel {

// What an operation reads: the field texts, the sign label, the options and the output box.
struct Case {
    std::string radians;
    std::string toAdd;
    std::string degrees;
    std::string minutes;
    std::string seconds;
    std::string sign;
    int precision = 7; // P, 5 to 8
    bool decimalOutput = false;
    bool decimalMinutes = false;
    bool roundToMinutes = false;
    bool showPlusMinus = true;
    std::string output; // the output box before the operation
};

// What must stand afterwards.
struct Outcome {
    std::string radians;
    std::string toAdd;
    std::string degrees;
    std::string minutes;
    std::string seconds;
    std::string sign;
    std::string output;
    std::string message; // "text | title", empty when none
    std::string open;    // the open point that stopped the model; empty when it decided all
};

Outcome radiansToDegrees(const Case &in);
Outcome degreesToRadians(const Case &in);
// 0 adds, 1 subtracts, 2 moves the radians into the value to add.
Outcome plusMinus(int index, const Case &in);

} // namespace ExactModel
