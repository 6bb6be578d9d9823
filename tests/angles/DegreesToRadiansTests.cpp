#include "Operations.h"
#include "TestAngles.h"

#include <QTest>

namespace {
const QString Invalid =
    "Invalid input for degrees, minutes or seconds. | Degrees to radians | exclamation | none";
const QString Degrees = "Degrees out of range | Degrees to radians | information | degrees";
const QString Minutes = "Minutes out of range | Degrees to radians | information | minutes";
const QString Seconds = "Seconds out of range | Degrees to radians | information | seconds";
} // namespace

void TestAngles::degreesToRadians_data() {
    QTest::addColumn<QString>("dms"); // degrees|minutes|seconds|sign as typed
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("fieldsAfter"); // degrees|minutes|seconds as they stand afterwards
    QTest::addColumn<QString>("radians");
    QTest::addColumn<QString>("output"); // the whole output afterwards, from "earlier.\r\n"
    QTest::addColumn<QString>("message");
    const QString before = "earlier.\r\n";
    auto row = [&](const char *name, QString dms, QString options, QString fieldsAfter,
                   QString radians, QString line, QString message = {}) {
        QTest::newRow(name) << dms << options << fieldsAfter << radians
                            << (line.isEmpty() ? before : before + line + "\r\n") << message;
    };
    auto comma = [&](const char *name, QString dms, QString fieldsAfter, QString radians,
                     QString line) {
        QTest::newRow(name) << dms << "start" << fieldsAfter << radians
                            << QString("earlier,\r\n" + line + "\r\n") << QString();
    };
    row("example a", "12|30|15|", "start", "12|30|15", "0.218239",
        "12° 30' 15\" = 0.218239 radians");
    comma("example b, comma mode", "1,5|||", "1,5|0|0", "0,026180",
          "1,5° 0' 0\" = 0,026180 radians");
    row("example c, negative zero", "0|0|0|-", "start", "0|0|0", "-0.000000",
        "-0° 0' 0\" = -0.000000 radians");
    row("blank fields are trimmed, nothing else", "  | |   |", "start", "||", "", "");
    row("empty fields become 0", "90|||", "start", "90|0|0", "1.570796",
        "90° 0' 0\" = 1.570796 radians");
    row("full turn", "360|0|0|", "start", "360|0|0", "6.283185", "360° 0' 0\" = 6.283185 radians");
    row("full turn with minutes", "360|1|0|", "start", "360|1|0", "", "", Degrees);
    row("above a full turn", "360.5|||", "start", "360.5|0|0", "", "", Degrees);
    row("59 minutes", "0|59||", "start", "0|59|0", "0.017162", "0° 59' 0\" = 0.017162 radians");
    row("59.5 minutes", "0|59.5||", "start", "0|59.5|0", "", "", Minutes);
    row("60 minutes", "0|60||", "start", "0|60|0", "", "", Minutes);
    row("59 seconds", "0|0|59|", "start", "0|0|59", "0.000286", "0° 0' 59\" = 0.000286 radians");
    row("59.5 seconds", "0|0|59.5|", "start", "0|0|59.5", "", "", Seconds);
    row("60 seconds", "0|0|60|", "start", "0|0|60", "", "", Seconds);
    row("minus typed", "-5|||", "start", "-5|0|0", "", "", Invalid);
    row("plus typed", "+5|||", "start", "+5|0|0", "", "", Invalid);
    row("blank between digits", "5 0|||", "start", "5 0|0|0", "", "", Invalid);
    row("exponent", "1e3|||", "start", "1e3|0|0", "", "", Invalid);
    row("two points", "1..2|||", "start", "1..2|0|0", "", "", Invalid);
    row("point in a comma field", "1,5.2|||", "start", "1,5.2|0|0", "", "", Invalid);
    row("invalid comes before range", "400|60|x|", "start", "400|60|x", "", "", Invalid);
    row("degrees checked before minutes", "400|60||", "start", "400|60|0", "", "", Degrees);
    row("blanks around a number", " 12 | 30 ||", "start", "12|30|0", "0.218166",
        "12° 30' 0\" = 0.218166 radians");
    comma("each field its own separator", "1,5|1.5||", "1,5|1.5|0", "0,026616",
          "1,5° 1,5' 0\" = 0,026616 radians");
    row("comma only in minutes", "1.5|1,5||", "start", "1.5|1,5|0", "0.026616",
        "1.5° 1.5' 0\" = 0.026616 radians");
    row("echo without leading zero", ".5|||", "start", ".5|0|0", "0.008727",
        ".5° 0' 0\" = 0.008727 radians");
    row("echo drops zeros", "012.50|||", "start", "012.50|0|0", "0.218166",
        "12.5° 0' 0\" = 0.218166 radians");
    row("small echo without exponent", "0.000001|||", "start", "0.000001|0|0", "0.000000",
        ".000001° 0' 0\" = 0.000000 radians");
    row("precision 5", "90|||", "p5", "90|0|0", "1.5708", "90° 0' 0\" = 1.5708 radians");
    row("precision 8", "90|||", "p8", "90|0|0", "1.5707963", "90° 0' 0\" = 1.5707963 radians");
}

void TestAngles::degreesToRadians() {
    QFETCH(QString, dms);
    QFETCH(QString, options);
    const auto typed = dms.split('|');
    Fields fields;
    fields.degrees = S(typed[0]);
    fields.minutes = S(typed[1]);
    fields.seconds = S(typed[2]);
    fields.sign = S(typed[3]);
    const auto result = Operations::DegreesToRadians(fields, OptionsFrom(options));
    const auto &out = result.fields;
    QTEST(Q(out.degrees + "|" + out.minutes + "|" + out.seconds), "fieldsAfter");
    QTEST(Q(out.radians), "radians");
    QTEST(Q(ApplyToOutput("earlier.\r\n", result)), "output");
    QCOMPARE(Q(out.sign), typed[3]);
    QTEST(Describe(result.message), "message");
}
