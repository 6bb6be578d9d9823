#include "Paste.h"

#include "CoreText.h"
#include "WrittenAngle.h"

namespace Paste {

namespace {

// Bytes of a line break or tab at `at`: the ASCII ones, and NEL, LS and PS in UTF-8.
std::size_t breakAt(std::string_view text, std::size_t at) {
    switch (text[at]) {
    case '\n':
    case '\r':
    case '\v':
    case '\f':
    case '\t':
        return 1;
    default:
        break;
    }
    const std::string_view rest = text.substr(at);
    if (rest.starts_with("\u0085"))
        return 2;
    if (rest.starts_with("\u2028") || rest.starts_with("\u2029"))
        return 3;
    return 0;
}

bool blank(std::string_view line) {
    return line.find_first_not_of(' ') == std::string_view::npos;
}

// characters, not bytes, as the fields count them: the angle's numbers are ASCII, but
// nothing else may be miscounted either.
std::size_t characters(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

// The message names the part; its "%1" is the field's limit, filled in by the window once the
// text is in the person's language.
std::optional<Message> tooLong(const WrittenAngle::Angle &angle, const Limits &limits,
                               std::size_t &limit) {
    const struct {
        const std::string &text;
        std::size_t limit;
        const char *message;
    } parts[] = {{angle.degrees, limits.degrees,
                  CORE_TEXT("Operations", "The pasted degrees are longer than %1 characters.")},
                 {angle.minutes, limits.minutes,
                  CORE_TEXT("Operations", "The pasted minutes are longer than %1 characters.")},
                 {angle.seconds, limits.seconds,
                  CORE_TEXT("Operations", "The pasted seconds are longer than %1 characters.")}};
    for (const auto &part : parts) {
        if (characters(part.text) > part.limit) {
            limit = part.limit;
            return Message{part.message, CORE_TEXT("Operations", "Paste"), MessageIcon::Exclamation,
                           Field::None};
        }
    }
    return std::nullopt;
}

} // namespace

std::string firstLine(std::string_view text) {
    std::optional<std::string_view> first;
    std::size_t start = 0;
    for (std::size_t at = 0; at <= text.size();) {
        const std::size_t length = at < text.size() ? breakAt(text, at) : 1;
        if (length == 0) {
            ++at;
            continue;
        }
        const std::string_view line = text.substr(start, at - start);
        if (!blank(line))
            return std::string(line);
        if (!first)
            first = line;
        at += length;
        start = at;
    }
    return std::string(first.value_or(std::string_view{}));
}

Outcome decide(std::string_view pasted, Into into, const Limits &limits) {
    std::string line = firstLine(pasted);
    if (into == Into::Angle) {
        const WrittenAngle::Reading reading = WrittenAngle::read(line);
        // A plain number stays a paste into the one field.
        if (reading.angle && (reading.angle->marked || reading.angle->numbers > 1)) {
            const WrittenAngle::Angle &angle = *reading.angle;
            std::size_t limit = 0;
            if (auto message = tooLong(angle, limits, limit))
                return {std::nullopt, std::nullopt, std::move(message), limit};
            Fields fields;
            fields.degrees = angle.degrees;
            fields.minutes = angle.minutes;
            fields.seconds = angle.seconds;
            fields.sign = std::string(angle.negative ? 1 : 0, '-');
            return {std::nullopt, std::move(fields), std::nullopt, 0};
        }
    }
    return {std::move(line), std::nullopt, std::nullopt, 0};
}

} // namespace Paste
