#include "DataTable.h"
#include "Decimal.h"
#include "NumberReading.h"
#include "NumberText.h"
#include "Operations.h"
#include "Rad2Deg.h"
#include "Rounding.h"

#include <QTest>
#include <cmath>
#include <limits>

namespace {
constexpr double Inf = std::numeric_limits<double>::infinity();

QString toQ(const std::string &text) {
    return QString::fromStdString(text);
}
std::string toStd(const QString &text) {
    return text.toStdString();
}

// "text | title | icon | focus", or empty when there is no message.
QString describe(const std::optional<Message> &message) {
    if (!message) {
        return {};
    }
    static const char *const icons[] = {"none", "information", "exclamation"};
    static const char *const fields[] = {"none",    "radians", "toAdd",
                                         "degrees", "minutes", "seconds"};
    return toQ(message->text) + " | " + toQ(message->title) + " | " +
           icons[static_cast<int>(message->icon)] + " | " +
           fields[static_cast<int>(message->focus)];
}

// Equal as doubles, the sign of zero included.
bool same(double a, double b) {
    return (a == b && std::signbit(a) == std::signbit(b)) || (std::isnan(a) && std::isnan(b));
}

// Options from words: "p5".."p8", "decimal degrees", "decimal minutes", "round to minutes",
// "no log"; an empty text gives the start options.
OutputOptions optionsFrom(const QString &words) {
    OutputOptions options;
    for (std::int16_t p = 5; p <= 8; ++p) {
        if (words.contains(QStringLiteral("p%1").arg(p))) {
            options.precision = p;
        }
    }
    options.decimalOutput = words.contains("decimal");
    options.decimalUnit =
        words.contains("decimal minutes") ? DecimalUnit::Minutes : DecimalUnit::Degrees;
    options.roundToMinutes = words.contains("round to minutes");
    options.showPlusMinus = !words.contains("no log");
    return options;
}

double angleInRadians(double degrees, double minutes, double seconds) {
    return (degrees + minutes / 60 + seconds / 3600) / 360 * Rad2Deg::FullTurn;
}

QString withLineBreak(const QString &line) {
    return line.isEmpty() ? line : line + "\r\n";
}

const QString RadOut = "Radians out of range | Radians to degrees | information | radians";
const QString Invalid =
    "Invalid input for degrees, minutes or seconds. | Degrees to radians | exclamation | none";
const QString DegOut = "Degrees out of range | Degrees to radians | information | degrees";
const QString MinOut = "Minutes out of range | Degrees to radians | information | minutes";
const QString SecOut = "Seconds out of range | Degrees to radians | information | seconds";
const QString AddRadOut = "Radians out of range | Add | information | radians";
const QString SubRadOut = "Radians out of range | Subtract' | information | radians";
const QString AddSecondOut = "Second value out of range | Add | information | toAdd";
const QString SubSecondOut = "Second value out of range | Subtract' | information | toAdd";
} // namespace

class TestAngles : public QObject {
    Q_OBJECT

private slots:
    void readLeadingNumber_data() {
        columns<QString, double>("text", "value");
        row("blanks, tabs, line feeds anywhere", " 1 .\t5\n ", 1.5);
        row("blank after the sign", "- 2", -2.0);
        row("second point ends it", "1.2.3", 1.2);
        row("comma ends it", "1,5", 1.0);
        row("trailing text ignored", "1.5xyz", 1.5);
        row("plus and bare fraction", "+.5", 0.5);
        row("exponent", "-.5e1", -5.0);
        row("negative exponent", "1E-2", 0.01);
        row("exponent without digits", "1e", 1.0);
        row("exponent sign without digits", "1e+x", 1.0);
        row("correctly rounded", "9007199254740993", 9007199254740992.0);
        row("no number", "abc", 0.0);
        row("empty", "", 0.0);
        row("lone point", ".", 0.0);
        row("inf is not a number", "inf", 0.0);
        row("nan is not a number", "-nan", 0.0);
        row("hex float reads its leading zero", "0x1p3", 0.0);
        row("underscore ends it", "1_0", 1.0);
        row("hexadecimal", "&hff", 255.0);
        row("hexadecimal stops at a non-digit", "&H1G", 1.0);
        row("octal", "&O17", 15.0);
        row("octal has no 8", "&o8", 0.0);
        row("too large is infinite", "1e999", Inf);
        row("huge exponent digits", "1e99999999999999999999999", Inf);
        row("too small is zero", "1e-999", 0.0);
        row("zero with huge exponent", "0e999999999999", 0.0);
        row("many zeros then huge exponent", "0.000000001e10", 10.0);
    }
    void readLeadingNumber() {
        QFETCH(QString, text);
        QFETCH(double, value);
        const double read = NumberReading::readLeadingNumber(toStd(text));
        QVERIFY2(same(read, value), qPrintable(QString::number(read, 'g', 17)));
    }

