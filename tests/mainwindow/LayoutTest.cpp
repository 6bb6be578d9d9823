#include "FakePlatform.h"
#include "frmMain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

void addPlace(const char *name, int left, int top, int width, int height) {
    QTest::newRow(name) << QString::fromLatin1(name) << QRect(left, top, width, height);
}

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT
private slots:
    // Twips as the window was designed; at 96 DPI a pixel is 15 twips.
    void geometryAt96Dpi_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        addPlace("Label1", 500, 195, 1095, 255);
        addPlace("txbRadians", 1400, 150, 1600, 360);
        addPlace("Label2", 495, 1320, 1095, 360);
        addPlace("txbDegrees", 1400, 1320, 900, 360);
        addPlace("Label3", 2400, 1365, 1095, 360);
        addPlace("txbMinutes", 3200, 1320, 550, 360);
        addPlace("Label4", 3850, 1365, 1050, 360);
        addPlace("txbSeconds", 4750, 1320, 550, 360);
        addPlace("cmdRad2Deg", 120, 600, 2340, 375);
        addPlace("cmdDeg2Rad", 120, 1900, 2340, 375);
        addPlace("txbOutput", 6720, 600, 5055, 2775);
        addPlace("cmdQuit", 5070, 2480, 1450, 375);
        addPlace("cmdClear(0)", 1785, 2480, 1450, 375);
        addPlace("cmdClear(1)", 120, 2480, 1450, 375);
        addPlace("lblSign", 120, 1320, 255, 255);
        addPlace("chkRoundToMinutes", 2520, 600, 1935, 375);
        addPlace("cmdQSsoftware", 3405, 3060, 3120, 315);
        addPlace("cmdCopyToClipboard", 2640, 1900, 3880, 375);
        addPlace("chkDecimal", 4560, 600, 2055, 375);
        addPlace("txbToAdd", 4920, 120, 1600, 360);
        addPlace("cmdPlusMinus(0)", 3210, 120, 400, 360);
        addPlace("cmdPlusMinus(1)", 3720, 120, 400, 360);
        addPlace("cmdPlusMinus(2)", 4270, 120, 480, 360);
        addPlace("cmdHelp", 3400, 2480, 1450, 375);
        addPlace("chkShowPlusMinus", 6720, 120, 1815, 375);
        addPlace("cboDecimalPlaces", 11145, 160, 615, 315);
        addPlace("Label5", 9375, 195, 1695, 375);
        addPlace("cmdChangeSign", 5430, 1340, 1095, 360);
        addPlace("optDecDegrees", 4560, 900, 1095, 375);
        addPlace("optDecMinutes", 5640, 900, 1095, 375);
        addPlace("lblCopyright", 120, 3100, 3135, 255);
    }
    void geometryAt96Dpi() {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        FakePlatform fake;
        frmMain window(fake.platform);
        window.Form_Load();
        auto *control = window.findChild<QWidget *>(name);
        QVERIFY(control);
        const QRect pixels(qRound(twips.x() / 15.0), qRound(twips.y() / 15.0),
                           qRound(twips.width() / 15.0), qRound(twips.height() / 15.0));
        QCOMPARE(control->geometry(), pixels);
        QVERIFY(window.rect().contains(control->geometry()));
    }

    void clientSize_data() {
        QTest::addColumn<double>("dpi");
        QTest::addColumn<QSize>("size");
        QTest::newRow("96 dpi") << 96.0 << QSize(797, 239);
        QTest::newRow("144 dpi") << 144.0 << QSize(1196, 359);
    }
    void clientSize() {
        QFETCH(double, dpi);
        QFETCH(QSize, size);
        FakePlatform fake;
        fake.screen.dpi = dpi;
        frmMain window(fake.platform);
        window.Form_Load();
        QCOMPARE(window.size(), size);
        QCOMPARE(window.minimumSize(), size);
        QCOMPARE(window.maximumSize(), size);
    }

    // Captions must fit their controls in the fonts the window asks for.
    void captionsFit() {
        FakePlatform fake;
        frmMain window(fake.platform);
        window.Form_Load();
        for (QLabel *label : window.findChildren<QLabel *>()) {
            const int needed = label->fontMetrics().horizontalAdvance(label->text());
            QVERIFY2(needed <= label->width(), qPrintable(label->objectName()));
        }
        for (QAbstractButton *button : window.findChildren<QAbstractButton *>()) {
            // Room for a check box's or option button's indicator and spacing.
            const int indicator = qobject_cast<QPushButton *>(button) ? 4 : 22;
            const int needed = button->fontMetrics().horizontalAdvance(button->text()) + indicator;
            QVERIFY2(needed <= button->width(), qPrintable(button->objectName()));
        }
    }

    void tabOrder() {
        FakePlatform fake;
        frmMain window(fake.platform);
        window.Form_Load();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QStringList expected{
            "txbRadians",         "txbDegrees",      "txbMinutes",        "txbSeconds",
            "cmdRad2Deg",         "cmdDeg2Rad",      "txbOutput",         "cmdQuit",
            "cmdClear(0)",        "cmdClear(1)",     "chkRoundToMinutes", "cmdQSsoftware",
            "cmdCopyToClipboard", "chkDecimal",      "txbToAdd",          "cmdPlusMinus(0)",
            "cmdPlusMinus(1)",    "cmdPlusMinus(2)", "cmdHelp",           "chkShowPlusMinus",
            "cboDecimalPlaces",   "cmdChangeSign",   "txbRadians"};
        QStringList visited;
        for (int step = 0; step < expected.size(); ++step) {
            QWidget *focus = QApplication::focusWidget();
            while (focus && focus->parentWidget() != &window)
                focus = focus->parentWidget();
            visited << (focus ? focus->objectName() : QString());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(visited, expected);
    }
};

QObject *makeLayoutTest() {
    return new LayoutTest;
}

#include "LayoutTest.moc"
