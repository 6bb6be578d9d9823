#include "DataTable.h"
#include "FontSubstitutes.h"
#include "LoadedWindow.h"
#include "SpecifySoftware.h"
#include "frmMainLayout.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QFontDatabase>
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
    void stateRightAfterStart() {
        LOADED_WINDOW(w);
        QCOMPARE(w.window.windowTitle(), "Angulor 4.00");
        QVERIFY(w.window.startUpCompleted());
        QCOMPARE(w.window.currentOutputOptions().precision, 7);
        QCOMPARE(w.focus(), w.field("txbRadians"));
        QCOMPARE(w.fields(), "|||||");
        QCOMPARE(w.output(), QString());
        QCOMPARE(optionState(w), "OOxo");
        QCOMPARE(w.get<QAbstractButton>("cmdPlusMinus(2)")->text(), "\u2192");
        QVERIFY(w.get<QAbstractButton>("cmdPlusMinus(2)")->fontMetrics().inFont(QChar(0x2192)));
        QVERIFY(w.fake.messages.shown.isEmpty());
        QCOMPARE(SpecifySoftware::versionText(4, 12), "4.120"); // no leading zero on the minor
        QCOMPARE(SpecifySoftware::versionText(10, 5), "10.50");
        // A screen reader reads the caption as the sign and says what it is.
        auto *sign = w.get<QLabel>("lblSign");
        sign->setText("-");
        QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(sign);
        QCOMPARE(spoken->text(QAccessible::Name), "-");
        QCOMPARE(spoken->text(QAccessible::Description), "Sign of the angle");
    }

    // Accessible name (only where the control has no caption), font (none given: left as it
    // is) and character limit (0: none).
    void controls_data() {
        columns<QString, QString, double, bool, int>("spoken", "family", "points", "bold",
                                                     "maxLength");
        row("lblCopyright", "", "Arial", 8.0, false, 0);
        row("cmdPlusMinus(2)", "Move radians to value to add", "Symbol", 12.0, true, 0);
        row("cboDecimalPlaces", "Significant figures", "Arial", 10.0, false, 0);
        row("txbOutput", "Output", "Courier New", 8.0, false, 0);
        row("txbRadians", "Radians", "Courier New", 10.0, false, 13);
        row("txbToAdd", "Value to add or subtract", "", 0.0, false, 13);
        row("txbDegrees", "Degrees", "MS Sans Serif", 10.0, false, 8);
        row("txbMinutes", "Minutes", "", 0.0, false, 5);
        row("txbSeconds", "Seconds", "", 0.0, false, 5);
    }
    void controls() {
        QFETCH(QString, family);
        QFETCH(int, maxLength);
        LOADED_WINDOW(w);
        QWidget *control = w.get(QTest::currentDataTag());
        QTEST(control->accessibleName(), "spoken");
        if (!family.isEmpty()) {
            QCOMPARE(control->font().family(), installedFamily(family));
            QTEST(control->font().pointSizeF(), "points");
            QTEST(control->font().bold(), "bold");
        }
        if (maxLength > 0) {
            control->setFocus();
            QTest::keyClicks(control, QString(maxLength + 1, u'1'));
            QCOMPARE(w.field(control->objectName())->text(), QString(maxLength, u'1'));
        }
    }

    // The window's place on the free part of the screen it opens on, wherever that screen
    // lies on the desktop, and its size from the twips.
    void windowPlacement_data() {
        columns<QRect, double, QRect>("screen", "dpi", "geometry");
        row("1024x768, 96 dpi", QRect(0, 0, 1024, 768), 96.0, QRect(128, 77, 797, 239));
        row("1920x1080, 144 dpi", QRect(0, 0, 1920, 1080), 144.0, QRect(240, 108, 1196, 359));
        row("below a top panel, right of a dock", QRect(64, 32, 1856, 1048), 96.0,
            QRect(296, 137, 797, 239));
        row("monitor left of and above another", QRect(-1280, -200, 1024, 768), 96.0,
            QRect(-1152, -123, 797, 239));
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
    }

    void tabOrderFollowsTheTable() {
        LOADED_WINDOW(w);
        QStringList expected, visited;
        for (const DesignPlace &place : frmMainLayout::places) {
            QWidget *control = w.get(QString::fromUtf8(place.name));
            if (!qobject_cast<QLabel *>(control) && control->isEnabled())
                expected << control->objectName();
        }
        // The maker's notice follows every other control.
        expected << "lblCopyright" << expected.first();
        for (qsizetype step = 0; step < expected.size(); ++step) {
            QWidget *now = w.focus(); // or the text field inside the list
            QVERIFY2(now, "nothing has the focus");
            visited << (now->parentWidget() == &w.window ? now : now->parentWidget())->objectName();
            QTest::keyClick(now, Qt::Key_Tab);
        }
        QCOMPARE(visited, expected);
    }

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

    // An entry chosen by key (or a click on the open list) reaches the next conversion, and
    // the caret goes to the end of the radians.
    void choosingFromTheList_data() {
        columns<QString, int, QString>("key", "index", "radians"); // no key: a click on the list
        row("Up to 7", "Up", 1, "1.50000");
        row("mouse on 9", "", 3, "1.5000000");
    }
    void choosingFromTheList() {
        QFETCH(QString, key);
        QFETCH(int, index);
        LOADED_WINDOW(w);
        w.field("txbRadians")->setText("1.5");
        w.field("txbRadians")->setCursorPosition(0);
        auto *list = w.get<QComboBox>("cboDecimalPlaces");
        if (!key.isEmpty()) {
            list->setFocus();
            QTest::keySequence(list, QKeySequence(key));
        } else {
            list->showPopup();
            QAbstractItemView *view = list->view();
            QVERIFY(QTest::qWaitForWindowExposed(view->window()));
            const QRect item = view->visualRect(view->model()->index(index, 0));
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
        }
        QTRY_COMPARE(w.focus(), w.field("txbRadians"));
        QCOMPARE(list->currentIndex(), index);
        QCOMPARE(w.field("txbRadians")->cursorPosition(), 3);
        w.click("cmdRad2Deg");
        QTEST(w.field("txbRadians")->text(), "radians");
    }

    // A family asked for before its substitutes exist is looked up again once they do.
    void installedFamilyFollowsLaterSubstitutes() {
        const QString missing = QStringLiteral("No Such Family For Angulor");
        const QString installed = QFontDatabase::families().value(0);
        QVERIFY(!installed.isEmpty());
        QCOMPARE(installedFamily(missing), missing);
        QFont::insertSubstitution(missing, installed);
        QCOMPARE(installedFamily(missing).toLower(), installed.toLower()); // kept lower case
        QFont::removeSubstitutions(missing);
    }

    // The wheel over the list without the focus changes nothing; with the focus it chooses.
    void wheelOnThePrecisionList() {
        LOADED_WINDOW(w);
        auto *list = w.get<QComboBox>("cboDecimalPlaces");
        const auto turn = [&] {
            QWheelEvent down({5, 5}, list->mapToGlobal(QPointF(5, 5)), {}, {0, -120}, Qt::NoButton,
                             Qt::NoModifier, Qt::NoScrollPhase, false);
            QSpontaneKeyEvent::setSpontaneous(&down);
            QApplication::sendEvent(list, &down);
        };
        turn();
        QCOMPARE(list->currentIndex(), 2);
        QCOMPARE(w.window.currentOutputOptions().precision, 7);
        QCOMPARE(w.focus(), w.field("txbRadians"));
        list->setFocus();
        turn();
        QCOMPARE(list->currentIndex(), 3);
        QCOMPARE(w.window.currentOutputOptions().precision, 8);
        QCOMPARE(w.focus(), w.field("txbRadians"));
    }

    // Typing in the list's text, whether or not it names an entry, leaves the precision.
    void editingTheTextKeepsPrecision_data() {
        columns<QString, QString>("typed", "finish");
        row("12 then Enter", "12", "Return");
        row("6 then Enter", "6", "Return");
        row("9 then Tab", "9", "Tab");
    }
    void editingTheTextKeepsPrecision() {
        QFETCH(QString, typed);
        QFETCH(QString, finish);
        LOADED_WINDOW(w);
        auto *list = w.get<QComboBox>("cboDecimalPlaces");
        list->setFocus();
        list->lineEdit()->selectAll();
        QTest::keyClicks(list->lineEdit(), typed);
        QTest::keySequence(list->lineEdit(), QKeySequence(finish));
        QCOMPARE(w.window.currentOutputOptions().precision, 7);
        QCOMPARE(list->count(), 4);
        QCOMPARE(list->currentText(), typed);
    }
};

QObject *newTestStartUp() {
    return new TestStartUp;
}

#include "tst_startup.moc"
