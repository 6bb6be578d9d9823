#include "ViewerText.h"

#include <QTest>

namespace {

QString numbered(qsizetype length) {
    QString text;
    text.reserve(length);
    for (qsizetype i = 0; i < length; ++i)
        text.append(QChar(char16_t(u'a' + i % 26)));
    return text;
}

} // namespace

class tst_ViewerText : public QObject {
    Q_OBJECT
private slots:
    void cutsLongText_data();
    void cutsLongText();
    void readErrorMessage_data();
    void readErrorMessage();
};

void tst_ViewerText::cutsLongText_data() {
    QTest::addColumn<qsizetype>("length");
    QTest::newRow("smallest cut") << qsizetype(65530);
    QTest::newRow("one more") << qsizetype(65531);
    QTest::newRow("far longer") << qsizetype(300000);
}

void tst_ViewerText::cutsLongText() {
    QFETCH(qsizetype, length);
    const QString content = numbered(length);
    const QString header =
        QStringLiteral("NOTE: This file is too large to display entirely in this textbox.\r\n"
                       "To view the entire contents of the file load it into NotePad,\r\n"
                       "WordPad or some other text editor.\r\n\r\n");
    const QString footer =
        QStringLiteral("NOTE: Entire contents of file have not been displayed.\r\n");
    QCOMPARE(header.size(), 168);
    QCOMPARE(footer.size(), 56);

    const QString shown = ViewerText::forDisplay(content);
    QCOMPARE(shown.size(), 65534);
    QCOMPARE(shown, header + content.left(65306) + QStringLiteral("\r\n\r\n") + footer);
}

void tst_ViewerText::readErrorMessage_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing file") << 53 << QStringLiteral("File not found")
                                  << QStringLiteral("Error 53.  File not found");
    QTest::newRow("zero has a blank") << 0 << QStringLiteral("x") << QStringLiteral("Error 0.  x");
    QTest::newRow("negative has its minus only")
        << -5 << QStringLiteral("x") << QStringLiteral("Error-5.  x");
}

void tst_ViewerText::readErrorMessage() {
    QFETCH(int, number);
    QFETCH(QString, description);
    QFETCH(QString, message);
    QCOMPARE(ViewerText::readErrorMessage(number, description), message);
}

int runViewerTextTests(int argc, char **argv) {
    tst_ViewerText test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_ViewerText.moc"
