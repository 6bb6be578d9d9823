// The three operations against the exact model on many pseudo-random inputs with a fixed seed.
// A failure prints the input, both texts and the command that reruns that one input. The same
// inputs hold the reader of written angles against the result lines, and the command line's
// conversions against the model's lines.
#include "Conversion.h"
#include "DataTable.h"
#include "ExactModel.h"
#include "ModelComparison.h"
#include "OperationResult.h"
#include "Operations.h"
#include "WrittenAngle.h"

#include <QTest>
#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>
#include <random>
#include <string>

using ModelComparison::Operation;

namespace {

// Inputs compared per operation; those the model steps aside from come on top.
constexpr int CasesPerOperation = 20'000;

// Deterministic on every machine: only the raw engine output is used, never a distribution.
class Source {
public:
    explicit Source(std::uint64_t seed) : engine(seed) {}
    int below(int n) { return static_cast<int>(engine() % static_cast<std::uint64_t>(n)); }
    bool chance(int percent) { return below(100) < percent; }
    std::string digits(int count) {
        std::string text;
        while (count-- > 0) {
            text += static_cast<char>('0' + below(10));
        }
        return text;
    }

private:
    std::mt19937_64 engine;
};

std::string withDecimals(long double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*Lf", decimals, value);
    return text;
}

long double radiansOf(int degrees, int minutes, long double seconds) {
    return (degrees + minutes / 60.0L + seconds / 3600.0L) / 360 * 6.28318530717958647692L;
}

std::string commas(std::string text) {
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

// A radians text as people type it, spread over the places where digits are decided.
std::string radiansText(Source &s, int precision) {
    std::string text;
    switch (s.below(6)) {
    case 0: // anywhere within a turn, any number of decimals
        text = std::to_string(s.below(7)) + "." + s.digits(s.below(12));
        break;
    case 1: // near zero
        text = "0." + std::string(static_cast<std::size_t>(s.below(9)), '0') +
               s.digits(1 + s.below(4));
        break;
    case 2: // near the full turn
        text = std::string("6.283185307179586").substr(0, 4 + s.below(14)) + s.digits(s.below(4));
        break;
    case 3: { // near a whole degree, minute or second, a hair to either side
        const long double hair = (s.below(3) - 1) * s.below(1000) * 1e-12L;
        const long double seconds = s.chance(50) ? 0 : s.below(60);
        text = withDecimals(radiansOf(s.below(361), s.below(60), seconds) + hair,
                            precision - 1 + s.below(5));
        break;
    }
    case 4: // exactly the decimals of the rounding, and one more: the halves live here
        text = std::to_string(s.below(7)) + "." + s.digits(precision - 1 + s.below(3));
        break;
    default: { // what careless typing gives the lenient reader
        static const char *const odd[] = {"abc",  "1.2.3", "&H3",   " 1 .5",  "1e-3", "-.5e1",
                                          "+0.5", "1,5",   "",      " ",      "2E0",  "0x1p3",
                                          ".",    "-0",    "1e999", "6.2833", "-7",   "5."};
        text = odd[s.below(static_cast<int>(std::size(odd)))];
        break;
    }
    }
    if (s.chance(30)) {
        text = "-" + text;
    }
    return s.chance(25) ? commas(text) : text;
}

std::string fieldText(Source &s, int whole, int maxLength) {
    std::string text;
    switch (s.below(8)) {
    case 0:
        break; // empty
    case 1:
        text = std::to_string(whole) + "." + s.digits(1 + s.below(4));
        break;
    case 2:
        text = "." + s.digits(1 + s.below(4));
        break;
    case 3:
        text = " " + std::to_string(whole) + "  ";
        break;
    case 4: { // the odd ones: invalid characters, two separators, a trailing point
        static const char *const odd[] = {"-5", "+5", "5 0", "1e3", "1..2", "1,5.2",
                                          "5.", "x",  ",",   ".",   "1,,2", "012.50"};
        text = odd[s.below(static_cast<int>(std::size(odd)))];
        break;
    }
    default:
        text = std::to_string(whole);
        break;
    }
    text = text.substr(0, static_cast<std::size_t>(maxLength));
    return s.chance(20) ? commas(text) : text;
}

ExactModel::Case randomCase(Operation operation, Source &s) {
    ExactModel::Case in;
    in.precision = 5 + s.below(4);
    const int kind = s.below(4); // decimal degrees, decimal minutes, rounded, neither
    in.decimalOutput = kind < 2;
    in.decimalMinutes = kind == 1;
    in.roundToMinutes = kind == 2;
    in.showPlusMinus = s.chance(85);
    in.output = s.chance(50) ? "1.5 radians = 85.94367\xC2\xB0\r\n" : "";
    switch (operation) {
    case Operation::RadiansToDegrees:
        in.radians = radiansText(s, in.precision);
        break;
    case Operation::DegreesToRadians: {
        const int degrees = s.chance(10) ? 360 : s.below(361);
        in.degrees = fieldText(s, degrees, 8);
        in.minutes = fieldText(s, s.chance(10) ? 59 + s.below(2) : s.below(60), 5);
        in.seconds = fieldText(s, s.chance(10) ? 59 + s.below(2) : s.below(60), 5);
        in.sign = s.chance(30) ? "-" : "";
        break;
    }
    case Operation::Add:
    case Operation::Subtract:
        in.radians = s.chance(5) ? "" : radiansText(s, in.precision);
        in.toAdd = s.chance(5) ? "" : radiansText(s, in.precision);
        break;
    }
    return in;
}

std::uint64_t seedOf(Operation operation) {
    return 0x616e67756c6f72ULL + static_cast<std::uint64_t>(operation);
}

const char *nameOf(Operation operation) {
    static const char *const names[] = {"rad2deg", "deg2rad", "add", "subtract"};
    return names[static_cast<int>(operation)];
}

// ANGULOR_MODEL_CASE=rad2deg:1234 runs only that input of that operation.
int onlyCase(Operation operation) {
    const char *only = std::getenv("ANGULOR_MODEL_CASE");
    if (only == nullptr) {
        return -1;
    }
    const std::string text(only);
    const auto colon = text.find(':');
    if (colon == std::string::npos || text.substr(0, colon) != nameOf(operation)) {
        return -2;
    }
    return std::atoi(text.c_str() + colon + 1);
}

OutputOptions optionsOf(const ExactModel::Case &in) {
    OutputOptions options;
    options.precision = static_cast<std::int16_t>(in.precision);
    options.decimalOutput = in.decimalOutput;
    options.decimalUnit = in.decimalMinutes ? DecimalUnit::Minutes : DecimalUnit::Degrees;
    options.roundToMinutes = in.roundToMinutes;
    return options;
}

// The angle of a result line: before " = " for Degrees to radians, after it for Radians to
// degrees; the line as the output box shows it, commas included.
std::string angleOfLine(const OperationResult &result, bool before) {
    std::string line = editOutput({}, result).appended;
    line.resize(line.size() - 2);
    const auto equals = line.find(" = ");
    return before ? line.substr(0, equals) : line.substr(equals + 3);
}

// "d|m|s|sign" of a reading, or its reason.
std::string described(const WrittenAngle::Reading &reading) {
    if (!reading.angle) {
        return reading.reason;
    }
    const auto &a = *reading.angle;
    return a.degrees + "|" + a.minutes + "|" + a.seconds + "|" + (a.negative ? "-" : "");
}

// A field as Degrees to radians reads it: blanks trimmed, empty as 0.
double fieldValue(std::string text) {
    while (!text.empty() && text.front() == ' ') {
        text.erase(0, 1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    bool invalid = false;
    bool comma = false;
    return Operations::ParseAngleField(text.empty() ? "0" : text, invalid, comma);
}

// The degrees, minutes and seconds of a Radians to degrees line, read back, are those that the
// conversion wrote into the fields.
std::optional<std::string> rad2DegLineReadBack(const ExactModel::Case &in) {
    const OutputOptions options = optionsOf(in);
    Fields fields;
    fields.radians = in.radians;
    const OperationResult result = Operations::radiansToDegrees(fields, options);
    if (options.decimalOutput || options.roundToMinutes || result.append.empty()) {
        return std::nullopt;
    }
    const auto &f = result.fields;
    const std::string angle = angleOfLine(result, false);
    const std::string read = described(WrittenAngle::read(angle));
    // Whole units of zero have no sign to agree on: a negative value that shows as 0° 0' 0"
    // keeps its "-" in the sign label, and in the line only while its radians are not zero.
    const bool zero = f.degrees == "0" && f.minutes == "0" && f.seconds == "0";
    const std::string wrote = f.degrees + "|" + f.minutes + "|" + f.seconds + "|" + f.sign;
    if (zero && read.starts_with("0|0|0|")) {
        return std::string();
    }
    return read == wrote ? std::string() : angle + " reads " + read + ", fields " + wrote;
}

// The angle that a Degrees to radians line echoes gives back the values of the fields it was
// made from. The echo writes all three numbers, so it is refused exactly when degrees or
// minutes have decimals.
std::optional<std::string> deg2RadEchoReadBack(const ExactModel::Case &in) {
    const Fields fields{"", "", in.degrees, in.minutes, in.seconds, in.sign};
    const OperationResult result = Operations::degreesToRadians(fields, optionsOf(in));
    if (result.append.empty()) {
        return std::nullopt;
    }
    const std::string angle = angleOfLine(result, true);
    const auto reading = WrittenAngle::read(angle);
    const double d = fieldValue(in.degrees);
    const double m = fieldValue(in.minutes);
    const bool whole = d == static_cast<long long>(d) && m == static_cast<long long>(m);
    const bool same = reading.angle
                          ? whole && fieldValue(reading.angle->degrees) == d &&
                                fieldValue(reading.angle->minutes) == m &&
                                fieldValue(reading.angle->seconds) == fieldValue(in.seconds) &&
                                reading.angle->negative == (in.sign == "-")
                          : !whole;
    return same ? std::string() : angle + " reads " + described(reading);
}

// The line the command line prints for a model input, against the model's line or message.
std::optional<std::string> commandLineLine(Operation operation, ExactModel::Case in) {
    in.output.clear();
    const ExactModel::Outcome model = operation == Operation::RadiansToDegrees
                                          ? ExactModel::radiansToDegrees(in)
                                          : ExactModel::degreesToRadians(in);
    if (!model.open.empty()) {
        return std::nullopt;
    }
    std::string value = in.radians;
    auto direction = Conversion::Direction::ToDegrees;
    if (operation == Operation::DegreesToRadians) {
        // The fields written as one angle; an empty field before a given one is a 0.
        direction = Conversion::Direction::ToRadians;
        if ((in.degrees + in.minutes + in.seconds).find_first_of("+-") != std::string::npos) {
            return std::nullopt; // a sign inside a field is no part of a written number
        }
        const std::string d =
            in.degrees.empty() && !(in.minutes + in.seconds).empty() ? "0" : in.degrees;
        const std::string m = in.minutes.empty() && !in.seconds.empty() ? "0" : in.minutes;
        value = in.sign + d + (d.empty() ? "" : "\u00B0") + m + (m.empty() ? "" : "'") +
                in.seconds + (in.seconds.empty() ? "" : "\"");
        if (!WrittenAngle::read(value).angle) {
            return std::nullopt;
        }
    }
    if (value.empty()) {
        return std::nullopt; // the window does nothing; the command line says the text is empty
    }
    const Conversion::Line line = Conversion::convert(direction, value, optionsOf(in));
    // The command line refuses a value that holds no number, which the window reads as 0.
    if (line.failed && line.text == "The value holds no number.") {
        return model.radians.find_first_not_of("-0.,") == std::string::npos
                   ? std::string()
                   : value + " refused, model " + model.radians;
    }
    std::string expected = model.message.substr(0, model.message.find(" | "));
    if (!line.failed && model.message.empty()) {
        expected = model.output;
        if (expected.ends_with("\r\n")) {
            expected.replace(expected.size() - 2, 2, "\n");
        }
    }
    return line.text == expected ? std::string()
                                 : value + " prints " + line.text + ", model " + expected;
}

// Runs `check` over the inputs drawn for an operation: it gives the mismatch, an empty text
// when the input agrees, or nothing when the input does not apply.
template <typename Check> void checkInputs(Operation operation, Check check) {
    Source source(seedOf(operation));
    int compared = 0;
    int mismatches = 0;
    for (int i = 0; i < CasesPerOperation; ++i) {
        const std::optional<std::string> mismatch = check(randomCase(operation, source));
        compared += mismatch ? 1 : 0;
        if (mismatch && !mismatch->empty() && ++mismatches <= 10) {
            qWarning("%s input %d: %s", nameOf(operation), i, mismatch->c_str());
        }
    }
    qInfo("%s: %d inputs compared", nameOf(operation), compared);
    QCOMPARE(mismatches, 0);
    QVERIFY(compared >= CasesPerOperation / 5);
}

} // namespace

Q_DECLARE_METATYPE(Operation)

class TestExactModel : public QObject {
    Q_OBJECT

private slots:
    void programAgreesWithModel_data() {
        columns<Operation>("operation");
        for (const auto operation : {Operation::RadiansToDegrees, Operation::DegreesToRadians,
                                     Operation::Add, Operation::Subtract}) {
            row(nameOf(operation), operation);
        }
    }
    void programAgreesWithModel() {
        QFETCH(Operation, operation);
        const Operation op = operation;
        const int only = onlyCase(op);
        if (only == -2) {
            QSKIP("ANGULOR_MODEL_CASE names another operation");
        }
        Source source(seedOf(op));
        std::map<std::string, int> open;
        int compared = 0;
        int mismatches = 0;
        for (int i = 0;
             only < 0 ? compared < CasesPerOperation && i < 2 * CasesPerOperation : i <= only;
             ++i) {
            const ExactModel::Case in = randomCase(op, source);
            if (only >= 0 && i != only) {
                continue;
            }
            const auto verdict = ModelComparison::compare(op, in);
            if (!verdict.open.empty()) {
                ++open[verdict.open];
                continue;
            }
            ++compared;
            if (!verdict.mismatch.empty() && ++mismatches <= 10) {
                qWarning("%s\n%s  rerun: ANGULOR_MODEL_CASE=%s:%d %s programAgreesWithModel:%s",
                         ModelComparison::describe(op, in).c_str(), verdict.mismatch.c_str(),
                         nameOf(op), i, qPrintable(QCoreApplication::applicationFilePath()),
                         nameOf(op));
            }
        }
        qInfo("%s: %d inputs compared", nameOf(op), compared);
        for (const auto &[point, count] : open) {
            qInfo("  %d skipped, open point: %s", count, point.c_str());
        }
        QCOMPARE(mismatches, 0);
        QVERIFY(only >= 0 || compared == CasesPerOperation);
    }
    void resultLinesReadBack() {
        checkInputs(Operation::RadiansToDegrees, rad2DegLineReadBack);
        checkInputs(Operation::DegreesToRadians, deg2RadEchoReadBack);
    }
    void commandLineAgreesWithModel_data() {
        columns<Operation>("operation");
        row("to degrees", Operation::RadiansToDegrees);
        row("to radians", Operation::DegreesToRadians);
    }
    void commandLineAgreesWithModel() {
        QFETCH(Operation, operation);
        const Operation op = operation;
        checkInputs(op, [op](const ExactModel::Case &in) { return commandLineLine(op, in); });
    }
};

QTEST_GUILESS_MAIN(TestExactModel)
#include "tst_exact_model.moc"
