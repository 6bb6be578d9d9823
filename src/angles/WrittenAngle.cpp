#include "WrittenAngle.h"

#include <array>

namespace WrittenAngle {

namespace {

// Every reason the reader gives, in one place.
namespace Reason {
constexpr const char *Empty = "The text is empty.";
constexpr const char *NoNumber = "The text holds no number.";
constexpr const char *Letter =
    "The text holds a letter that is not N, S, E, W or the degree mark d.";
constexpr const char *Character = "The text holds a character that is not part of an angle.";
constexpr const char *LetterAndSign = "A hemisphere letter and a sign cannot stand together.";
constexpr const char *TwoLetters = "The text holds two hemisphere letters.";
constexpr const char *LetterInside = "A hemisphere letter stands inside the angle.";
constexpr const char *SignInside = "A sign can only stand in front of the angle.";
constexpr const char *SecondSeparator = "A number holds a second decimal separator.";
constexpr const char *NoDigits = "A decimal separator stands without digits.";
constexpr const char *SeparatorNotLast = "Only the last number can hold a decimal separator.";
constexpr const char *TooManyNumbers = "The text holds more than three numbers.";
constexpr const char *OutOfOrder = "The marks are out of order.";
constexpr const char *WithoutDegrees = "Minutes or seconds are given without degrees.";
constexpr const char *WithoutMinutes = "Seconds are given without minutes.";
constexpr const char *MarkWithoutNumber = "A mark stands without a number before it.";
constexpr const char *ColonAlone = "A colon must stand between two numbers.";
constexpr const char *ColonsMixed = "Colons cannot be mixed with marks or blanks between numbers.";
} // namespace Reason

enum class Kind {
    End,
    Blank,
    Plus,
    Minus,
    Digit,
    Separator, // decimal point or comma
    DegreeMark,
    MinuteMark,
    SecondMark,
    Colon,
    Hemisphere,
    Letter,
    Other,
};

struct Token {
    Kind kind = Kind::End;
    std::size_t length = 0;
    bool south = false; // a hemisphere letter S or W
};

struct Spelling {
    std::string_view text;
    Kind kind;
};

// The characters of more than one byte that belong to written angles.
constexpr std::array<Spelling, 8> Wide{{
    {"\u00A0", Kind::Blank},      // no-break space
    {"\u202F", Kind::Blank},      // narrow no-break space
    {"\u00B0", Kind::DegreeMark}, // degree sign
    {"\u00BA", Kind::DegreeMark}, // masculine ordinal, which keyboards often give for it
    {"\u2032", Kind::MinuteMark}, // prime
    {"\u2019", Kind::MinuteMark}, // right single quotation mark
    {"\u2033", Kind::SecondMark}, // double prime
    {"\u201D", Kind::SecondMark}, // right double quotation mark
}};

Token tokenAt(std::string_view text, std::size_t at) {
    if (at >= text.size())
        return {};
    const char c = text[at];
    if (c >= '0' && c <= '9')
        return {Kind::Digit, 1};
    switch (c) {
    case ' ':
    case '\t':
        return {Kind::Blank, 1};
    case '+':
        return {Kind::Plus, 1};
    case '-':
        return {Kind::Minus, 1};
    case '.':
    case ',':
        return {Kind::Separator, 1};
    case 'd':
        return {Kind::DegreeMark, 1};
    case '\'':
        return {Kind::MinuteMark, 1};
    case '"':
        return {Kind::SecondMark, 1};
    case ':':
        return {Kind::Colon, 1};
    case 'N':
    case 'n':
    case 'E':
    case 'e':
        return {Kind::Hemisphere, 1};
    case 'S':
    case 's':
    case 'W':
    case 'w':
        return {Kind::Hemisphere, 1, true};
    default:
        break;
    }
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))
        return {Kind::Letter, 1};
    for (const auto &wide : Wide) {
        if (text.substr(at).starts_with(wide.text))
            return {wide.kind, wide.text.size()};
    }
    return {Kind::Other, 1};
}

// Reads the text from left to right; each number takes the unit of its mark, or the unit after
// the previous number's when it has none.
class Reader {
public:
    explicit Reader(std::string_view text) : text(text) {}

    Reading run() {
        skipBlanks();
        if (peek().kind == Kind::End)
            return refuse(Reason::Empty);
        if (const char *reason = readFront())
            return refuse(reason);
        while (true) {
            skipBlanks();
            const Token token = peek();
            if (token.kind == Kind::Digit || token.kind == Kind::Separator) {
                if (const char *reason = readNumber())
                    return refuse(reason);
                continue;
            }
            if (expectNumber)
                return refuse(token.kind == Kind::End ? Reason::ColonAlone : refusalFor(token));
            if (token.kind == Kind::End)
                break;
            if (token.kind == Kind::Hemisphere && angle.numbers > 0) {
                if (const char *reason = readBackLetter(token))
                    return refuse(reason);
                break;
            }
            return refuse(refusalFor(token));
        }
        if (angle.numbers == 0)
            return refuse(Reason::NoNumber);
        return {angle, {}};
    }

private:
    std::string_view text;
    std::size_t at = 0;
    Angle angle;
    bool signWritten = false;
    bool letterWritten = false;
    bool colons = false;     // a colon stood between numbers
    bool blankSplit = false; // two numbers stood apart by blanks alone
    bool lastHasSeparator = false;
    bool expectNumber = false; // after a colon
    bool markAfterLast = false;
    bool marks = false; // a degree, minute or second mark was written

