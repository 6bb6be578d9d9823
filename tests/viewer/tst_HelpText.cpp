#include "Operations.h"
#include "Windows1252.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

Q_DECLARE_METATYPE(Fields)

namespace {

enum class Command { RadiansToDegrees, DegreesToRadians, Add, Subtract };

QByteArray helpBytes() {
    QFile file(QStringLiteral(ANGULOR_HELP_SOURCE));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", ANGULOR_HELP_SOURCE);
    return file.readAll();
}

QString helpText() {
    return Windows1252::decode(helpBytes());
}

// The result lines the help shows as examples: indented by six blanks, maybe followed by a
// note in brackets.
QStringList exampleLines() {
    static const QRegularExpression example(QStringLiteral(
        R"(^ {6}(\S.*?(?: radians = |mod 2pi = | = .* radians).*?)(?:\s{2,}\(.*\))?$)"));
    QStringList lines;
    for (const QString &line : helpText().split(QStringLiteral("\r\n"))) {
        const auto match = example.match(line);
        if (match.hasMatch())
            lines.append(match.captured(1).trimmed());
    }
    return lines;
}

OperationResult run(Command command, const Fields &fields, const OutputOptions &options) {
    switch (command) {
    case Command::RadiansToDegrees:
        return Operations::RadiansToDegrees(fields, options);
    case Command::DegreesToRadians:
        return Operations::DegreesToRadians(fields, options);
    case Command::Add:
        return Operations::PlusMinus(0, fields, options);
    case Command::Subtract:
        return Operations::PlusMinus(1, fields, options);
    }
    return {};
}

Fields radians(const char *value, const char *toAdd = "") {
    Fields fields;
    fields.radians = value;
    fields.toAdd = toAdd;
    return fields;
}

Fields dms(const char *degrees, const char *minutes, const char *seconds, const char *sign = "") {
    Fields fields;
    fields.degrees = degrees;
    fields.minutes = minutes;
    fields.seconds = seconds;
    fields.sign = sign;
    return fields;
}

OutputOptions options(int precision = 7, bool decimal = false,
                      DecimalUnit unit = DecimalUnit::Degrees, bool roundToMinutes = false) {
    OutputOptions o;
    o.precision = static_cast<std::int16_t>(precision);
    o.decimalOutput = decimal;
    o.decimalUnit = unit;
    o.roundToMinutes = roundToMinutes;
    return o;
}

struct Example {
    const char *name;
    Command command;
    Fields fields;
    OutputOptions options;
};

const QList<Example> &examples() {
    static const QList<Example> list{
        {"one radian", Command::RadiansToDegrees, radians("1"), options()},
        {"minus one radian", Command::RadiansToDegrees, radians("-1"), options()},
        {"decimal degrees", Command::RadiansToDegrees, radians("1"), options(7, true)},
        {"decimal minutes", Command::RadiansToDegrees, radians("1"),
         options(7, true, DecimalUnit::Minutes)},
        {"round to minutes", Command::RadiansToDegrees, radians("1"),
         options(7, false, DecimalUnit::Degrees, true)},
        {"precision entry 6", Command::RadiansToDegrees, radians("0.5"), options(5)},
        {"decimal comma in radians", Command::RadiansToDegrees, radians("1,5"), options()},
        {"degrees minutes seconds", Command::DegreesToRadians, dms("12", "30", "15"), options()},
        {"negative after change sign", Command::DegreesToRadians, dms("12", "30", "15", "-"),
         options()},
        {"decimal comma in degrees", Command::DegreesToRadians, dms("1,5", "", ""), options()},
        {"add", Command::Add, radians("1.5", "2"), options()},
        {"add again", Command::Add, radians("3.500000", "2"), options()},
        {"add past the full turn", Command::Add, radians("5.500000", "2"), options()},
        {"subtract", Command::Subtract, radians("1", "2"), options()},
    };
    return list;
}

QString lineOf(const OperationResult &result) {
    return QString::fromStdString(ApplyToOutput("", result)).trimmed();
}

} // namespace

class tst_HelpText : public QObject {
    Q_OBJECT
private slots:
    void showsWhatAngulorWrites_data();
    void showsWhatAngulorWrites();
    void everyExampleIsChecked();
    void quotesEachMessage_data();
    void quotesEachMessage();
    void namesEveryControl_data();
    void namesEveryControl();
    void isPlainWindows1252WithCrLf();
    void liesBesideTheProgram();
};

void tst_HelpText::showsWhatAngulorWrites_data() {
    QTest::addColumn<int>("index");
    for (int i = 0; i < examples().size(); ++i)
        QTest::newRow(examples()[i].name) << i;
}

