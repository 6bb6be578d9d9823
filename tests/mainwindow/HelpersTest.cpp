#include "OutputBox.h"
#include "SpecifySoftware.h"

#include <QPlainTextEdit>
#include <QTest>

class HelpersTest : public QObject {
    Q_OBJECT
private slots:
    void versionText_data() {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<QString>("text");
        QTest::newRow("this release") << 4 << 0 << "4.00";
        QTest::newRow("minor without leading zero") << 4 << 12 << "4.120";
        QTest::newRow("two-digit major") << 10 << 5 << "10.50";
    }
    void versionText() {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(SpecifySoftware::VersionText(major, minor)), text);
    }

    void outputLineBreaks_data() {
        QTest::addColumn<QByteArray>("appended");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("CR LF stays one break")
            << QByteArray("a\r\nb\r\n") << QByteArray("a\r\nb\r\n");
        QTest::newRow("lone LF becomes CR LF") << QByteArray("a\nb") << QByteArray("a\r\nb");
        QTest::newRow("lone CR becomes CR LF") << QByteArray("a\rb") << QByteArray("a\r\nb");
        QTest::newRow("degree sign survives")
            << QByteArray("57\xC2\xB0\r\n") << QByteArray("57\xC2\xB0\r\n");
        QTest::newRow("no-break space survives") << QByteArray("a\xC2\xA0"
                                                               "b")
                                                 << QByteArray("a\xC2\xA0"
                                                               "b");
    }
    void outputLineBreaks() {
        QFETCH(QByteArray, appended);
        QFETCH(QByteArray, text);
        QPlainTextEdit box;
        OutputBox::Append(box, appended.toStdString());
        QCOMPARE(QByteArray::fromStdString(OutputBox::Text(box)), text);
    }

    void appendKeepsEarlierText() {
        QPlainTextEdit box;
        OutputBox::SetText(box, "typed");
        OutputBox::Append(box, "-");
        OutputBox::Append(box, "line\r\n");
        QCOMPARE(OutputBox::Text(box), std::string("typed-line\r\n"));
        QCOMPARE(box.textCursor().position(), box.document()->characterCount() - 1);
    }
};

QObject *makeHelpersTest() {
    return new HelpersTest;
}

#include "HelpersTest.moc"
