#include "Operations.h"
#include "TestAngles.h"

#include <QTest>

namespace {
QString RadiansOut(const char *title) {
    return QString("Radians out of range | %1 | information | radians").arg(title);
}
QString SecondOut(const char *title) {
    return QString("Second value out of range | %1 | information | toAdd").arg(title);
}
} // namespace

void TestAngles::plusMinus_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("radians");
    QTest::addColumn<QString>("toAdd");
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("radiansAfter");
    QTest::addColumn<QString>("toAddAfter");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("message");
    auto row = [](const char *name, int index, QString radians, QString toAdd, QString options,
                  QString radiansAfter, QString toAddAfter, QString line, QString message = {}) {
        QTest::newRow(name) << index << radians << toAdd << options << radiansAfter << toAddAfter
                            << line << message;
    };
    row("add", 0, "1.5", "2", "start", "3.500000", "2", "(1.5 + 2) mod 2pi = 3.500000");
    row("subtract gives the complement", 1, "1", "2", "start", "5.283185", "2",
        "(1 - 2) mod 2pi = 5.283185");
    row("comma mode", 0, "1,5", "2,25", "start", "3,750000", "2,25",
        "(1,5 + 2,25) mod 2pi = 3,750000");
    row("comma ends the second value", 0, "1.5", "2,25", "start", "3.500000", "2",
        "(1.5 + 2) mod 2pi = 3.500000");
    row("negative first value keeps -.", 0, "-0.5", "1", "start", "0.500000", "1",
        "(-.5 + 1) mod 2pi = 0.500000");
    row("positive first value gets its zero", 0, ".5", "0", "start", "0.500000", "0",
        "(0.5 + 0) mod 2pi = 0.500000");
    row("nothing to add", 0, "1", "", "start", "1", "", "");
    row("both empty", 1, "", "", "start", "", "", "");
    row("empty first value is 0", 0, "", "1", "start", "1.000000", "1",
        "(0 + 1) mod 2pi = 1.000000");
    row("rounded below the full turn", 0, "6.2831853", "0", "start", "6.283185", "0",
        "(6.283185 + 0) mod 2pi = 6.283185");
    row("rounded above the full turn", 0, "6.2831853", "0", "p5", "0.0000", "0",
        "(6.2832 + 0) mod 2pi = 0.0000");
    row("second value at minus the full turn", 0, "1", "-6.283185", "start", "1.000000",
        "-6.283185", "(1 + -6.283185) mod 2pi = 1.000000");
    row("no number reads as 0", 0, "abc", "1", "start", "1.000000", "1",
        "(0 + 1) mod 2pi = 1.000000");
    row("text after the number", 0, "1.5xyz", "1", "start", "2.500000", "1",
        "(1.5 + 1) mod 2pi = 2.500000");
    row("second value rounded", 0, "1", "0.00000049", "start", "1.000000", "0",
        "(1 + 0) mod 2pi = 1.000000");
    row("not logged", 0, "1.5", "2", "no log", "3.500000", "2", "");
    row("first value out of range", 0, "6.2832", "1", "start", "6.2832", "1", "",
        RadiansOut("Add"));
    row("first value too large for a double", 1, "1e999", "1", "start", "1e999", "1", "",
        RadiansOut("Subtract'"));
    row("empty first value, second out of range", 0, "", "7", "start", "0", "7", "",
        SecondOut("Add"));
    row("second value out of range", 1, "1.50", "-7", "start", "1.5", "-7", "",
        SecondOut("Subtract'"));
    row("second value too large for a double", 0, "1", "9e999", "start", "1", "9e999", "",
        SecondOut("Add"));
    row("arrow moves the first value", 2, "1.5", "2", "start", "", "1.5", "");
    row("arrow with nothing typed", 2, "", "2", "start", "", "", "");
}

void TestAngles::plusMinus() {
    QFETCH(int, index);
    QFETCH(QString, radians);
    QFETCH(QString, toAdd);
    QFETCH(QString, options);
    Fields fields;
    fields.radians = S(radians);
    fields.toAdd = S(toAdd);
    fields.degrees = "12";
    const auto result = Operations::PlusMinus(index, fields, OptionsFrom(options));
    QTEST(Q(result.fields.radians), "radiansAfter");
    QTEST(Q(result.fields.toAdd), "toAddAfter");
    QCOMPARE(Q(result.fields.degrees), QString("12"));
    QFETCH(QString, line);
    QCOMPARE(Q(result.append), line.isEmpty() ? line : line + "\r\n");
    QTEST(Describe(result.message), "message");
}