void tst_HelpText::showsWhatAngulorWrites() {
    QFETCH(int, index);
    const Example &example = examples()[index];
    const OperationResult result = run(example.command, example.fields, example.options);
    QVERIFY(!result.message);
    const QString line = lineOf(result);
    QVERIFY2(exampleLines().contains(line), qPrintable(QStringLiteral("not in the help: ") + line));
}

void tst_HelpText::everyExampleIsChecked() {
    QSet<QString> produced;
    for (const Example &example : examples())
        produced.insert(lineOf(run(example.command, example.fields, example.options)));
    const QStringList lines = exampleLines();
    QVERIFY(lines.size() >= examples().size());
    for (const QString &line : lines)
        QVERIFY2(produced.contains(line), qPrintable(QStringLiteral("unchecked: ") + line));
}

void tst_HelpText::quotesEachMessage_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<Fields>("fields");
    QTest::newRow("radians out of range") << int(Command::RadiansToDegrees) << radians("7");
    QTest::newRow("add: radians out of range") << int(Command::Add) << radians("7", "1");
    QTest::newRow("second value out of range") << int(Command::Subtract) << radians("1", "7");
    QTest::newRow("invalid input") << int(Command::DegreesToRadians) << dms("-5", "", "");
    QTest::newRow("degrees out of range") << int(Command::DegreesToRadians) << dms("361", "", "");
    QTest::newRow("minutes out of range") << int(Command::DegreesToRadians) << dms("1", "60", "");
    QTest::newRow("seconds out of range") << int(Command::DegreesToRadians) << dms("1", "", "60");
}

void tst_HelpText::quotesEachMessage() {
    QFETCH(int, command);
    QFETCH(Fields, fields);
    const OperationResult result = run(static_cast<Command>(command), fields, options());
    QVERIFY(result.message);
    const QString quoted =
        QLatin1Char('"') + QString::fromStdString(result.message->text) + QLatin1Char('"');
    QVERIFY2(helpText().contains(quoted), qPrintable(quoted));
}

void tst_HelpText::namesEveryControl_data() {
    QTest::addColumn<QString>("caption");
    for (const char *caption : {"Radians",
                                "Degrees:",
                                "minutes:",
                                "seconds:",
                                "+",
                                "->",
                                "second value field",
                                "Show +/- results",
                                "Significant figures:",
                                "\"6\"",
                                "\"7\"",
                                "\"8\"",
                                "\"9\"",
                                "Radians to degrees",
                                "Round to minutes",
                                "Output in decimal",
                                "degrees / minutes",
                                "Change sign",
                                "Degrees to radians",
                                "Copy output to clipboard",
                                "Clear input",
                                "Clear output",
                                "Help",
                                "Quit",
                                "Output box",
                                "underlined notice",
                                "Quevrin Systems Software",
                                "Enter",
                                "decimal comma"})
        QTest::newRow(caption) << QString::fromLatin1(caption);
}

void tst_HelpText::namesEveryControl() {
    QFETCH(QString, caption);
    QVERIFY(helpText().contains(caption));
}

void tst_HelpText::isPlainWindows1252WithCrLf() {
    const QByteArray bytes = helpBytes();
    QVERIFY(bytes.endsWith("\r\n"));
    QVERIFY(bytes.contains("57\xB0 17' 45\""));
    const QList<QByteArray> lines = bytes.split('\n');
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        const QByteArray &line = lines[i];
        const QByteArray where = "line " + QByteArray::number(i + 1);
        QVERIFY2(line.endsWith('\r'), where.constData());
        QVERIFY2(line.size() - 1 <= 100, where.constData());
        for (const char c : line.first(line.size() - 1)) {
            const auto byte = static_cast<unsigned char>(c);
            QVERIFY2(byte >= 0x20 && byte != 0x7F, where.constData());
            for (const unsigned char undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
                QVERIFY2(byte != undefined, where.constData());
            QVERIFY2(byte != 0xC2 && byte != 0xC3, (where + ": UTF-8 in the text").constData());
        }
    }
}

void tst_HelpText::liesBesideTheProgram() {
    QFile copy(QStringLiteral(ANGULOR_HELP_BESIDE_PROGRAM));
    QVERIFY2(copy.open(QIODevice::ReadOnly), ANGULOR_HELP_BESIDE_PROGRAM);
    QCOMPARE(copy.readAll(), helpBytes());
}

QTEST_GUILESS_MAIN(tst_HelpText)
#include "tst_HelpText.moc"
