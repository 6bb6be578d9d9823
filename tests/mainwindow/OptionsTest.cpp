#include "LoadedWindow.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

class OptionsTest : public QObject {
    Q_OBJECT
private slots:
    void choosingFromTheList_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("precision");
        QTest::addColumn<QString>("shown");
        QTest::newRow("up to 7") << int(Qt::Key_Up) << 6 << "7";
        QTest::newRow("down to 9") << int(Qt::Key_Down) << 8 << "9";
    }
    void choosingFromTheList() {
        QFETCH(int, key);
        QFETCH(int, precision);
        QFETCH(QString, shown);
        LoadedWindow w;
        w.field("txbRadians")->setText(QStringLiteral("1.5"));
        w.field("txbRadians")->setCursorPosition(0);
        auto *list = w.get<QComboBox>("cboDecimalPlaces");
        list->setFocus();
        QTest::keyClick(list, Qt::Key(key));
        QCOMPARE(list->currentText(), shown);
        QCOMPARE(w.window.currentOutputOptions().precision, precision);
        QCOMPARE(w.focus(), w.field("txbRadians"));
        QCOMPARE(w.field("txbRadians")->cursorPosition(), 3);
    }

    void choosingWithTheMouse_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("precision");
        QTest::newRow("6 gives 5") << 0 << 5;
        QTest::newRow("9 gives 8") << 3 << 8;
    }
    void choosingWithTheMouse() {
        QFETCH(int, row);
        QFETCH(int, precision);
        LoadedWindow w;
        auto *list = w.get<QComboBox>("cboDecimalPlaces");
        list->showPopup();
        QAbstractItemView *view = list->view();
        QVERIFY(QTest::qWaitForWindowExposed(view->window()));
        const QRect item = view->visualRect(view->model()->index(row, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
        QTRY_COMPARE(w.window.currentOutputOptions().precision, precision);
        QTRY_COMPARE(w.focus(), w.field("txbRadians"));
    }

    void editingTheTextKeepsPrecision_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("finishKey");
        QTest::newRow("12 then Enter") << "12" << int(Qt::Key_Return);
        QTest::newRow("6 then Enter") << "6" << int(Qt::Key_Return);
        QTest::newRow("9 then Tab") << "9" << int(Qt::Key_Tab);
    }
    void editingTheTextKeepsPrecision() {
        QFETCH(QString, typed);
        QFETCH(int, finishKey);
        LoadedWindow w;
        auto *list = w.get<QComboBox>("cboDecimalPlaces");
        list->setFocus();
        list->lineEdit()->selectAll();
        QTest::keyClicks(list->lineEdit(), typed);
        QTest::keyClick(list->lineEdit(), Qt::Key(finishKey));
        QCOMPARE(w.window.currentOutputOptions().precision, 7);
        QCOMPARE(list->count(), 4);
        QCOMPARE(list->currentText(), typed);
    }

    void checkBoxRules_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<bool>("decimalChecked");
        QTest::addColumn<bool>("decimalEnabled");
        QTest::addColumn<bool>("roundChecked");
        QTest::addColumn<bool>("roundEnabled");
        QTest::addColumn<bool>("unitsEnabled");
        QTest::addColumn<bool>("minutesSelected");
        const QString decimal = QStringLiteral("chkDecimal");
        const QString round = QStringLiteral("chkRoundToMinutes");
        const QString minutes = QStringLiteral("optDecMinutes");
        QTest::newRow("decimal greys rounding, enables units")
            << QStringList{decimal} << true << true << false << false << true << false;
        QTest::newRow("decimal off again")
            << QStringList{decimal, decimal} << false << true << false << true << false << false;
        QTest::newRow("rounding greys decimal, units stay greyed")
            << QStringList{round} << false << false << true << true << false << false;
        QTest::newRow("rounding off again")
            << QStringList{round, round} << false << true << false << true << false << false;
        QTest::newRow("greyed decimal cannot be checked")
            << QStringList{round, decimal} << false << false << true << true << false << false;
        QTest::newRow("greyed rounding cannot be checked")
            << QStringList{decimal, round} << true << true << false << false << true << false;
        QTest::newRow("minutes kept while greyed")
            << QStringList{decimal, minutes, decimal} << false << true << false << true << false
            << true;
        QTest::newRow("minutes still selected when enabled again")
            << QStringList{decimal, minutes, decimal, decimal} << true << true << false << false
            << true << true;
    }
    void checkBoxRules() {
        QFETCH(QStringList, clicks);
        QFETCH(bool, decimalChecked);
        QFETCH(bool, decimalEnabled);
        QFETCH(bool, roundChecked);
        QFETCH(bool, roundEnabled);
        QFETCH(bool, unitsEnabled);
        QFETCH(bool, minutesSelected);
        LoadedWindow w;
        for (const QString &name : clicks) {
            auto *control = w.get<QAbstractButton>(name.toLatin1());
            QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(8, control->height() / 2));
        }
        auto *decimal = w.get<QCheckBox>("chkDecimal");
        auto *round = w.get<QCheckBox>("chkRoundToMinutes");
        QCOMPARE(decimal->isChecked(), decimalChecked);
        QCOMPARE(decimal->isEnabled(), decimalEnabled);
        QCOMPARE(round->isChecked(), roundChecked);
        QCOMPARE(round->isEnabled(), roundEnabled);
        QCOMPARE(w.get<QRadioButton>("optDecDegrees")->isEnabled(), unitsEnabled);
        QCOMPARE(w.get<QRadioButton>("optDecMinutes")->isEnabled(), unitsEnabled);
        QCOMPARE(w.get<QRadioButton>("optDecMinutes")->isChecked(), minutesSelected);
        QCOMPARE(w.get<QRadioButton>("optDecDegrees")->isChecked(), !minutesSelected);
    }

    void checkBoxClickFocusesRadiansToDegrees_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("output in decimal") << "chkDecimal";
        QTest::newRow("round to minutes") << "chkRoundToMinutes";
    }
    void checkBoxClickFocusesRadiansToDegrees() {
        QFETCH(QString, name);
        LoadedWindow w;
        auto *check = w.get<QCheckBox>(name.toLatin1());
        check->setFocus();
        QTest::keyClick(check, Qt::Key_Space);
        QVERIFY(check->isChecked());
        QCOMPARE(w.focus(), w.button("cmdRad2Deg"));
    }

    void operationsReadTheControls() {
        LoadedWindow w;
        w.get<QCheckBox>("chkDecimal")->click();
        w.get<QRadioButton>("optDecMinutes")->click();
        w.get<QCheckBox>("chkShowPlusMinus")->click();
        OutputOptions options = w.window.currentOutputOptions();
        QVERIFY(options.decimalOutput);
        QVERIFY(options.decimalUnit == DecimalUnit::Minutes);
        QVERIFY(!options.showPlusMinus);
        QVERIFY(!options.roundToMinutes);

        w.get<QCheckBox>("chkDecimal")->click();
        w.get<QCheckBox>("chkRoundToMinutes")->click();
        options = w.window.currentOutputOptions();
        QVERIFY(!options.decimalOutput);
        QVERIFY(options.roundToMinutes);
    }
};

QObject *makeOptionsTest() {
    return new OptionsTest;
}

#include "OptionsTest.moc"
