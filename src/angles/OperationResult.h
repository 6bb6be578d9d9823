#pragma once

#include <optional>
#include <string>
#include <string_view>

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
enum class MessageIcon { None, Information, Exclamation };

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

// The output text after the result is applied to `output`.
std::string ApplyToOutput(std::string_view output, const OperationResult &result);
