#include "StrProc.h"

#include <QTest>

using StrProc::CountOccurrences, StrProc::ReplaceAll, StrProc::TrimBlanks;

class TestStrings : public QObject {
    Q_OBJECT

private slots:
    // One table for the three helpers: "count" gives the count as text, "trim" ignores a and b,
    // "replace" replaces a by b.
    void helpers_data() {
        for (const char *column : {"helper", "text", "a", "b", "result"}) {
            QTest::addColumn<QString>(column);
        }
        auto row = [](const char *name, QString helper, QString text, QString a, QString b,
                      QString result) {
            QTest::newRow(name) << helper << text << a << b << result;
        };
        row("occurrences do not overlap", "count", "aaa", "aa", "", "1");
        row("back to back", "count", "aaaa", "aa", "", "2");
        row("two separators", "count", "1..2", ".", "", "2");
        row("absent", "count", "abc", "d", "", "0");
        row("case matters", "count", "A", "a", "", "0");
        row("empty text", "count", "", "a", "", "0");
        row("empty part", "count", "abc", "", "", "0");
        row("part longer than text", "count", "a", "aa", "", "0");
        row("trim both ends, inner blanks stay", "trim", "  5 0 ", "", "", "5 0");
        row("trim only blanks", "trim", "   ", "", "", "");
        row("tabs are not blanks", "trim", "\t1", "", "", "\t1");
        row("every comma", "replace", "1,5,2", ",", ".", "1.5.2");
        row("longer replacement", "replace", "a.b", ".", "::", "a::b");
        row("replacement holds the pattern", "replace", "aa", "a", "aa", "aaaa");
        row("empty pattern leaves the text", "replace", "12", "", "x", "12");
    }

    void helpers() {
        QFETCH(QString, helper);
        QFETCH(QString, text);
        QFETCH(QString, a);
        QFETCH(QString, b);
        const std::string t = text.toStdString(), from = a.toStdString();
        const std::string result = helper == "count"  ? std::to_string(CountOccurrences(t, from))
                                   : helper == "trim" ? TrimBlanks(t)
                                                      : ReplaceAll(t, from, b.toStdString());
        QTEST(QString::fromStdString(result), "result");
    }
};

QTEST_APPLESS_MAIN(TestStrings)
#include "tst_strings.moc"
