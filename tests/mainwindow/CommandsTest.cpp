#include "LoadedWindow.h"

#include <QTextCursor>

class CommandsTest : public QObject {
    Q_OBJECT
private slots:
    void changeSign_data() {
        QTest::addColumn<QStringList>("before"); // degrees, minutes, seconds, sign
        QTest::addColumn<QStringList>("after");
        QTest::newRow("all empty: sign stays")
            << QStringList{"", "", "", "-"} << QStringList{"", "", "", "-"};
        QTest::newRow("only blanks: removed, sign stays")
            << QStringList{"  ", " ", "   ", ""} << QStringList{"", "", "", ""};
        QTest::newRow("12 between blanks flips to minus")
            << QStringList{"  12  ", "", "", ""} << QStringList{"12", "", "", "-"};
        QTest::newRow("minus flips to empty")
            << QStringList{"", "5", "", "-"} << QStringList{"", "5", "", ""};
        QTest::newRow("seconds alone count")
            << QStringList{"", "", " 7", ""} << QStringList{"", "", "7", "-"};
    }
    void changeSign() {
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        LoadedWindow w;
        w.field("txbRadians")->setText(QStringLiteral(" 1 "));
        w.field("txbDegrees")->setText(before[0]);
        w.field("txbMinutes")->setText(before[1]);
        w.field("txbSeconds")->setText(before[2]);
        w.get<QLabel>("lblSign")->setText(before[3]);
        w.button("cmdChangeSign")->click();
        QCOMPARE(w.field("txbDegrees")->text(), after[0]);
        QCOMPARE(w.field("txbMinutes")->text(), after[1]);
        QCOMPARE(w.field("txbSeconds")->text(), after[2]);
        QCOMPARE(w.sign(), after[3]);
        QCOMPARE(w.focus(), w.button("cmdDeg2Rad"));
        QCOMPARE(w.field("txbRadians")->text(), QStringLiteral(" 1 "));
        QCOMPARE(w.output(), QString());
    }

    void changeSignTwiceRestoresTheSign() {
        LoadedWindow w;
        w.field("txbDegrees")->setText(QStringLiteral("12"));
        w.button("cmdChangeSign")->click();
        w.button("cmdChangeSign")->click();
        QCOMPARE(w.sign(), QString());
    }

    void clearOutput_data() {
        QTest::addColumn<QString>("output");
        QTest::newRow("empty stays empty") << "";
        QTest::newRow("lines are removed") << "1.000000 radians = 57\u00B0 17' 45\"\n";
    }
    void clearOutput() {
        QFETCH(QString, output);
        LoadedWindow w;
        w.get<QPlainTextEdit>("txbOutput")->setPlainText(output);
        w.field("txbDegrees")->setText(QStringLiteral("12"));
        w.get<QLabel>("lblSign")->setText(QStringLiteral("-"));
        w.button("cmdClear(0)")->click();
        QCOMPARE(w.output(), QString());
        QCOMPARE(w.field("txbDegrees")->text(), QStringLiteral("12"));
        QCOMPARE(w.sign(), QStringLiteral("-"));
    }

    void clearInput() {
        LoadedWindow w;
        int i = 0;
        for (const char *name :
             {"txbRadians", "txbToAdd", "txbDegrees", "txbMinutes", "txbSeconds"})
            w.field(name)->setText(QString::number(++i));
        w.get<QLabel>("lblSign")->setText(QStringLiteral("-"));
        w.get<QPlainTextEdit>("txbOutput")->setPlainText(QStringLiteral("kept"));
        w.button("cmdClear(1)")->click();
        for (const char *name :
             {"txbRadians", "txbToAdd", "txbDegrees", "txbMinutes", "txbSeconds"})
            QCOMPARE(w.field(name)->text(), QString());
        QCOMPARE(w.sign(), QString());
        QCOMPARE(w.output(), QStringLiteral("kept"));
    }

    void copyOutput_data() {
        QTest::addColumn<QStringList>("radians"); // converted one after the other
        QTest::addColumn<QString>("typed");       // then typed at the end of the output box
        QTest::addColumn<bool>("selectPart");
        QTest::addColumn<QString>("clipboard");
        const QString two = QStringLiteral(
            "1.000000 radians = 57\u00B0 17' 45\"\r\n2.000000 radians = 114\u00B0 35' 30\"\r\n");
        QTest::newRow("two results keep CR LF") << QStringList{"1", "2"} << "" << false << two;
        QTest::newRow("a selection plays no part") << QStringList{"1", "2"} << "" << true << two;
        QTest::newRow("typed Return is CR LF")
            << QStringList{} << "a\nb" << false << QStringLiteral("a\r\nb");
        QTest::newRow("typed Shift+Return is CR LF")
            << QStringList{} << "a\u2028b" << false << QStringLiteral("a\r\nb");
    }
    void copyOutput() {
        QFETCH(QStringList, radians);
        QFETCH(QString, typed);
        QFETCH(bool, selectPart);
        QFETCH(QString, clipboard);
        LoadedWindow w;
        for (const QString &value : radians) {
            w.field("txbRadians")->setText(value);
            w.button("cmdRad2Deg")->click();
        }
        auto *output = w.get<QPlainTextEdit>("txbOutput");
        output->setFocus();
        for (const QChar c : typed) {
            if (c == u'\n')
                QTest::keyClick(output, Qt::Key_Return);
            else if (c == QChar::LineSeparator)
                QTest::keyClick(output, Qt::Key_Return, Qt::ShiftModifier);
            else
                QTest::keyClicks(output, QString(c));
        }
        if (selectPart) {
            QTextCursor cursor = output->textCursor();
            cursor.setPosition(3);
            cursor.setPosition(10, QTextCursor::KeepAnchor);
            output->setTextCursor(cursor);
        }
        w.field("txbRadians")->setText(QStringLiteral("1.5"));
        w.button("cmdCopyToClipboard")->click();
        QCOMPARE(w.fake.clipboard.clears, 1);
        QCOMPARE(w.fake.clipboard.text, clipboard);
        QCOMPARE(w.focus(), w.field("txbRadians"));
        QCOMPARE(w.field("txbRadians")->cursorPosition(), 3);
        QVERIFY(!w.field("txbRadians")->hasSelectedText());
    }

    void copyEmptyOutputLeavesNoText() {
        LoadedWindow w;
        w.fake.clipboard.setText(QStringLiteral("old"));
        w.button("cmdCopyToClipboard")->click();
        QCOMPARE(w.fake.clipboard.clears, 1);
        QVERIFY(!w.fake.clipboard.hasText);
        QCOMPARE(w.focus(), w.field("txbRadians"));
    }

    void typingAfterCopyGoesAtTheEnd() {
        LoadedWindow w;
        w.field("txbRadians")->setText(QStringLiteral("1.5"));
        w.field("txbRadians")->setCursorPosition(0);
        w.button("cmdCopyToClipboard")->click();
        QTest::keyClicks(w.focus(), QStringLiteral("9"));
        QCOMPARE(w.field("txbRadians")->text(), QStringLiteral("1.59"));
    }
};

QObject *makeCommandsTest() {
    return new CommandsTest;
}

#include "CommandsTest.moc"
