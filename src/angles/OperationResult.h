#pragma once

#include "MessageIcon.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The input fields of the main window as the operations read and write them.
struct Fields {
    std::string radians;
    std::string toAdd;
    std::string degrees;
    std::string minutes;
    std::string seconds;
    std::string sign; // caption of lblSign: "-" or empty
};

enum class Field { None, Radians, ToAdd, Degrees, Minutes, Seconds };

struct Message {
    std::string text;
    std::string title;
    MessageIcon icon = MessageIcon::None;
    Field focus = Field::None; // gets the focus with its caret at the end; None leaves it
};

// What one run of an operation changes. `fields` always holds every field as it must
// stand afterwards, also when a message follows.
struct OperationResult {
    Fields fields;
    std::string append;         // appended to the output box (CR LF line ends); may be empty
    bool outputToComma = false; // afterwards every "." of the whole output becomes ","
    std::optional<Message> message;
};

// A result is applied in place, so that a long output is never set again: CommasInPlace gives
// the byte offsets of the characters of `earlier` (any part of the output as it stood before
// the result, a line say) that become ","; AppendedText is what then follows at the end.
std::vector<std::size_t> CommasInPlace(std::string_view earlier, const OperationResult &result);
std::string AppendedText(const OperationResult &result);

// Both at once, on a whole output text.
std::string ApplyToOutput(std::string_view output, const OperationResult &result);
