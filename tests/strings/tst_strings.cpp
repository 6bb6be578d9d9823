#include "DataTable.h"
#include "StrProc.h"

#include <QTest>

using StrProc::CountOccurrences, StrProc::replaceAll, StrProc::trimBlanks;

namespace {
enum class Helper { Count, Trim, Replace };
}
Q_DECLARE_METATYPE(Helper)

class TestStrings : public QObject {
    Q_OBJECT

private slots:
    // One table for the three helpers: Count gives the count as text, Trim ignores a and b,
    // Replace replaces a by b.
    void helpers_data() {
        columns<Helper, QString, QString, QString, QString>("helper", "text", "a", "b", "result");
        using enum Helper;
        row("occurrences do not overlap", Count, "aaa", "aa", "", "1");
        row("back to back", Count, "aaaa", "aa", "", "2");
        row("absent", Count, "abc", "d", "", "0");
        row("empty text", Count, "", "a", "", "0");
        row("empty part", Count, "abc", "", "", "0");
        row("part longer than text", Count, "a", "aa", "", "0");
        row("trim both ends, inner blanks stay", Trim, "  5 0 ", "", "", "5 0");
        row("trim only blanks", Trim, "   ", "", "", "");
        row("tabs are not blanks", Trim, "\t1", "", "", "\t1");
        row("every comma", Replace, "1,5,2", ",", ".", "1.5.2");
        row("longer replacement", Replace, "a.b", ".", "::", "a::b");
        row("longer pattern", Replace, "abab", "ab", "x", "xx");
        row("replacement holds the pattern", Replace, "aa", "a", "aa", "aaaa");
        row("empty pattern leaves the text", Replace, "12", "", "x", "12");
    }

    void helpers() {
        QFETCH(Helper, helper);
        QFETCH(QString, text);
        QFETCH(QString, a);
        QFETCH(QString, b);
        const std::string t = text.toStdString(), from = a.toStdString();
        const std::string result = helper == Helper::Count
                                       ? std::to_string(CountOccurrences(t, from))
                                   : helper == Helper::Trim ? trimBlanks(t)
                                                            : replaceAll(t, from, b.toStdString());
        QTEST(QString::fromStdString(result), "result");
    }
};

QTEST_APPLESS_MAIN(TestStrings)
#include "tst_strings.moc"
