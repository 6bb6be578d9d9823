#include "LoadedWindow.h"

namespace {

// The five fields and the sign: radians, to add, degrees, minutes, seconds, sign.
QStringList fieldTexts(LoadedWindow &w) {
    QStringList texts;
    for (const char *name : {"txbRadians", "txbToAdd", "txbDegrees", "txbMinutes", "txbSeconds"})
        texts << w.field(name)->text();
    return texts << w.sign();
}

void setFieldTexts(LoadedWindow &w, const QStringList &texts) {
    int i = 0;
    for (const char *name : {"txbRadians", "txbToAdd", "txbDegrees", "txbMinutes", "txbSeconds"})
        w.field(name)->setText(texts[i++]);
    w.get<QLabel>("lblSign")->setText(texts[i]);
}

bool caretAtEndAndVisible(QPlainTextEdit *output) {
    return output->textCursor().position() == output->document()->characterCount() - 1 &&
           !output->textCursor().hasSelection() &&
           output->viewport()->rect().contains(output->cursorRect());
}

} // namespace

class OperationsTest : public QObject {
    Q_OBJECT
private slots:
    void buttonRunsItsOperation_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QString>("output");
        QTest::newRow("radians to degrees") << "cmdRad2Deg" << QStringList{"-1", "", "", "", "", ""}
                                            << QStringList{"-1.000000", "", "57", "17", "45", "-"}
                                            << "-1.000000 radians = -57\u00B0 17' 45\"\n";
        QTest::newRow("degrees to radians")
            << "cmdDeg2Rad" << QStringList{"", "", "12", "30", "15", ""}
            << QStringList{"0.218239", "", "12", "30", "15", ""}
            << "12\u00B0 30' 15\" = 0.218239 radians\n";
        QTest::newRow("negative zero keeps its sign")
            << "cmdDeg2Rad" << QStringList{"", "", "0", "0", "0", "-"}
            << QStringList{"-0.000000", "", "0", "0", "0", "-"}
            << "-0\u00B0 0' 0\" = -0.000000 radians\n";
        QTest::newRow("add") << "cmdPlusMinus(0)" << QStringList{"1.5", "2", "", "", "", ""}
                             << QStringList{"3.500000", "2", "", "", "", ""}
                             << "(1.5 + 2) mod 2pi = 3.500000\n";
        QTest::newRow("subtract") << "cmdPlusMinus(1)" << QStringList{"1", "2", "", "", "", ""}
                                  << QStringList{"5.283185", "2", "", "", "", ""}
                                  << "(1 - 2) mod 2pi = 5.283185\n";
        QTest::newRow("arrow moves radians")
            << "cmdPlusMinus(2)" << QStringList{"1.5", "9", "", "", "", ""}
            << QStringList{"", "1.5", "", "", "", ""} << "";
    }
    void buttonRunsItsOperation() {
        QFETCH(QString, button);
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        QFETCH(QString, output);
        LoadedWindow w;
        setFieldTexts(w, before);
        QPushButton *clicked = w.button(button.toLatin1());
        QTest::mouseClick(clicked, Qt::LeftButton);
        QCOMPARE(fieldTexts(w), after);
        QCOMPARE(w.output(), output);
        QCOMPARE(w.focus(), clicked);
        QVERIFY(w.fake.messages.shown.isEmpty());
    }

    void showPlusMinusOffWritesNoLine() {
        LoadedWindow w;
        w.get<QAbstractButton>("chkShowPlusMinus")->click();
        setFieldTexts(w, {"1.5", "2", "", "", "", ""});
        w.button("cmdPlusMinus(0)")->click();
        QCOMPARE(w.field("txbRadians")->text(), QStringLiteral("3.500000"));
        QCOMPARE(w.output(), QString());
    }

    void linesAppendWithCaretAtTheEnd() {
        LoadedWindow w;
        auto *output = w.get<QPlainTextEdit>("txbOutput");
        QString expected;
        for (int i = 0; i < 40; ++i) {
            w.field("txbRadians")->setText(QStringLiteral("1"));
            w.button("cmdRad2Deg")->click();
            expected += QStringLiteral("1.000000 radians = 57\u00B0 17' 45\"\n");
        }
        QCOMPARE(w.output(), expected);
        QVERIFY(caretAtEndAndVisible(output));
    }

    void commaModeRewritesEarlierLines() {
        LoadedWindow w;
        w.field("txbRadians")->setText(QStringLiteral("1"));
        w.button("cmdRad2Deg")->click();
        setFieldTexts(w, {"", "", "1,5", "", "", ""});
        w.button("cmdDeg2Rad")->click();
        QCOMPARE(w.output(), QStringLiteral("1,000000 radians = 57\u00B0 17' 45\"\n"
                                            "1,5\u00B0 0' 0\" = 0,026180 radians\n"));
        QCOMPARE(w.field("txbRadians")->text(), QStringLiteral("0,026180"));
        QVERIFY(caretAtEndAndVisible(w.get<QPlainTextEdit>("txbOutput")));
    }

    void precisionReachesTheOperation() {
        LoadedWindow w;
        auto *list = w.get<QWidget>("cboDecimalPlaces");
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Up);
        QTest::keyClick(list, Qt::Key_Up);
        w.field("txbRadians")->setText(QStringLiteral("0.5"));
        w.button("cmdRad2Deg")->click();
        QCOMPARE(w.output(), QStringLiteral("0.5000 radians = 28\u00B0 38' 52\"\n"));
    }

    void messages_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("focus"); // empty: the clicked button keeps it
        const int info = int(BoxIcon::Information);
        const int exclamation = int(BoxIcon::Exclamation);
        QTest::newRow("radians out of range")
            << "cmdRad2Deg" << QStringList{"6.2833", "", "", "", "", ""} << "Radians out of range"
            << "Radians to degrees" << info << "txbRadians";
        QTest::newRow("invalid degrees") << "cmdDeg2Rad" << QStringList{"", "", "1e3", "", "", ""}
                                         << "Invalid input for degrees, minutes or seconds."
                                         << "Degrees to radians" << exclamation << "";
        QTest::newRow("degrees out of range")
            << "cmdDeg2Rad" << QStringList{"", "", "360.5", "", "", ""} << "Degrees out of range"
            << "Degrees to radians" << info << "txbDegrees";
        QTest::newRow("minutes out of range")
            << "cmdDeg2Rad" << QStringList{"", "", "1", "60", "", ""} << "Minutes out of range"
            << "Degrees to radians" << info << "txbMinutes";
        QTest::newRow("seconds out of range")
            << "cmdDeg2Rad" << QStringList{"", "", "1", "1", "59.5", ""} << "Seconds out of range"
            << "Degrees to radians" << info << "txbSeconds";
        QTest::newRow("add: first value")
            << "cmdPlusMinus(0)" << QStringList{"-7", "1", "", "", "", ""} << "Radians out of range"
            << "Add" << info << "txbRadians";
        QTest::newRow("subtract: second value")
            << "cmdPlusMinus(1)" << QStringList{"1", "7", "", "", "", ""}
            << "Second value out of range"
            << "Subtract'" << info << "txbToAdd";
    }
    void messages() {
        QFETCH(QString, button);
        QFETCH(QStringList, before);
        QFETCH(QString, text);
        QFETCH(QString, title);
        QFETCH(int, icon);
        QFETCH(QString, focus);
        LoadedWindow w;
        setFieldTexts(w, before);
        for (const char *name :
             {"txbRadians", "txbToAdd", "txbDegrees", "txbMinutes", "txbSeconds"})
            w.field(name)->setCursorPosition(0);
        QPushButton *clicked = w.button(button.toLatin1());
        QTest::mouseClick(clicked, Qt::LeftButton);
        QCOMPARE(w.fake.messages.shown.size(), 1);
        QCOMPARE(w.fake.messages.shown[0].text, text);
        QCOMPARE(w.fake.messages.shown[0].title, title);
        QCOMPARE(int(w.fake.messages.shown[0].icon), icon);
        QCOMPARE(w.output(), QString());
        if (focus.isEmpty()) {
            QCOMPARE(w.focus(), clicked);
            return;
        }
        QLineEdit *field = w.field(focus.toLatin1());
        QCOMPARE(w.focus(), field);
        QCOMPARE(field->cursorPosition(), field->text().size());
        QVERIFY(!field->hasSelectedText());
    }
};

QObject *makeOperationsTest() {
    return new OperationsTest;
}

#include "OperationsTest.moc"
