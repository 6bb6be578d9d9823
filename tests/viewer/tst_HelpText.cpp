#include "Operations.h"
#include "Windows1252.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

namespace {

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

// command: "r" radians to degrees, "d" degrees to radians, "+" or "-"; typed: radians|toAdd,
// or degrees|minutes|seconds|sign; options: "p5", "decimal degrees", "decimal minutes",
// "round to minutes", or empty for the start options.
OperationResult run(const QString &command, const QString &typed, const QString &options = {}) {
    const QStringList t = (typed + QStringLiteral("|||")).split(u'|');
    OutputOptions o;
    o.precision = options == QStringLiteral("p5") ? 5 : 7;
    o.decimalOutput = options.startsWith(QStringLiteral("decimal"));
    o.decimalUnit =
        options.endsWith(QStringLiteral("minutes")) ? DecimalUnit::Minutes : DecimalUnit::Degrees;
    o.roundToMinutes = options == QStringLiteral("round to minutes");
    Fields f;
    if (command == "d") {
        f.degrees = t[0].toStdString();
        f.minutes = t[1].toStdString();
        f.seconds = t[2].toStdString();
        f.sign = t[3].toStdString();
        return Operations::DegreesToRadians(f, o);
    }
    f.radians = t[0].toStdString();
    f.toAdd = t[1].toStdString();
    return command == "r" ? Operations::RadiansToDegrees(f, o)
                          : Operations::PlusMinus(command == "-" ? 1 : 0, f, o);
}

} // namespace

class tst_HelpText : public QObject {
    Q_OBJECT
private slots:
    // Every worked example of the help is what Angulor writes, and every one is checked here.
    void showsWhatAngulorWrites() {
        const QStringList examples[] = {{"r", "1"},
                                        {"r", "-1"},
                                        {"r", "1", "decimal degrees"},
                                        {"r", "1", "decimal minutes"},
                                        {"r", "1", "round to minutes"},
                                        {"r", "0.5", "p5"},
                                        {"r", "1,5"},
                                        {"d", "12|30|15"},
                                        {"d", "12|30|15|-"},
                                        {"d", "1,5"},
                                        {"+", "1.5|2"},
                                        {"+", "3.500000|2"},
                                        {"+", "5.500000|2"},
                                        {"-", "1|2"}};
        QStringList produced;
        for (const QStringList &example : examples) {
            const OperationResult result = run(example[0], example[1], example.value(2));
            QVERIFY(!result.message);
            produced << QString::fromStdString(ApplyToOutput("", result)).trimmed();
        }
        QStringList shown = exampleLines();
        shown.removeDuplicates();
        shown.sort();
        produced.sort();
        QCOMPARE(shown, produced);
    }

    void quotesEachMessage_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("typed");
        QTest::newRow("radians out of range") << "r"
                                              << "7";
        QTest::newRow("add: radians out of range") << "+"
                                                   << "7|1";
        QTest::newRow("second value out of range") << "-"
                                                   << "1|7";
        QTest::newRow("invalid input") << "d"
                                       << "-5";
        QTest::newRow("degrees out of range") << "d"
                                              << "361";
        QTest::newRow("minutes out of range") << "d"
                                              << "1|60";
        QTest::newRow("seconds out of range") << "d"
                                              << "1||60";
    }
    void quotesEachMessage() {
        QFETCH(QString, command);
        QFETCH(QString, typed);
        const OperationResult result = run(command, typed);
        QVERIFY(result.message);
        const QString quoted = '"' + QString::fromStdString(result.message->text) + '"';
        QVERIFY2(helpText().contains(quoted), qPrintable(quoted));
    }

    void namesEveryControl() {
        const QString captions = QStringLiteral(
            "Radians|Degrees:|minutes:|seconds:|+|->|second value field|Show +/- results|"
            "Significant figures:|\"6\"|\"7\"|\"8\"|\"9\"|Radians to degrees|Round to minutes|"
            "Output in decimal|degrees / minutes|Change sign|Degrees to radians|"
            "Copy output to clipboard|Clear input|Clear output|Help|Quit|Output box|"
            "underlined notice|Quevrin Systems Software|Enter|decimal comma");
        const QString help = helpText();
        for (const QString &caption : captions.split(u'|'))
            QVERIFY2(help.contains(caption), qPrintable(caption));
    }

    void isPlainWindows1252WithCrLf() {
        const QByteArray bytes = helpBytes();
        QVERIFY(bytes.endsWith("\r\n"));
        QVERIFY(bytes.contains("57\xB0 17' 45\""));
        const QList<QByteArray> lines = bytes.split('\n');
        for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
            const QByteArray &line = lines[i];
            const QByteArray where = "line " + QByteArray::number(i + 1);
            QVERIFY2(line.endsWith('\r') && line.size() - 1 <= 100, where.constData());
            for (const char c : line.first(line.size() - 1)) {
                const auto byte = static_cast<unsigned char>(c);
                // Control characters, the five undefined bytes, and the lead bytes of UTF-8.
                for (const unsigned char bad : {0x7F, 0x81, 0x8D, 0x8F, 0x90, 0x9D, 0xC2, 0xC3})
                    QVERIFY2(byte >= 0x20 && byte != bad, where.constData());
            }
        }
    }

    void liesBesideTheProgram() {
        QFile copy(QStringLiteral(ANGULOR_HELP_BESIDE_PROGRAM));
        QVERIFY2(copy.open(QIODevice::ReadOnly), ANGULOR_HELP_BESIDE_PROGRAM);
        QCOMPARE(copy.readAll(), helpBytes());
    }
};

QTEST_GUILESS_MAIN(tst_HelpText)
#include "tst_HelpText.moc"
