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

// What a result changes in the output, the one rule for it: the byte offsets, in ascending
// order, of the characters of `earlier` that become "," (a comma-mode result turns every "."
// of the output into ","), and the text that then follows at the end. `earlier` is the output
// as it stood before the result, or its lines from one on when those before hold no ".", so
// that the output box applies the edit in place and a long output is never set again.
struct OutputEdit {
    std::vector<std::size_t> commas;
    std::string appended;
};
OutputEdit editOutput(std::string_view earlier, const OperationResult &result);

// The edit applied to a whole output text.
std::string applyToOutput(std::string_view output, const OperationResult &result);