    // Only decimal digits reach the library reader: its "inf" and "nan" never get through.
    void toDoubleReadsDigitsOnly() {
        for (const char *digits : {"inf", "nan", "1e5", "0x1p3", "1,5"})
            QCOMPARE(Decimal::toDouble({false, digits, 1}), 0.0);
    }

    void round_data() {
        columns<double, int, double>("value", "decimals", "rounded");
        row("half to even, down", 0.125, 2, 0.12);
        row("just above a half", std::nextafter(0.125, 1.0), 2, 0.13);
        row("just below a half", std::nextafter(0.125, 0.0), 2, 0.12);
        row("half to even, up", 0.375, 2, 0.38);
        row("typed half, binary below", 2.675, 2, 2.68);
        row("0.5 to 0", 0.5, 0, 0.0);
        row("negative half", -2.5, 0, -2.0);
        row("negative above half", -2.51, 0, -3.0);
        row("half after a zero", 1.0000005, 6, 1.0);
        row("half after a one", 1.0000015, 6, 1.000002);
        row("carry through nines", 9.9999995, 6, 10.0);
        row("half below the first digit", 0.0005, 3, 0.0);
        row("above half below the first digit", 0.0006, 3, 0.001);
        row("full turn at 7", Rad2Deg::FullTurn, 7, 6.2831853);
        row("full turn at 4 rises above it", Rad2Deg::FullTurn, 4, 6.2832);
        row("large value unchanged", 1e300, 2, 1e300);
        row("infinity unchanged", Inf, 2, Inf);
    }
    void round() {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(double, rounded);
        const double result = Rounding::Round(value, decimals);
        QVERIFY2(same(result, rounded), qPrintable(QString::number(result, 'g', 17)));
    }

    void reduceAngle_data() {
        const double turn = Rad2Deg::FullTurn;
        columns<double, double>("angle", "reduced");
        row("inside", 1.0, 1.0);
        row("negative", -1.0, -1.0 + turn);
        row("full turn is zero", turn, 0.0);
        row("minus full turn is zero", -turn, 0.0);
        row("above", 7.0, 7.0 - turn);
        row("two turns below", -2 * turn + 1, -2 * turn + 1 + turn + turn);
        row("tiny negative lands on zero", -1e-17, 0.0);
    }
    void reduceAngle() {
        QFETCH(double, angle);
        QFETCH(double, reduced);
        QVERIFY(same(Operations::ReduceAngle(angle), reduced));
    }

    void fixedResult_data() {
        columns<double, int, bool, QString>("value", "decimals", "comma", "text");
        row("comma mode", 0.5, 4, true, "0,5000");
        row("binary half to even", 0.03125, 4, false, "0.0312");
        row("no decimals", 1.5, 0, false, "2");
        row("negative zero has no sign", -0.0, 5, false, "0.00000");
        row("negative rounding to zero has no sign", -0.0000001, 5, false, "0.00000");
        row("no exponent for large values", 1e21, 2, false, "1000000000000000000000.00");
    }
    void fixedResult() {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(bool, comma);
        QTEST(toQ(NumberText::fixedResult(value, decimals, comma)), "text");
    }

    void plain_data() {
        columns<double, QString>("value", "text");
        row("negative below one", -0.5, "-.5");
        row("negative zero", -0.0, "0");
        row("small, no exponent", 0.000001, ".000001");
        row("15 significant digits", 0.1 + 0.2, ".3");
        row("rounded up at 15 digits", 2.0 / 3, ".666666666666667");
        row("rounds to a whole", 0.99999999999999994, "1");
        row("large, no exponent", 123456789012345678.0, "123456789012346000");
    }
    void plain() {
        QFETCH(double, value);
        QTEST(toQ(NumberText::plain(value)), "text");
    }

