#include "FontSubstitutes.h"
#include "LoadedWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

class StartUpTest : public QObject {
    Q_OBJECT
private slots:
    void stateRightAfterStart() {
        LoadedWindow w;
        QCOMPARE(w.window.windowTitle(), QStringLiteral("Angulor 4.00"));
        QVERIFY(w.window.startUpCompleted());
        QCOMPARE(w.get<QComboBox>("cboDecimalPlaces")->currentText(), QStringLiteral("8"));
        QCOMPARE(w.window.currentOutputOptions().precision, 7);
        QCOMPARE(w.focus(), w.field("txbRadians"));
        QCOMPARE(w.sign(), QString());
        QVERIFY(w.button("cmdQSsoftware")->isVisible());
        QPushButton *arrow = w.button("cmdPlusMinus(2)");
        QCOMPARE(arrow->text(), QStringLiteral("\u2192"));
        QVERIFY(arrow->fontMetrics().inFont(QChar(0x2192)));
        for (const char *name :
             {"txbRadians", "txbToAdd", "txbDegrees", "txbMinutes", "txbSeconds"})
            QCOMPARE(w.field(name)->text(), QString());
        QCOMPARE(w.output(), QString());
        QVERIFY(w.fake.messages.shown.isEmpty());
    }

    void optionsStartValues_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("output in decimal") << "chkDecimal" << false << true;
        QTest::newRow("round to minutes") << "chkRoundToMinutes" << false << true;
        QTest::newRow("show +/- results") << "chkShowPlusMinus" << true << true;
        QTest::newRow("degrees selected but greyed") << "optDecDegrees" << true << false;
        QTest::newRow("minutes greyed") << "optDecMinutes" << false << false;
    }
    void optionsStartValues() {
        QFETCH(QString, name);
        QFETCH(bool, checked);
        QFETCH(bool, enabled);
        LoadedWindow w;
        auto *option = w.get<QAbstractButton>(name.toLatin1());
        QCOMPARE(option->isChecked(), checked);
        QCOMPARE(option->isEnabled(), enabled);
    }

    void windowPosition_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<double>("dpi");
        QTest::addColumn<QPoint>("topLeft");
        // 1024 x 768 at 15 twips a pixel: 1152 twips down, 1920 across.
        QTest::newRow("1024x768") << QSize(1024, 768) << 96.0 << QPoint(128, 77);
        QTest::newRow("1920x1080") << QSize(1920, 1080) << 96.0 << QPoint(240, 108);
        QTest::newRow("2560x1440 at 192 dpi") << QSize(2560, 1440) << 192.0 << QPoint(320, 144);
    }
    void windowPosition() {
        QFETCH(QSize, screen);
        QFETCH(double, dpi);
        QFETCH(QPoint, topLeft);
        FakePlatform fake;
        fake.screen.size = screen;
        fake.screen.dpi = dpi;
        frmMain window(fake.platform);
        window.Form_Load();
        QCOMPARE(window.pos(), topLeft);
    }

    void names_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("radians") << "txbRadians"
                                 << "Radians";
        QTest::newRow("degrees") << "txbDegrees"
                                 << "Degrees";
        QTest::newRow("minutes") << "txbMinutes"
                                 << "Minutes";
        QTest::newRow("seconds") << "txbSeconds"
                                 << "Seconds";
        QTest::newRow("to add") << "txbToAdd"
                                << "Value to add or subtract";
        QTest::newRow("output") << "txbOutput"
                                << "Output";
        QTest::newRow("precision") << "cboDecimalPlaces"
                                   << "Significant figures";
        QTest::newRow("arrow") << "cmdPlusMinus(2)"
                               << "Move radians to value to add";
        QTest::newRow("plain button") << "cmdClear(0)"
                                      << "";
        QTest::newRow("check box") << "chkDecimal"
                                   << "";
        QTest::newRow("label") << "Label1"
                               << "";
    }
    void names() {
        QFETCH(QString, name);
        QFETCH(QString, spoken);
        LoadedWindow w;
        QCOMPARE(w.get<QWidget>(name.toLatin1())->accessibleName(), spoken);
    }

    void fonts_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("family");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        QTest::newRow("label") << "Label1"
                               << "Arial" << 10.0 << false;
        QTest::newRow("check box") << "chkDecimal"
                                   << "Arial" << 10.0 << false;
        QTest::newRow("button") << "cmdRad2Deg"
                                << "Arial" << 10.0 << false;
        QTest::newRow("change sign") << "cmdChangeSign"
                                     << "Arial" << 8.0 << false;
        QTest::newRow("catalogue") << "cmdQSsoftware"
                                   << "Arial" << 8.0 << false;
        QTest::newRow("notice") << "lblCopyright"
                                << "Arial" << 8.0 << false;
        QTest::newRow("plus") << "cmdPlusMinus(0)"
                              << "Courier New" << 12.0 << true;
        QTest::newRow("arrow") << "cmdPlusMinus(2)"
                               << "Symbol" << 12.0 << true;
        QTest::newRow("precision list") << "cboDecimalPlaces"
                                        << "Arial" << 10.0 << false;
        QTest::newRow("radians") << "txbRadians"
                                 << "Courier New" << 10.0 << false;
        QTest::newRow("degrees") << "txbDegrees"
                                 << "MS Sans Serif" << 10.0 << false;
        QTest::newRow("output") << "txbOutput"
                                << "Courier New" << 8.0 << false;
    }
    void fonts() {
        QFETCH(QString, name);
        QFETCH(QString, family);
        QFETCH(double, points);
        QFETCH(bool, bold);
        LoadedWindow w;
        const QFont font = w.get<QWidget>(name.toLatin1())->font();
        QCOMPARE(font.family(), InstalledFamily(family));
        QCOMPARE(font.pointSizeF(), points);
        QCOMPARE(font.bold(), bold);
    }

    void colours() {
        LoadedWindow w;
        const QColor teal(0, 128, 128);
        QCOMPARE(w.window.palette().color(QPalette::Window), teal);
        QCOMPARE(w.get<QLabel>("Label1")->palette().color(QPalette::WindowText), QColor(Qt::white));
        auto *check = w.get<QCheckBox>("chkRoundToMinutes");
        QCOMPARE(check->palette().color(check->backgroundRole()), teal);
        QCOMPARE(check->palette().color(QPalette::WindowText), QColor(Qt::white));
        auto *notice = w.get<QLabel>("lblCopyright");
        QCOMPARE(notice->palette().color(QPalette::WindowText), QColor(110, 173, 216));
        QVERIFY(notice->font().underline());
    }

    void maxLengths_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("most");
        QTest::newRow("radians") << "txbRadians" << 13;
        QTest::newRow("to add") << "txbToAdd" << 13;
        QTest::newRow("degrees") << "txbDegrees" << 8;
        QTest::newRow("minutes") << "txbMinutes" << 5;
        QTest::newRow("seconds") << "txbSeconds" << 5;
    }
    void maxLengths() {
        QFETCH(QString, name);
        QFETCH(int, most);
        LoadedWindow w;
        w.type(name.toLatin1(), QString(most + 1, QLatin1Char('1')));
        QCOMPARE(w.field(name.toLatin1())->text(), QString(most, QLatin1Char('1')));
    }
};

QObject *makeStartUpTest() {
    return new StartUpTest;
}

#include "StartUpTest.moc"