    Token peek() const { return tokenAt(text, at); }
    void skipBlanks() {
        while (peek().kind == Kind::Blank)
            at += peek().length;
    }
    static Reading refuse(const char *reason) { return {std::nullopt, reason}; }

    static const char *refusalFor(const Token &token) {
        switch (token.kind) {
        case Kind::Plus:
        case Kind::Minus:
            return Reason::SignInside;
        case Kind::DegreeMark:
        case Kind::MinuteMark:
        case Kind::SecondMark:
            return Reason::MarkWithoutNumber;
        case Kind::Colon:
            return Reason::ColonAlone;
        case Kind::Hemisphere:
            return Reason::LetterInside;
        case Kind::Letter:
            return Reason::Letter;
        default:
            return Reason::Character;
        }
    }

    // A sign or a hemisphere letter in front, never both.
    const char *readFront() {
        Token token = peek();
        if (token.kind == Kind::Plus || token.kind == Kind::Minus) {
            signWritten = true;
            angle.negative = token.kind == Kind::Minus;
            at += token.length;
            skipBlanks();
            return peek().kind == Kind::Hemisphere ? Reason::LetterAndSign : nullptr;
        }
        if (token.kind == Kind::Hemisphere) {
            letterWritten = true;
            angle.marked = true;
            angle.negative = token.south;
            at += token.length;
            skipBlanks();
            token = peek();
            if (token.kind == Kind::Plus || token.kind == Kind::Minus)
                return Reason::LetterAndSign;
            if (token.kind == Kind::Hemisphere)
                return Reason::TwoLetters;
        }
        return nullptr;
    }

    const char *readBackLetter(const Token &token) {
        if (letterWritten)
            return Reason::TwoLetters;
        if (signWritten)
            return Reason::LetterAndSign;
        at += token.length;
        skipBlanks();
        const Token after = peek();
        if (after.kind == Kind::Hemisphere)
            return Reason::TwoLetters;
        if (after.kind != Kind::End)
            return after.kind == Kind::Digit ? Reason::LetterInside : refusalFor(after);
        angle.marked = true;
        angle.negative = token.south;
        return nullptr;
    }

    const char *readNumber() {
        if (angle.numbers > 0) {
            if (lastHasSeparator)
                return Reason::SeparatorNotLast;
            if (!expectNumber && !markAfterLast)
                blankSplit = true;
            if (colons && blankSplit)
                return Reason::ColonsMixed;
        }
        if (angle.numbers == 3)
            return Reason::TooManyNumbers;
        expectNumber = false;
        const std::size_t start = at;
        int separators = 0;
        bool digits = false;
        for (Token token = peek(); token.kind == Kind::Digit || token.kind == Kind::Separator;
             token = peek()) {
            digits = digits || token.kind == Kind::Digit;
            separators += token.kind == Kind::Separator ? 1 : 0;
            at += token.length;
        }
        if (separators > 1)
            return Reason::SecondSeparator;
        if (!digits)
            return Reason::NoDigits;
        lastHasSeparator = separators == 1;
        const int position = angle.numbers++;
        std::string number(text.substr(start, at - start));

        skipBlanks();
        int unit = position;
        markAfterLast = false;
        const Token token = peek();
        if (token.kind == Kind::DegreeMark || token.kind == Kind::MinuteMark ||
            token.kind == Kind::SecondMark) {
            if (colons)
                return Reason::ColonsMixed;
            at += token.length;
            unit = token.kind == Kind::DegreeMark ? 0 : token.kind == Kind::MinuteMark ? 1 : 2;
            // Two minute marks written together are a second mark.
            if (unit == 1 && peek().kind == Kind::MinuteMark) {
                at += peek().length;
                unit = 2;
            }
            markAfterLast = true;
            marks = true;
            angle.marked = true;
        } else if (token.kind == Kind::Colon) {
            if (marks || blankSplit)
                return Reason::ColonsMixed;
            at += token.length;
            colons = true;
            expectNumber = true;
            angle.marked = true;
        }
        if (unit < position)
            return Reason::OutOfOrder;
        if (unit > position)
            return position == 0 ? Reason::WithoutDegrees : Reason::WithoutMinutes;
        std::array<std::string *, 3> parts{&angle.degrees, &angle.minutes, &angle.seconds};
        *parts[static_cast<std::size_t>(unit)] = std::move(number);
        return nullptr;
    }
};

} // namespace

Reading read(std::string_view utf8Text) {
    return Reader(utf8Text).run();
}

} // namespace WrittenAngle
