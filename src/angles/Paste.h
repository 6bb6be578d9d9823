#pragma once

#include "OperationResult.h"

#include <optional>
#include <string>
#include <string_view>

// What a text pasted or dropped into an input field does. Only the first line of it counts: a
// tab ends it as a line break does, and blank lines before it are passed over. In the degrees,
// minutes or seconds field a written angle ("43°14'12.5\"N", "12 30") fills all three fields and
// the sign at once; anything else, a plain number among it, goes in as text.
namespace Paste {

enum class Into { Number, Angle }; // a radians field; a degrees, minutes or seconds field

// The fields' character limits, as the window sets them.
struct Limits {
    std::size_t degrees = 0;
    std::size_t minutes = 0;
    std::size_t seconds = 0;
};

struct Outcome {
    // The text to put in at the caret, when the paste goes in as text.
    std::optional<std::string> text;
    // The angle's fields (degrees, minutes, seconds and sign), when the paste is an angle.
    std::optional<Fields> angle;
    // When the angle does not fit its fields; nothing changes then. Its text holds "%1" for
    // `limit`, the number of characters the part exceeds.
    std::optional<Message> message;
    std::size_t limit = 0;
};

// The first line that is not blank, or the first line when all are blank.
std::string firstLine(std::string_view text);

Outcome decide(std::string_view pasted, Into into, const Limits &limits);

} // namespace Paste
