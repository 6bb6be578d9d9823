#include "Operations.h"
#include "Windows1252.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

namespace {

// The help text as the viewer reads it: Windows-1252 with CR LF line ends, which the examples
// below are split by.
QString helpText() {
    QFile file(QStringLiteral(ANGULOR_HELP_SOURCE));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", ANGULOR_HELP_SOURCE);
    return Windows1252::decode(file.readAll());
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

// "command typed options": the command "r" radians to degrees, "d" degrees to radians, "+" or
// "-"; typed radians|toAdd or degrees|minutes|seconds|sign; options "p5", "decimal degrees",
// "decimal minutes", "round to minutes", or none for the start options.
OperationResult run(const QString &example) {
    const QString command = example.section(u' ', 0, 0), options = example.section(u' ', 2);
    const QStringList t = example.section(u' ', 1, 1).split(u'|');
    const qsizetype at = command == "d" ? 2 : 0; // degrees come third among the fields
    const auto typed = [&](qsizetype field) { return t.value(field - at).toStdString(); };
    const Fields f{typed(0), typed(1), typed(2), typed(3), typed(4), typed(5)};
    const OutputOptions o{.precision = std::int16_t(options == "p5" ? 5 : 7),
                          .decimalOutput = options.startsWith("decimal"),
                          .decimalUnit = options.endsWith("minutes") ? DecimalUnit::Minutes
                                                                     : DecimalUnit::Degrees,
                          .roundToMinutes = options == "round to minutes"};
    return command == "d"   ? Operations::degreesToRadians(f, o)
           : command == "r" ? Operations::radiansToDegrees(f, o)
                            : Operations::plusMinus(command == "-" ? 1 : 0, f, o);
}

} // namespace

class TestHelpText : public QObject {
    Q_OBJECT
private slots:
    // Every worked example of the help is what Angulor writes, and every one is checked here.
    void showsWhatAngulorWrites() {
        QStringList produced;
        for (const char *example :
             {"r 1", "r -1", "r 1 decimal degrees", "r 1 decimal minutes", "r 1 round to minutes",
              "r 0.5 p5", "r 1,5", "d 12|30|15", "d 12|30|15|-", "d 1,5", "+ 1.5|2", "+ 3.500000|2",
              "+ 5.500000|2", "- 1|2"}) {
            const OperationResult result = run(example);
            QVERIFY2(!result.message, example);
            produced << QString::fromStdString(applyToOutput("", result)).trimmed();
        }
        QStringList shown = exampleLines();
        shown.removeDuplicates();
        shown.sort();
        produced.sort();
        QCOMPARE(shown, produced);
    }

    // Each message the help quotes is, word for word, one that Angulor shows.
    void quotesEachMessage() {
        for (const char *example :
             {"r 7", "+ 7|1", "- 1|7", "d -5", "d 361", "d 1|60", "d 1||60"}) {
            const OperationResult result = run(example);
            QVERIFY2(result.message, example);
            const QString quoted = '"' + QString::fromStdString(result.message->text) + '"';
            QVERIFY2(helpText().contains(quoted), qPrintable(quoted));
        }
    }
};

QTEST_GUILESS_MAIN(TestHelpText)
#include "tst_help_text.moc"
