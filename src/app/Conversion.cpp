#include "Conversion.h"

#include "OperationResult.h"
#include "Operations.h"
#include "WrittenAngle.h"

#include <cerrno>
#include <cstring>

namespace Conversion {

namespace {

// Input lines are read into a buffer of fixed size, so that any input runs in constant memory;
// no angle or radian value comes near this length.
constexpr std::size_t LongestLine = 4096;
constexpr const char *LineTooLong = "The line is too long.";
constexpr const char *CannotRead = "Cannot read the standard input";
constexpr const char *CannotWrite = "Cannot write the output";

class Printer {
public:
    Printer(std::FILE *out, std::FILE *err) : out(out), err(err) {}

    // `lineNumber` 0 for a value of the command line.
    void print(const Line &line, long long lineNumber) {
        if (!line.failed) {
            std::fwrite(line.text.data(), 1, line.text.size(), out);
            return;
        }
        failed = true;
        // The output so far comes first, so that a terminal shows the message at its line.
        std::fflush(out);
        if (lineNumber > 0)
            std::fprintf(err, "angulor: line %lld: %s\n", lineNumber, line.text.c_str());
        else
            std::fprintf(err, "angulor: %s\n", line.text.c_str());
    }

    int finish(std::FILE *in) {
        if (in != nullptr && std::ferror(in)) {
            std::fprintf(err, "angulor: %s: %s\n", CannotRead, std::strerror(errno));
            failed = true;
        }
        if (std::fflush(out) != 0 || std::ferror(out)) {
            std::fprintf(err, "angulor: %s: %s\n", CannotWrite, std::strerror(errno));
            failed = true;
        }
        return failed ? 1 : 0;
    }

private:
    std::FILE *out;
    std::FILE *err;
    bool failed = false;
};

// Every line of `in`, a CR before its LF dropped (files written on other systems) and a byte
// order mark before the first one.
void convertLines(const Request &request, std::FILE *in, Printer &printer) {
    std::string line;
    line.reserve(LongestLine);
    bool tooLong = false;
    long long number = 0;
    const auto endLine = [&] {
        ++number;
        std::string_view text(line);
        if (text.ends_with('\r'))
            text.remove_suffix(1);
        if (number == 1 && text.starts_with("\xEF\xBB\xBF"))
            text.remove_prefix(3);
        printer.print(tooLong ? Line{LineTooLong, true}
                              : convert(request.direction, text, request.options),
                      number);
        line.clear();
        tooLong = false;
    };
    std::vector<char> buffer(1 << 16);
    bool pending = false; // characters of an unfinished line were read
    std::size_t count;
    while ((count = std::fread(buffer.data(), 1, buffer.size(), in)) > 0) {
        const char *at = buffer.data();
        const char *const end = at + count;
        while (at < end) {
            const char *feed = static_cast<const char *>(std::memchr(at, '\n', end - at));
            const char *stop = feed != nullptr ? feed : end;
            const auto length = static_cast<std::size_t>(stop - at);
            if (!tooLong && line.size() + length <= LongestLine)
                line.append(at, length);
            else
                tooLong = true;
            pending = feed == nullptr;
            if (feed != nullptr)
                endLine();
            at = stop + (feed != nullptr ? 1 : 0);
        }
    }
    if (pending)
        endLine();
}

} // namespace

Line convert(Direction direction, std::string_view value, const OutputOptions &options) {
    if (value.empty())
        return {WrittenAngle::read(value).reason, true};
    Fields fields;
    OperationResult result;
    if (direction == Direction::ToDegrees) {
        fields.radians = value;
        result = Operations::RadiansToDegrees(fields, options);
    } else {
        WrittenAngle::Reading reading = WrittenAngle::read(value);
        if (!reading.angle)
            return {std::move(reading.reason), true};
        fields.degrees = std::move(reading.angle->degrees);
        fields.minutes = std::move(reading.angle->minutes);
        fields.seconds = std::move(reading.angle->seconds);
        fields.sign = reading.angle->negative ? "-" : "";
        result = Operations::DegreesToRadians(fields, options);
    }
    if (result.message)
        return {std::move(result.message->text), true};
    std::string text = AppendedText(result);
    if (text.ends_with("\r\n"))
        text.replace(text.size() - 2, 2, "\n");
    return {std::move(text), false};
}

int run(const Request &request, std::FILE *in, std::FILE *out, std::FILE *err) {
    Printer printer(out, err);
    if (request.values.empty()) {
        convertLines(request, in, printer);
        return printer.finish(in);
    }
    for (const std::string &value : request.values)
        printer.print(convert(request.direction, value, request.options), 0);
    return printer.finish(nullptr);
}

} // namespace Conversion