    // Flags: "omit" zero minutes, "blank" before minutes, "neg" allowed, "360" allowed; "dms"
    // calls Rad2DegMinSec, which reads only "neg".
    void rad2Deg_data() {
        columns<double, QString, QString>("radians", "flags", "text");
        row("one radian", 1.0, "neg", "57°18'");
        row("negative", -0.5, "neg", "-28°39'");
        row("negative refused", -0.5, "", "");
        row("blank before minutes", 1.0, "blank neg", "57° 18'");
        row("stays below a full turn", 6.2831, "neg", "359°59'");
        row("allowed to reach 360", 6.2831, "neg 360", "360°0'");
        row("zero minutes omitted", 6.2831, "omit neg 360", "360°");
        row("zero", 0.0, "neg", "0°0'");
        row("full turn", Rad2Deg::FullTurn, "neg", "360°0'");
        row("above a full turn refused", 6.2832, "neg 360", "");
        row("not a number refused", std::nan(""), "neg 360", "");
        row("dms one radian", 1.0, "dms neg", "57° 17' 45\"");
        row("dms negative", -1.0, "dms neg", "-57° 17' 45\"");
        row("dms negative refused", -1.0, "dms", "");
        row("dms negative zero is zero", -0.0, "dms", "0° 0' 0\"");
        row("dms seconds carry into minutes", angleInRadians(10, 58, 59.6), "dms", "10° 59' 0\"");
        row("dms seconds carry into degrees", angleInRadians(10, 59, 59.6), "dms", "11° 0' 0\"");
        row("dms full turn", Rad2Deg::FullTurn, "dms", "360° 0' 0\"");
        row("dms beyond whole degrees refused", 1e300, "dms", "");
        row("dms infinity refused", Inf, "dms", "");
    }
    void rad2Deg() {
        QFETCH(double, radians);
        QFETCH(QString, flags);
        const bool negative = flags.contains("neg");
        QTEST(toQ(flags.contains("dms") ? Rad2Deg::Rad2DegMinSec(radians, negative)
                                        : Rad2Deg::Rad2DegMin(radians, flags.contains("omit"),
                                                              flags.contains("blank"), negative,
                                                              flags.contains("360"))),
              "text");
    }

    // dms: the degrees, minutes, seconds fields and the sign label afterwards. The radians field
    // shows the text the line begins with, or keeps what was typed when there is no line.
    void radiansToDegrees_data() {
        columns<QString, QString, QString, QString, QString>("input", "options", "dms", "line",
                                                             "message");
        auto row = [](const char *name, const char *input, const char *options, const char *dms,
                      const char *line, const QString &message = {}) {
            ::row(name, QString(input), QString(options), QString(dms), QString(line), message);
        };
        row("one radian", "1", "", "57 17 45 ", "1.000000 radians = 57° 17' 45\"");
        row("negative", "-1", "", "57 17 45 -", "-1.000000 radians = -57° 17' 45\"");
        row("comma mode", "1,5", "", "85 56 37 ", "1,500000 radians = 85° 56' 37\"");
        row("precision 5", "0.5", "p5", "28 38 52 ", "0.5000 radians = 28° 38' 52\"");
        row("precision 8", "1", "p8", "57 17 45 ", "1.0000000 radians = 57° 17' 45\"");
        row("snap to the full turn", "6.2832", "", "360 0 0 ", "6.283185 radians = 360° 0' 0\"");
        row("negative snap", "-6.2832", "", "360 0 0 -", "-6.283185 radians = -360° 0' 0\"");
        row("no number reads as zero", "abc", "", "0 0 0 ", "0.000000 radians = 0° 0' 0\"");
        row("decimal degrees", "1", "decimal degrees", "57 17 45 ", "1.000000 radians = 57.29578°");
        row("negative decimal degrees", "-0.5", "decimal degrees", "28 38 52 -",
            "-0.500000 radians = -28.64789°");
        row("decimal degrees in comma mode", "0,5", "decimal degrees", "28 38 52 ",
            "0,500000 radians = 28,64789°");
        row("decimal minutes", "1", "decimal minutes", "57 17 45 ",
            "1.000000 radians = 57°17.747'");
        row("minutes above 59.5 keep their degree", "0.2268", "decimal minutes", "12 59 41 ",
            "0.226800 radians = 12°59.681'");
        row("negative decimal minutes", "-0.5", "decimal minutes", "28 38 52 -",
            "-0.500000 radians = -28°38.873'");
        row("round to minutes", "1", "round to minutes", "57 18  ", "1.000000 radians = 57°18'");
        row("fields carry to 360, line stays below", "6.2831", "round to minutes", "360 0  ",
            "6.283100 radians = 359°59'");
        row("just below the full turn", "6.2831", "", "359 59 42 ",
            "6.283100 radians = 359° 59' 42\"");
        row("negative rounding to zero", "-0.00000001", "", "0 0 0 -",
            "-0.000000 radians = 0° 0' 0\"");
        row("nudged minutes round to zero", "6.2832", "decimal minutes", "360 0 0 ",
            "6.283185 radians = 360°0.000'");
        row("nudged minutes at precision 8", "3.14159265", "p8 decimal minutes", "180 0 0 ",
            "3.1415927 radians = 180°0.0000'");
        row("nudged minutes below zero", "0.069813", "decimal minutes", "4 0 0 ",
            "0.069813 radians = 3°59.999'");
        row("minutes rounding to 60 carry", "6.2831822972", "p5 decimal minutes", "359 59 59 ",
            "6.2832 radians = 360°0.0'");
        row("empty does nothing", "", "", "   ", "");
        row("above the snap ceiling", "6.2833", "", "   ", "", RadOut);
        row("far below", "-7", "", "   ", "", RadOut);
        row("too large for a double", "1e999", "", "   ", "", RadOut);
        row("too large negative", "-1e999", "decimal minutes", "   ", "", RadOut);
    }
    void radiansToDegrees() {
        QFETCH(QString, input);
        QFETCH(QString, options);
        QFETCH(QString, line);
        Fields fields;
        fields.radians = toStd(input);
        const auto result = Operations::radiansToDegrees(fields, optionsFrom(options));
        const auto &out = result.fields;
        QCOMPARE(toQ(out.radians), line.isEmpty() ? input : line.section(' ', 0, 0));
        QTEST(toQ(out.degrees + " " + out.minutes + " " + out.seconds + " " + out.sign), "dms");
        QCOMPARE(toQ(result.append), withLineBreak(line));
        QCOMPARE(result.outputToComma, false);
        QTEST(describe(result.message), "message");
    }

