#include "StrProc.h"

#include <QTest>

class TestStrings : public QObject {
    Q_OBJECT

private slots:
    void countOccurrences_data();
    void countOccurrences();
    void trimBlanks_data();
    void trimBlanks();
    void replaceAll_data();
    void replaceAll();
};

void TestStrings::countOccurrences_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("part");
    QTest::addColumn<int>("count");
    QTest::newRow("occurrences do not overlap") << "aaa"
                                                << "aa" << 1;
    QTest::newRow("back to back") << "aaaa"
                                  << "aa" << 2;
    QTest::newRow("inside a word") << "banana"
                                   << "an" << 2;
    QTest::newRow("two separators") << "1..2"
                                    << "." << 2;
    QTest::newRow("absent") << "abc"
                            << "d" << 0;
    QTest::newRow("case matters") << "A"
                                  << "a" << 0;
    QTest::newRow("empty text") << ""
                                << "a" << 0;
    QTest::newRow("empty part") << "abc"
                                << "" << 0;
    QTest::newRow("part longer than text") << "a"
                                           << "aa" << 0;
}

void TestStrings::countOccurrences() {
    QFETCH(QString, text);
    QFETCH(QString, part);
    QFETCH(int, count);
    QCOMPARE(StrProc::CountOccurrences(text.toStdString(), part.toStdString()), count);
}

void TestStrings::trimBlanks_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("trimmed");
    QTest::newRow("both ends") << "  12 "
                               << "12";
    QTest::newRow("inner blanks stay") << " 5 0 "
                                       << "5 0";
    QTest::newRow("only blanks") << "   "
                                 << "";
    QTest::newRow("tabs are not blanks") << "\t1"
                                         << "\t1";
    QTest::newRow("empty") << ""
                           << "";
}

void TestStrings::trimBlanks() {
    QFETCH(QString, text);
    QFETCH(QString, trimmed);
    QCOMPARE(QString::fromStdString(StrProc::TrimBlanks(text.toStdString())), trimmed);
}

void TestStrings::replaceAll_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("result");
    QTest::newRow("every comma") << "1,5,2"
                                 << ","
                                 << "."
                                 << "1.5.2";
    QTest::newRow("longer replacement") << "a.b"
                                        << "."
                                        << "::"
                                        << "a::b";
    QTest::newRow("replacement holds the pattern") << "aa"
                                                   << "a"
                                                   << "aa"
                                                   << "aaaa";
    QTest::newRow("nothing to find") << "12"
                                     << ","
                                     << "."
                                     << "12";
    QTest::newRow("empty pattern leaves the text") << "12"
                                                   << ""
                                                   << "x"
                                                   << "12";
}

void TestStrings::replaceAll() {
    QFETCH(QString, text);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, result);
    QCOMPARE(QString::fromStdString(
                 StrProc::ReplaceAll(text.toStdString(), from.toStdString(), to.toStdString())),
             result);
}

QTEST_APPLESS_MAIN(TestStrings)
#include "tst_strings.moc"
