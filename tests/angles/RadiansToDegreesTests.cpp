#include "Operations.h"
#include "TestAngles.h"

#include <QTest>

namespace {
const QString OutOfRange = "Radians out of range | Radians to degrees | information | radians";
}

void TestAngles::radiansToDegrees_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("radians");
    QTest::addColumn<QString>("dms"); // degrees, minutes, seconds fields and the sign label
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("message");
    auto row = [](const char *name, QString input, QString options, QString radians, QString dms,
                  QString line, QString message = {}) {
        QTest::newRow(name) << input << options << radians << dms << line << message;
    };
    row("one radian", "1", "start", "1.000000", "57 17 45 ", "1.000000 radians = 57° 17' 45\"");
    row("negative", "-1", "start", "-1.000000", "57 17 45 -", "-1.000000 radians = -57° 17' 45\"");
    row("comma mode", "1,5", "start", "1,500000", "85 56 37 ", "1,500000 radians = 85° 56' 37\"");
    row("precision 5", "0.5", "p5", "0.5000", "28 38 52 ", "0.5000 radians = 28° 38' 52\"");
    row("snap to the full turn", "6.2832", "start", "6.283185", "360 0 0 ",
        "6.283185 radians = 360° 0' 0\"");
    row("negative snap", "-6.2832", "start", "-6.283185", "360 0 0 -",
        "-6.283185 radians = -360° 0' 0\"");
    row("no number reads as zero", "abc", "start", "0.000000", "0 0 0 ",
        "0.000000 radians = 0° 0' 0\"");
    row("decimal degrees", "1", "decimal degrees", "1.000000", "57 17 45 ",
        "1.000000 radians = 57.29578°");
    row("negative decimal degrees", "-0.5", "decimal degrees", "-0.500000", "28 38 52 -",
        "-0.500000 radians = -28.64789°");
    row("decimal degrees in comma mode", "0,5", "decimal degrees", "0,500000", "28 38 52 ",
        "0,500000 radians = 28,64789°");
    row("decimal minutes", "1", "decimal minutes", "1.000000", "57 17 45 ",
        "1.000000 radians = 57°17.747'");
    row("minutes above 59.5 keep their degree", "0.2268", "decimal minutes", "0.226800",
        "12 59 41 ", "0.226800 radians = 12°59.681'");
    row("negative decimal minutes", "-0.5", "decimal minutes", "-0.500000", "28 38 52 -",
        "-0.500000 radians = -28°38.873'");
    row("round to minutes", "1", "round to minutes", "1.000000", "57 18  ",
        "1.000000 radians = 57°18'");
    row("fields carry to 360, line stays below", "6.2831", "round to minutes", "6.283100",
        "360 0  ", "6.283100 radians = 359°59'");
    row("just below the full turn", "6.2831", "start", "6.283100", "359 59 42 ",
        "6.283100 radians = 359° 59' 42\"");
    row("negative rounding to zero", "-0.00000001", "start", "-0.000000", "0 0 0 -",
        "-0.000000 radians = 0° 0' 0\"");
    row("points then text", "1.2.3", "start", "1.200000", "68 45 18 ",
        "1.200000 radians = 68° 45' 18\"");
    row("precision 8", "1", "p8", "1.0000000", "57 17 45 ", "1.0000000 radians = 57° 17' 45\"");
    row("empty does nothing", "", "start", "", "   ", "");
    row("above the snap ceiling", "6.2833", "start", "6.2833", "   ", "", OutOfRange);
    row("far below", "-7", "start", "-7", "   ", "", OutOfRange);
    row("too large for a double", "1e999", "start", "1e999", "   ", "", OutOfRange);
    row("too large negative", "-1e999", "decimal minutes", "-1e999", "   ", "", OutOfRange);
    row("nudged minutes round to zero", "6.2832", "decimal minutes", "6.283185", "360 0 0 ",
        "6.283185 radians = 360°0.000'");
    row("nudged minutes at precision 8", "3.14159265", "p8 decimal minutes", "3.1415926",
        "180 0 0 ", "3.1415926 radians = 180°0.0000'");
    row("nudged minutes below zero", "0.069813", "decimal minutes", "0.069813", "4 0 0 ",
        "0.069813 radians = 3°59.999'");
    row("minutes rounding to 60 carry", "6.2831822972", "p5 decimal minutes", "6.2832",
        "359 59 59 ", "6.2832 radians = 360°0.0'");
}

void TestAngles::radiansToDegrees() {
    QFETCH(QString, input);
    QFETCH(QString, options);
    Fields fields;
    fields.radians = S(input);
    const auto result = Operations::RadiansToDegrees(fields, OptionsFrom(options));
    const auto &out = result.fields;
    QTEST(Q(out.radians), "radians");
    QTEST(Q(out.degrees + " " + out.minutes + " " + out.seconds + " " + out.sign), "dms");
    QFETCH(QString, line);
    QCOMPARE(Q(result.append), line.isEmpty() ? line : line + "\r\n");
    QCOMPARE(result.outputToComma, false);
    QTEST(Describe(result.message), "message");
}
