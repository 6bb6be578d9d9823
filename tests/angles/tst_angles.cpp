#include "DataTable.h"
#include "NumberReading.h"
#include "NumberText.h"
#include "Operations.h"
#include "Paste.h"
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
    if (!message)
        return {};
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

// Options from words: "p5" or "p8", "decimal minutes" or "decimal degrees"; none gives the
// start options.
OutputOptions optionsFrom(const QString &words) {
    OutputOptions options;
    options.precision = words.contains("p5") ? 5 : words.contains("p8") ? 8 : 7;
    options.decimalOutput = words.contains("decimal");
    options.decimalUnit = words.contains("minutes") ? DecimalUnit::Minutes : DecimalUnit::Degrees;
    return options;
}

const QString RadOut = "Radians out of range | Radians to degrees | information | radians";
const QString SubRadOut = "Radians out of range | Subtract' | information | radians";
const QString AddSecondOut = "Second value out of range | Add | information | toAdd";
} // namespace

class TestAngles : public QObject {
    Q_OBJECT

private slots:
    void readLeadingNumber_data() {
        columns<QString, double>("text", "value");
        row("blanks, tabs, line feeds anywhere", " 1\n .\t5 ", 1.5);
        row("blank after the sign", "- 2", -2.0);
        row("comma ends it", "1,5", 1.0);
        row("exponent without digits", "1e", 1.0);
        row("correctly rounded", "9007199254740993", 9007199254740992.0);
        row("a digit past the 800th decides a half", // 1 + 2^-53, then zeros, then a 1
            "1.00000000000000011102230246251565404236316680908203125" + QString(800, u'0') + "1",
            1.0000000000000002);
        row("inf is not a number", "inf", 0.0);
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

    void round_data() {
        columns<double, int, double>("value", "decimals", "rounded");
        row("just above a half", std::nextafter(0.125, 1.0), 2, 0.13);
        row("typed half, binary below", 2.675, 2, 2.68);
        row("half after a zero", 1.0000005, 6, 1.0);
        row("half after a one", 1.0000015, 6, 1.000002);
        row("carry through nines", 9.9999995, 6, 10.0);
        row("half below the first digit", 0.0005, 3, 0.0);
        row("full turn at 7", Rad2Deg::FullTurn, 7, 6.2831853);
        row("full turn at 4 rises above it", Rad2Deg::FullTurn, 4, 6.2832);
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
        row("minus full turn is zero", -turn, 0.0);
        row("tiny negative lands on zero", -1e-17, 0.0);
    }
    void reduceAngle() {
        QFETCH(double, angle);
        QFETCH(double, reduced);
        QVERIFY(same(Operations::ReduceAngle(angle), reduced));
    }

    void fixedResult_data() {
        columns<double, int, bool, QString>("value", "decimals", "comma", "text");
        row("binary half to even", 0.03125, 4, false, "0.0312");
        row("negative zero has no sign", -0.0, 5, false, "0.00000");
        row("negative rounding to zero has no sign", -0.0000001, 5, false, "0.00000");
    }
    void fixedResult() {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(bool, comma);
        QTEST(toQ(NumberText::fixedResult(value, decimals, comma)), "text");
    }

    void plain_data() {
        columns<double, QString>("value", "text");
        row("small, no exponent", 0.000001, ".000001");
        row("rounded up at 15 digits", 2.0 / 3, ".666666666666667");
        row("rounds to a whole", 0.99999999999999994, "1");
        row("large, no exponent", 123456789012345678.0, "123456789012346000");
    }
    void plain() {
        QFETCH(double, value);
        QTEST(toQ(NumberText::plain(value)), "text");
    }

    // The line of a pasted text that counts: its first line that is not blank.
    void pastedLine_data() {
        columns<QString, QString>("pasted", "line");
        row("tab", "1\t2", "1");
        row("blank lines before", "\r\n  \n\v\f1.5\n2", "1.5");
        row("Unicode line and paragraph breaks and NEL", "\u2028\u2029\u00851\u20282", "1");
        row("all blank", "  \n\n", "  ");
        row("blanks kept around the number", " 1 \r\n", " 1 ");
    }
    void pastedLine() {
        QFETCH(QString, pasted);
        QTEST(toQ(Paste::firstLine(toStd(pasted))), "line");
    }

    // Where the exact model steps aside (the minutes at the degree nudge, a negative value that
    // shows as zero, a value too large for a double, the written full turn) or has no
    // say (the arrow, a button out of range), with the message's icon and focus. button -1 converts
    // to degrees, 0 adds, 1 subtracts, 2 is the arrow; typed: radians|toAdd; after: every field and
    // the sign label.
    void operations_data() {
        columns<int, QString, QString, QString, QString, QString>("button", "typed", "options",
                                                                  "after", "line", "message");
        auto row = [](const char *name, int button, const char *typed, const char *options,
                      const char *after, const char *line, const QString &message = {}) {
            ::row(name, button, QString(typed), QString(options), QString(after), QString(line),
                  message);
        };
        row("nudged minutes below zero", -1, "0.069813|", "decimal minutes", "0.069813||4|0|0|",
            "0.069813 radians = 3°59.999'");
        row("minutes rounding to 60 carry", -1, "6.2831822972|", "p5 decimal minutes",
            "6.2832||359|59|59|", "6.2832 radians = 360°0.0'");
        row("negative value that shows as zero", -1, "-0.00000001|", "", "-0.000000||0|0|0|-",
            "-0.000000 radians = 0° 0' 0\"");
        row("negative decimal degrees that show as zero", -1, "-0.00000001|", "decimal degrees",
            "-0.000000||0|0|0|-", "-0.000000 radians = 0.00000°");
        row("too large for a double", -1, "1e999|", "", "1e999|||||", "", RadOut);
        row("written full turn read back as the full turn", 0, "-6.2832|6.2832", "p5",
            "0.0000|6.2832||||", "(-6.2832 + 6.2832) mod 2pi = 0.0000");
        row("first value too large for a double", 1, "1e999|1", "", "1e999|1||||", "", SubRadOut);
        row("second value too large for a double", 0, "1|9e999", "", "1|9e999||||", "",
            AddSecondOut);
        row("arrow moves the first value", 2, "1.5|2", "", "|1.5||||", "");
        row("no such button", 3, "1|2", "", "1|2||||", "");
    }
    void operations() {
        QFETCH(int, button);
        QFETCH(QString, typed);
        QFETCH(QString, options);
        QFETCH(QString, line);
        const Fields in{
            toStd(typed.section('|', 0, 0)), toStd(typed.section('|', 1)), "", "", "", ""};
        const auto result = button < 0 ? Operations::radiansToDegrees(in, optionsFrom(options))
                                       : Operations::plusMinus(button, in, optionsFrom(options));
        const Fields &f = result.fields;
        QTEST(toQ(f.radians + "|" + f.toAdd + "|" + f.degrees + "|" + f.minutes + "|" + f.seconds +
                  "|" + f.sign),
              "after");
        QCOMPARE(toQ(result.append), line.isEmpty() ? line : line + "\r\n");
        QTEST(describe(result.message), "message");
    }
};

QTEST_APPLESS_MAIN(TestAngles)
#include "tst_angles.moc"
