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

class StartUpTest : public QObject {
    Q_OBJECT
private slots:
    void stateRightAfterStart() {
        LoadedWindow w;
        QCOMPARE(w.window.windowTitle(), "Angulor 4.00");
        QVERIFY(w.window.startUpCompleted());
        QCOMPARE(w.get<QComboBox>("cboDecimalPlaces")->currentText(), "8");
        QCOMPARE(w.window.currentOutputOptions().precision, 7);
        QCOMPARE(w.focus(), w.field("txbRadians"));
        QCOMPARE(w.fields(), "|||||");
        QCOMPARE(w.output(), QString());
        QCOMPARE(optionState(w), "OOxo");
        QVERIFY(w.get<QAbstractButton>("chkShowPlusMinus")->isChecked());
        QVERIFY(w.get("cmdQSsoftware")->isVisible());
        QCOMPARE(w.get<QAbstractButton>("cmdPlusMinus(2)")->text(), "\u2192");
        QVERIFY(w.get<QAbstractButton>("cmdPlusMinus(2)")->fontMetrics().inFont(QChar(0x2192)));
        QVERIFY(w.fake.messages.shown.isEmpty());
        QCOMPARE(SpecifySoftware::VersionText(4, 12), "4.120"); // no leading zero on the minor
        QCOMPARE(SpecifySoftware::VersionText(10, 5), "10.50");
        const QColor teal(0, 128, 128);
        QCOMPARE(w.window.palette().color(QPalette::Window), teal);
        QCOMPARE(w.get("Label1")->palette().color(QPalette::WindowText), QColor(Qt::white));
        QWidget *check = w.get("chkRoundToMinutes");
        QCOMPARE(check->palette().color(check->backgroundRole()), teal);
        QCOMPARE(check->palette().color(QPalette::WindowText), QColor(Qt::white));
        QWidget *notice = w.get("lblCopyright");
        QCOMPARE(notice->palette().color(QPalette::WindowText), QColor(110, 173, 216));
        QVERIFY(notice->font().underline());
        // A screen reader reads the caption as the sign and says what it is.
        auto *sign = w.get<QLabel>("lblSign");
        sign->setText("-");
        QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(sign);
        QCOMPARE(spoken->text(QAccessible::Name), "-");
        QCOMPARE(spoken->text(QAccessible::Description), "Sign of the angle");
    }

    // Accessible name (only where the control has no caption), font and character limit.
    void controls_data() {
        QTest::addColumn<QStringList>("row");
        addRow("Label1", {"", "Arial", "10"});
        addRow("chkDecimal", {"", "Arial", "10"});
        addRow("cmdClear(0)", {"", "Arial", "10"});
        addRow("cmdChangeSign", {"", "Arial", "8"});
        addRow("cmdQSsoftware", {"", "Arial", "8"});
        addRow("lblCopyright", {"", "Arial", "8"});
        addRow("cmdPlusMinus(0)", {"", "Courier New", "12 bold"});
        addRow("cmdPlusMinus(2)", {"Move radians to value to add", "Symbol", "12 bold"});
        addRow("cboDecimalPlaces", {"Significant figures", "Arial", "10"});
        addRow("txbOutput", {"Output", "Courier New", "8"});
        addRow("txbRadians", {"Radians", "Courier New", "10", "13"});
        addRow("txbToAdd", {"Value to add or subtract", "", "", "13"});
        addRow("txbDegrees", {"Degrees", "MS Sans Serif", "10", "8"});
        addRow("txbMinutes", {"Minutes", "", "", "5"});
        addRow("txbSeconds", {"Seconds", "", "", "5"});
    }
    void controls() {
        const auto [spoken, family, size, maxLength] = cells<4>();
        LoadedWindow w;
        QWidget *control = w.get(QTest::currentDataTag());
        QCOMPARE(control->accessibleName(), spoken);
        if (!family.isEmpty()) {
            QCOMPARE(control->font().family(), InstalledFamily(family));
            QCOMPARE(control->font().pointSizeF(), size.section(u' ', 0, 0).toDouble());
            QCOMPARE(control->font().bold(), size.endsWith(u"bold"));
        }
        if (!maxLength.isEmpty()) {
            control->setFocus();
            QTest::keyClicks(control, QString(maxLength.toInt() + 1, u'1'));
            QCOMPARE(w.field(control->objectName())->text(), QString(maxLength.toInt(), u'1'));
        }
    }