    // typed: degrees|minutes|seconds|sign; after: the three fields afterwards. The radians field
    // shows the value the line ends with, and a line with commas rewrites the earlier output.
    void degreesToRadians_data() {
        columns<QString, QString, QString, QString, QString>("typed", "options", "after", "line",
                                                             "message");
        auto row = [](const char *name, const char *typed, const char *after, const char *line,
                      const QString &message = {}, const char *options = "") {
            ::row(name, QString(typed), QString(options), QString(after), QString(line), message);
        };
        row("example a", "12|30|15|", "12|30|15", "12° 30' 15\" = 0.218239 radians");
        row("example b, comma mode", "1,5|||", "1,5|0|0", "1,5° 0' 0\" = 0,026180 radians");
        row("example c, negative zero", "0|0|0|-", "0|0|0", "-0° 0' 0\" = -0.000000 radians");
        row("blank fields are trimmed, nothing else", "  | |   |", "||", "");
        row("empty fields become 0", "90|||", "90|0|0", "90° 0' 0\" = 1.570796 radians");
        row("full turn", "360|0|0|", "360|0|0", "360° 0' 0\" = 6.283185 radians");
        row("full turn with minutes", "360|1|0|", "360|1|0", "", DegOut);
        row("above a full turn", "360.5|||", "360.5|0|0", "", DegOut);
        row("59 minutes", "0|59||", "0|59|0", "0° 59' 0\" = 0.017162 radians");
        row("59.5 minutes", "0|59.5||", "0|59.5|0", "", MinOut);
        row("60 minutes", "0|60||", "0|60|0", "", MinOut);
        row("60 seconds", "0|0|60|", "0|0|60", "", SecOut);
        row("minus typed", "-5|||", "-5|0|0", "", Invalid);
        row("point in a comma field", "1,5.2|||", "1,5.2|0|0", "", Invalid);
        row("invalid comes before range", "400|60|x|", "400|60|x", "", Invalid);
        row("degrees checked before minutes", "400|60||", "400|60|0", "", DegOut);
        row("blanks around a number", " 12 | 30 ||", "12|30|0", "12° 30' 0\" = 0.218166 radians");
        row("each field its own separator", "1,5|1.5||", "1,5|1.5|0",
            "1,5° 1,5' 0\" = 0,026616 radians");
        row("comma only in minutes", "1.5|1,5||", "1.5|1,5|0", "1.5° 1.5' 0\" = 0.026616 radians");
        row("echo without leading zero", ".5|||", ".5|0|0", ".5° 0' 0\" = 0.008727 radians");
        row("echo drops zeros", "012.50|||", "012.50|0|0", "12.5° 0' 0\" = 0.218166 radians");
        row("precision 5", "90|||", "90|0|0", "90° 0' 0\" = 1.5708 radians", {}, "p5");
        row("precision 8", "90|||", "90|0|0", "90° 0' 0\" = 1.5707963 radians", {}, "p8");
    }
    void degreesToRadians() {
        QFETCH(QString, typed);
        QFETCH(QString, options);
        QFETCH(QString, line);
        const auto field = typed.split('|');
        Fields fields;
        fields.degrees = toStd(field[0]);
        fields.minutes = toStd(field[1]);
        fields.seconds = toStd(field[2]);
        fields.sign = toStd(field[3]);
        const auto result = Operations::degreesToRadians(fields, optionsFrom(options));
        const auto &out = result.fields;
        QTEST(toQ(out.degrees + "|" + out.minutes + "|" + out.seconds), "after");
        QCOMPARE(toQ(out.radians), line.section(' ', -2, -2));
        const QString earlier = line.contains(',') ? "earlier,\r\n" : "earlier.\r\n";
        QCOMPARE(toQ(applyToOutput("earlier.\r\n", result)), earlier + withLineBreak(line));
        QCOMPARE(toQ(out.sign), field[3]);
        QTEST(describe(result.message), "message");
    }

