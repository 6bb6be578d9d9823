#include "Conversion.h"

#include "NumberReading.h"
#include "OperationResult.h"
#include "Operations.h"
#include "StrProc.h"
#include "TranslatedResult.h"
#include "WrittenAngle.h"

#include <QCoreApplication>
#include <cerrno>
#include <cstring>

namespace Conversion {

namespace {

// Input lines are read into a buffer of fixed size, so that any input runs in constant memory;
// no angle or radian value comes near this length.
constexpr std::size_t LongestLine = 4096;
constexpr const char *LineTooLong = QT_TRANSLATE_NOOP("Conversion", "The line is too long.");
// The window reads such a value as 0; a script that converts a file would not notice.
constexpr const char *NoNumber = QT_TRANSLATE_NOOP("Conversion", "The value holds no number.");
constexpr const char *CannotRead =
    QT_TRANSLATE_NOOP("Conversion", "Cannot read the standard input");
constexpr const char *CannotWrite = QT_TRANSLATE_NOOP("Conversion", "Cannot write the output");

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
            //: %1 the line's number in the input, %2 what is wrong with it
            std::fprintf(err, "angulor: %s\n",
                         QCoreApplication::translate("Conversion", "line %1: %2")
                             .arg(lineNumber)
                             .arg(QString::fromStdString(line.text))
                             .toLocal8Bit()
                             .constData());
        else
            std::fprintf(err, "angulor: %s\n", line.text.c_str());
    }

    int finish(std::FILE *in) {
        if (in != nullptr && std::ferror(in)) {
            std::fprintf(err, "angulor: %s: %s\n", translated("Conversion", CannotRead).c_str(),
                         std::strerror(errno));
            failed = true;
        }
        if (std::fflush(out) != 0 || std::ferror(out)) {
            std::fprintf(err, "angulor: %s: %s\n", translated("Conversion", CannotWrite).c_str(),
                         std::strerror(errno));
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
        printer.print(tooLong ? Line{translated("Conversion", LineTooLong), true}
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
        return {translated("WrittenAngle", WrittenAngle::read(value).reason), true};
    Fields fields;
    OperationResult result;
    if (direction == Direction::ToDegrees) {
        if (!NumberReading::readLeadingNumberIfAny(StrProc::replaceAll(value, ",", ".")))
            return {translated("Conversion", NoNumber), true};
        fields.radians = value;
        result = Operations::radiansToDegrees(fields, options);
    } else {
        WrittenAngle::Reading reading = WrittenAngle::read(value);
        if (!reading.angle)
            return {translated("WrittenAngle", reading.reason), true};
        fields.degrees = std::move(reading.angle->degrees);
        fields.minutes = std::move(reading.angle->minutes);
        fields.seconds = std::move(reading.angle->seconds);
        fields.sign = reading.angle->negative ? "-" : "";
        result = Operations::degreesToRadians(fields, options);
    }
    // Messages and the line's words in the person's language, as the window shows them.
    result = translated(std::move(result));
    if (result.message)
        return {std::move(result.message->text), true};
    std::string text = editOutput({}, result).appended;
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