    // The window's place on the screen and the controls' geometry from the twips.
    void windowPlacement_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<double>("dpi");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("1024x768, 96 dpi") << QSize(1024, 768) << 96.0 << QRect(128, 77, 797, 239);
        QTest::newRow("1920x1080, 144 dpi")
            << QSize(1920, 1080) << 144.0 << QRect(240, 108, 1196, 359);
    }
    void windowPlacement() {
        QFETCH(QSize, screen);
        QFETCH(double, dpi);
        QFETCH(QRect, geometry);
        LoadedWindow w(screen, dpi);
        QCOMPARE(QRect(w.window.pos(), w.window.size()), geometry);
        QCOMPARE(w.window.minimumSize(), geometry.size());
        QCOMPARE(w.window.maximumSize(), geometry.size());
        QList<QRect> actual, expected;
        for (const frmMainLayout::Place &place : frmMainLayout::places) {
            const auto px = [&](int twips) { return qRound(twips * dpi / 1440); };
            actual << w.get(QString::fromUtf8(place.name))->geometry();
            expected << QRect(px(place.rect.left), px(place.rect.top), px(place.rect.width),
                              px(place.rect.height));
        }
        QCOMPARE(actual, expected); // the index is the row of the layout table
    }

    void tabOrderFollowsTheTable() {
        LoadedWindow w;
        QStringList expected, visited;
        for (const frmMainLayout::Place &place : frmMainLayout::places) {
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
        QTest::addColumn<QStringList>("row");
        addRow("decimal greys rounding, enables units", {"chkDecimal", "XoXO"});
        addRow("decimal off again", {"chkDecimal chkDecimal", "OOxo"});
        addRow("rounding greys decimal, units stay greyed", {"chkRoundToMinutes", "oXxo"});
        addRow("rounding off again", {"chkRoundToMinutes chkRoundToMinutes", "OOxo"});
        addRow("minutes kept while greyed", {"chkDecimal optDecMinutes chkDecimal", "OOox"});
        addRow("minutes kept when enabled again",
               {"chkDecimal optDecMinutes chkDecimal chkDecimal", "XoOX"});
    }
    void checkBoxRules() {
        const auto [clicks, state] = cells<2>();
        LoadedWindow w;
        w.click(clicks);
        QCOMPARE(optionState(w), state);
        QCOMPARE(w.focus(), w.get("cmdRad2Deg"));
    }

    // An entry chosen by key (or a click on the open list) reaches the next conversion, and
    // the caret goes to the end of the radians.
    void choosingFromTheList_data() {
        QTest::addColumn<QStringList>("row");
        addRow("Up to 7", {"Up", "1", "1.50000"});
        addRow("mouse on 9", {"", "3", "1.5000000"});
    }
    void choosingFromTheList() {
        const auto [key, index, radians] = cells<3>();
        LoadedWindow w;
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
            const QRect item = view->visualRect(view->model()->index(index.toInt(), 0));
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
        }
        QTRY_COMPARE(w.focus(), w.field("txbRadians"));
        QCOMPARE(list->currentIndex(), index.toInt());
        QCOMPARE(w.field("txbRadians")->cursorPosition(), 3);
        w.click("cmdRad2Deg");
        QCOMPARE(w.field("txbRadians")->text(), radians);
    }

    // A family asked for before its substitutes exist is looked up again once they do.
    void installedFamilyFollowsLaterSubstitutes() {
        const QString missing = QStringLiteral("No Such Family For Angulor");
        const QString installed = QFontDatabase::families().value(0);
        QVERIFY(!installed.isEmpty());
        QCOMPARE(InstalledFamily(missing), missing);
        QFont::insertSubstitution(missing, installed);
        QCOMPARE(InstalledFamily(missing).toLower(), installed.toLower()); // kept lower case
        QFont::removeSubstitutions(missing);
    }

    // The wheel over the list without the focus changes nothing; with the focus it chooses.
    void wheelOnThePrecisionList() {
        LoadedWindow w;
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
        QTest::addColumn<QStringList>("row");
        addRow("12 then Enter", {"12", "Return"});
        addRow("6 then Enter", {"6", "Return"});
        addRow("9 then Tab", {"9", "Tab"});
    }
    void editingTheTextKeepsPrecision() {
        const auto [typed, finish] = cells<2>();
        LoadedWindow w;
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

QObject *makeStartUpTest() {
    return new StartUpTest;
}

#include "StartUpTest.moc"