    // index 0 adds, 1 subtracts, 2 is the arrow; typed and after: radians|toAdd.
    void plusMinus_data() {
        columns<int, QString, QString, QString, QString, QString>("index", "typed", "options",
                                                                  "after", "line", "message");
        auto row = [](const char *name, int index, const char *typed, const char *after,
                      const char *line, const QString &message = {}, const char *options = "") {
            ::row(name, index, QString(typed), QString(options), QString(after), QString(line),
                  message);
        };
        row("add", 0, "1.5|2", "3.500000|2", "(1.5 + 2) mod 2pi = 3.500000");
        row("subtract gives the complement", 1, "1|2", "5.283185|2", "(1 - 2) mod 2pi = 5.283185");
        row("comma mode", 0, "1,5|2,25", "3,750000|2,25", "(1,5 + 2,25) mod 2pi = 3,750000");
        row("comma ends the second value", 0, "1.5|2,25", "3.500000|2",
            "(1.5 + 2) mod 2pi = 3.500000");
        row("negative first value keeps -.", 0, "-0.5|1", "0.500000|1",
            "(-.5 + 1) mod 2pi = 0.500000");
        row("positive first value gets its zero", 0, ".5|0", "0.500000|0",
            "(0.5 + 0) mod 2pi = 0.500000");
        row("nothing to add", 0, "1|", "1|", "");
        row("both empty", 1, "|", "|", "");
        row("empty first value is 0", 0, "|1", "1.000000|1", "(0 + 1) mod 2pi = 1.000000");
        row("rounded below the full turn", 0, "6.2831853|0", "6.283185|0",
            "(6.283185 + 0) mod 2pi = 6.283185");
        row("rounded above the full turn", 0, "6.2831853|0", "0.0000|0",
            "(6.2832 + 0) mod 2pi = 0.0000", {}, "p5");
        row("second value at minus the full turn", 0, "1|-6.283185", "1.000000|-6.283185",
            "(1 + -6.283185) mod 2pi = 1.000000");
        row("no number reads as 0", 0, "abc|1", "1.000000|1", "(0 + 1) mod 2pi = 1.000000");
        row("text after the number", 0, "1.5xyz|1", "2.500000|1", "(1.5 + 1) mod 2pi = 2.500000");
        row("second value rounded", 0, "1|0.00000049", "1.000000|0", "(1 + 0) mod 2pi = 1.000000");
        row("not logged", 0, "1.5|2", "3.500000|2", "", {}, "no log");
        row("first value out of range", 0, "6.2832|1", "6.2832|1", "", AddRadOut);
        row("first value too large for a double", 1, "1e999|1", "1e999|1", "", SubRadOut);
        row("empty first value, second out of range", 0, "|7", "0|7", "", AddSecondOut);
        row("second value out of range", 1, "1.50|-7", "1.5|-7", "", SubSecondOut);
        row("second value too large for a double", 0, "1|9e999", "1|9e999", "", AddSecondOut);
        row("arrow moves the first value", 2, "1.5|2", "|1.5", "");
        row("arrow with nothing typed", 2, "|2", "|", "");
    }
    void plusMinus() {
        QFETCH(int, index);
        QFETCH(QString, typed);
        QFETCH(QString, options);
        QFETCH(QString, line);
        Fields fields;
        fields.radians = toStd(typed.section('|', 0, 0));
        fields.toAdd = toStd(typed.section('|', 1));
        fields.degrees = "12";
        const auto result = Operations::plusMinus(index, fields, optionsFrom(options));
        QTEST(toQ(result.fields.radians + "|" + result.fields.toAdd), "after");
        QCOMPARE(toQ(result.fields.degrees), QString("12"));
        QCOMPARE(toQ(result.append), withLineBreak(line));
        QTEST(describe(result.message), "message");
    }
};

QTEST_APPLESS_MAIN(TestAngles)
#include "tst_angles.moc"
