#pragma once

#include <optional>
#include <string>
#include <string_view>

// Angles as people write them ("43°14'12.5\"N", "12 34 56.7", "-12°30.5'", "12:34:56"), read
// into the texts of the degrees, minutes and seconds fields and a sign. Ranges are not judged
// here: the conversion's own checks speak for the numbers.
namespace WrittenAngle {

struct Angle {
    // The numbers' texts exactly as written ("007", "30,5"); empty when not given.
    std::string degrees;
    std::string minutes;
    std::string seconds;
    bool negative = false; // a leading '-' or a hemisphere letter S/W
    int numbers = 0;       // how many numbers were written: 1, 2 or 3
    bool marked = false;   // a degree/minute/second mark, ':' or a hemisphere letter was written
};

struct Reading {
    std::optional<Angle> angle; // set when the whole text is one angle
    std::string reason;         // a short English reason when it is not
};

// Blanks (space, tab, no-break spaces) may stand between any parts; a leading '+' or '-', or
// one hemisphere letter N, S, E, W before or after the angle; the marks ° º d, ' ′ ’, " ″ ” ''
// or ':' between the numbers, or blanks alone; a decimal point or comma in the last number only.
Reading read(std::string_view utf8Text);

} // namespace WrittenAngle
