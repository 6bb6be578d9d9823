#pragma once

#include "OutputOptions.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

// The conversions of the command line: each value goes through the window's own operation and
// prints the line the window appends to its output box, with a line feed for CR LF.
namespace Conversion {

enum class Direction { ToRadians, ToDegrees };

struct Request {
    Direction direction = Direction::ToDegrees;
    OutputOptions options;
    std::vector<std::string> values; // none: one value from each line of the input
};

struct Line {
    std::string text; // the output line with its line feed, or the message when `failed`
    bool failed = false;
};

// One value: a written angle for ToRadians, a radians text for ToDegrees.
Line convert(Direction direction, std::string_view value, const OutputOptions &options);

// Converts every value of the request, or every line of `in`; lines go to `out`, each failure as
// "angulor: [line N: ]message" to `err`. Returns the exit status: 0, or 1 after any failure.
int run(const Request &request, std::FILE *in, std::FILE *out, std::FILE *err);

} // namespace Conversion
