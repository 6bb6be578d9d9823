#pragma once

#include "ExactModel.h"

#include <string>

// Runs one case through the program's operation and through the exact model and compares every
// field text, the output box and the message.
namespace ModelComparison {

enum class Operation { RadiansToDegrees, DegreesToRadians, Add, Subtract };

struct Verdict {
    std::string open;     // the open point that made the model step aside; empty otherwise
    std::string mismatch; // empty when both agree (or the model stepped aside)
};

Verdict compare(Operation operation, const ExactModel::Case &in);

// One line naming the operation, the options and every field, for a failure report.
std::string describe(Operation operation, const ExactModel::Case &in);

} // namespace ModelComparison
