#include "DataTable.h"
#include "FontSubstitutes.h"
#include "LoadedWindow.h"
#include "SpecifySoftware.h"

#include <QComboBox>
#include <QFontInfo>
#include <QLineEdit>
#include <QWheelEvent>

namespace {

// One letter per option: decimal, round, degrees, minutes. X checked, O not; lower case
// when greyed.
QString optionState(LoadedWindow &w) {
    QString state;
    for (const char *name : {"chkDecimal", "chkRoundToMinutes", "optDecDegrees", "optDecMinutes"}) {
        auto *option = w.get<QAbstractButton>(name);
        const QChar letter = option->isChecked() ? u'X' : u'O';
        state += option->isEnabled() ? letter : letter.toLower();
    }
    return state;
}

} // namespace

class TestStartUp : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutes(); }

    // What the window shows once loaded, before anything is typed.
    void stateRightAfterStart() {
        LOADED_WINDOW(w);
        QCOMPARE(w.window.windowTitle(), "Angulor 4.00");
        QCOMPARE(w.window.currentOutputOptions().precision, 7);
        QCOMPARE(w.focus(), w.field("txbRadians"));
        QCOMPARE(w.fields(), "|||||");
        QCOMPARE(w.output(), QString());
        QCOMPARE(optionState(w), "OOxo");
        QCOMPARE(w.get<QAbstractButton>("cmdPlusMinus(2)")->text(), "\u2192");
        QVERIFY(w.get<QAbstractButton>("cmdPlusMinus(2)")->fontMetrics().inFont(QChar(0x2192)));
        QVERIFY(w.fake.messages.shown.isEmpty());
        QCOMPARE(w.window.palette().color(w.window.backgroundRole()), QColor(0, 128, 128));
        // A window of fixed size offers no maximise button, but the others.
        const Qt::WindowFlags flags = w.window.windowFlags();
        QCOMPARE(flags & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
        QCOMPARE(SpecifySoftware::versionText(4, 12), "4.120"); // no leading zero on the minor
        // A screen reader says what the sign caption is.
        QCOMPARE(w.get("lblSign")->accessibleDescription(), "Sign of the angle");
    }

    // Accessible name (only where the control has no caption), font (0 points: size left as
    // it is; mono: a fixed-pitch family stands for the design's) and character limit.
    void controls_data() {
        columns<QString, double, bool, bool, int>("spoken", "points", "bold", "mono", "maxLength");
        row("cmdPlusMinus(2)", "Move radians to value to add", 12.0, true, false, 0);
        row("cboDecimalPlaces", "Significant figures", 10.0, false, false, 0);
        row("txbOutput", "Output", 8.0, false, true, 0);
        row("txbRadians", "Radians", 10.0, false, true, 13);
        row("txbToAdd", "Value to add or subtract", 0.0, false, true, 13);
        row("txbDegrees", "Degrees", 10.0, false, false, 8);
        row("txbMinutes", "Minutes", 0.0, false, false, 5);
    }
    void controls() {
        QFETCH(double, points);
        LOADED_WINDOW(w);
        QWidget *control = w.get(QTest::currentDataTag());
        QTEST(control->accessibleName(), "spoken");
        QTEST(QFontInfo(control->font()).fixedPitch(), "mono");
        if (points > 0) {
            QTEST(control->font().pointSizeF(), "points");
            QTEST(control->font().bold(), "bold");
        }
        if (auto *field = qobject_cast<QLineEdit *>(control))
            QTEST(field->maxLength(), "maxLength");
    }

    // The design's captions: white on teal (the maker's notice light blue), in the inactive
    // window too; greyed, they keep the style's own grey.
    void captionColours_data() {
        columns<QColor>("text");
        row("Label2", QColor(255, 255, 255));
        row("lblSign", QColor(255, 255, 255));
        row("lblCopyright", QColor(110, 173, 216));
        row("chkRoundToMinutes", QColor(255, 255, 255));
        row("optDecMinutes", QColor(255, 255, 255));
    }
    void captionColours() {
        QFETCH(QColor, text);
        LOADED_WINDOW(w);
        QWidget *caption = w.get(QTest::currentDataTag());
        const QPalette palette = caption->palette();
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            QCOMPARE(palette.color(group, caption->foregroundRole()), text);
            QCOMPARE(palette.color(group, caption->backgroundRole()), QColor(0, 128, 128));
        }
        QVERIFY(caption->autoFillBackground());
        QVERIFY(palette.color(QPalette::Disabled, caption->foregroundRole()) != text);
    }

    // The window's place on the free part of the screen it opens on, wherever that screen
    // lies on the desktop, and its size from the twips.
    void windowPlacement_data() {
        columns<QRect, double, QRect>("screen", "dpi", "geometry");
        row("1024x768, 96 dpi", QRect(0, 0, 1024, 768), 96.0, QRect(128, 77, 797, 239));
        row("1920x1080, 144 dpi", QRect(0, 0, 1920, 1080), 144.0, QRect(240, 108, 1196, 359));
        row("too narrow: moved left to stay on it", QRect(100, 50, 800, 300), 96.0,
            QRect(103, 80, 797, 239));
        row("too small: top left corner on it", QRect(-700, 20, 640, 200), 96.0,
            QRect(-700, 20, 797, 239));
    }
    void windowPlacement() {
        QFETCH(QRect, screen);
        QFETCH(double, dpi);
        QFETCH(QRect, geometry);
        LoadedWindow w(screen, dpi);
        QVERIFY(w.active);
        QCOMPARE(QRect(w.window.pos(), w.window.size()), geometry);
        QCOMPARE(w.window.minimumSize(), geometry.size());
        QCOMPARE(w.window.maximumSize(), geometry.size());
        // The controls are laid out at the same scale: the output box ends near the right edge.
        const int outputRight = w.get("txbOutput")->geometry().right();
        QVERIFY(outputRight < geometry.width() && outputRight > geometry.width() * 0.95);
    }

    // The design's keyboard order; the greyed units take no focus, the maker's notice comes
    // last.
    void tabOrder() {
        LOADED_WINDOW(w);
        const QStringList expected =
            QStringLiteral("txbRadians txbDegrees txbMinutes txbSeconds cmdRad2Deg cmdDeg2Rad "
                           "txbOutput cmdQuit cmdClear(0) cmdClear(1) chkRoundToMinutes "
                           "cmdQSsoftware cmdCopyToClipboard chkDecimal txbToAdd cmdPlusMinus(0) "
                           "cmdPlusMinus(1) cmdPlusMinus(2) cmdHelp chkShowPlusMinus "
                           "cboDecimalPlaces cmdChangeSign lblCopyright txbRadians")
                .split(u' ');
        QStringList visited;
        for (qsizetype step = 0; step < expected.size(); ++step) {
            QWidget *now = w.focus(); // or the text field inside the list
            QVERIFY2(now, "nothing has the focus");
            visited << (now->parentWidget() == &w.window ? now : now->parentWidget())->objectName();
            QTest::keyClick(now, Qt::Key_Tab);
        }
        QCOMPARE(visited, expected);
    }

    // The options after the clicks (see optionState); each click sends the focus to the
    // conversion.
    void checkBoxRules_data() {
        columns<QString, QString>("clicks", "state");
        row("decimal greys rounding, enables units", "chkDecimal", "XoXO");
        row("rounding greys decimal, units stay greyed", "chkRoundToMinutes", "oXxo");
        row("rounding off again", "chkRoundToMinutes chkRoundToMinutes", "OOxo");
        row("minutes kept while greyed", "chkDecimal optDecMinutes chkDecimal", "OOox");
        row("minutes kept when enabled again", "chkDecimal optDecMinutes chkDecimal chkDecimal",
            "XoOX");
    }
    void checkBoxRules() {
        QFETCH(QString, clicks);
        LOADED_WINDOW(w);
        w.click(clicks);
        QTEST(optionState(w), "state");
        QCOMPARE(w.focus(), w.get("cmdRad2Deg"));
    }

    // The list takes the wheel only once it has the focus. An entry chosen by wheel or key
    // reaches the next conversion, and the caret goes to the end of the radians.
    void choosingFromTheList() {
        LOADED_WINDOW(w);
        QLineEdit *radians = w.field("txbRadians");
        radians->setText("1.5");
        auto *list = w.get<QComboBox>("cboDecimalPlaces");
        const auto turnDown = [&] {
            QWheelEvent down({5, 5}, list->mapToGlobal(QPointF(5, 5)), {}, {0, -120}, Qt::NoButton,
                             Qt::NoModifier, Qt::NoScrollPhase, false);
            QSpontaneKeyEvent::setSpontaneous(&down);
            QApplication::sendEvent(list, &down);
        };
        turnDown();
        QCOMPARE(list->currentIndex(), 2);
        QCOMPARE(w.focus(), radians);
        radians->setCursorPosition(0);
        list->setFocus();
        turnDown();
        QCOMPARE(w.window.currentOutputOptions().precision, 8);
        QCOMPARE(w.focus(), radians);
        QCOMPARE(radians->cursorPosition(), 3);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Up);
        QTest::keyClick(list, Qt::Key_Up);
        w.click("cmdRad2Deg");
        QCOMPARE(radians->text(), "1.50000");
    }
};

QTEST_MAIN(TestStartUp)
#include "tst_startup.moc"
