#include "DataTable.h"
#include "FakeKeyboardState.h"
#include "HeldKeyFilter.h"
#include "LoadedWindow.h"
#include "ProgramList.h"
#include "frmQSsoftware.h"
#include "weblink.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPushButton>
#include <QTextBlock>
#include <QTimer>
#include <QWindow>

namespace {

const QString RadiansLine = "1.000000 radians = 57° 17' 45\"\n";
const QString DegreesLine = "90° 0' 0\" = 1.570796 radians\n";
const QString Earlier = QStringLiteral("0.5 earlier\n").repeated(30);

// A message box that, like the real one, closes on the press of Enter and leaves the
// release to the field that gets the focus back.
class EnterClosesBox : public FakeMessageBoxes {
public:
    void show(QWidget *parent, const QString &text, const QString &title,
              MessageIcon icon) override {
        FakeMessageBoxes::show(parent, text, title, icon);
        if (shown.size() < 5)
            QTimer::singleShot(
                0, [] { QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Return); });
    }
};

// The ways out of the program.
enum class Way { QuitButton, CloseBox, CatalogueTitleBar, CatalogueButton };

} // namespace

Q_DECLARE_METATYPE(MessageIcon)
Q_DECLARE_METATYPE(Way)

class TestCommands : public QObject {
    Q_OBJECT
private slots:
    // The field, the key ("Num+" on the keypad), the output it gives. Only the release of an
    // Enter whose press the same field received converts: "press" is an Enter pressed in the
    // field and released in the radians, "release" only the release in the field.
    void keyInAField_data() {
        columns<QString, QString, QString>("field", "keys", "output");
        row("radians Return", "txbRadians", "Return", RadiansLine);
        row("radians keypad Enter", "txbRadians", "Num+Enter", RadiansLine);
        row("radians Shift+Return", "txbRadians", "Shift+Return", RadiansLine);
        row("radians Ctrl+Return", "txbRadians", "Ctrl+Return", RadiansLine);
        row("radians Alt+Return", "txbRadians", "Alt+Return", RadiansLine);
        row("degrees Return", "txbDegrees", "Return", DegreesLine);
        row("minutes Return", "txbMinutes", "Return", DegreesLine);
        row("seconds keypad Enter", "txbSeconds", "Num+Enter", DegreesLine);
        row("value to add: nothing", "txbToAdd", "Return", "");
        row("release without a press: nothing", "txbRadians", "release", "");
        row("pressed in degrees, released in radians: nothing", "txbDegrees", "press", "");
        for (const char *field : {"txbRadians", "txbDegrees", "txbMinutes", "txbSeconds"})
            for (const char *key : {"Esc", "5", "Tab"})
                QTest::addRow("%s %s: nothing", field, key) << field << key << "";
    }
    void keyInAField() {
        QFETCH(QString, field);
        QFETCH(QString, keys);
        LOADED_WINDOW(w);
        w.setFields("1||90|||"); // both conversions have input: the output shows which ran
        w.field(field)->setFocus();
        if (keys == u"press")
            QTest::keyPress(w.field(field), Qt::Key_Return);
        if (keys == u"press" || keys == u"release")
            QTest::keyRelease(w.field("txbRadians"), Qt::Key_Return);
        else
            QTest::keySequence(w.field(field), QKeySequence(keys));
        // A tap converts at once: in the same turn of the event loop, with no timer.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
        QTEST(w.output(), "output");
        QVERIFY(w.fake.messages.shown.isEmpty());
    }

    // The last digit, typed and converted through the window at each precision: the value
    // rounded to one decimal more than shown lies a little above the half as a double.
    void lastDigitOfTheRadians_data() {
        columns<QString, int, QString>("typed", "precision", "line");
        row("p7", "0.857884466", 7, "0.857885 radians = 49\u00B0 9' 11\"\n");
        row("p6", "2.8046050", 6, "2.80461 radians = 160\u00B0 41' 31\"\n");
        row("p5", "1.083248", 5, "1.0833 radians = 62\u00B0 3' 56\"\n");
        row("p7 near 2.5", "2.50000049", 7, "2.500001 radians = 143\u00B0 14' 22\"\n");
    }
    void lastDigitOfTheRadians() {
        QFETCH(QString, typed);
        QFETCH(int, precision);
        QFETCH(QString, line);
        LOADED_WINDOW(w);
        auto *list = w.get<QComboBox>("cboDecimalPlaces");
        list->setCurrentIndex(precision - 5);
        emit list->activated(precision - 5); // as when the entry is chosen
        w.field("txbRadians")->setFocus();
        QTest::keyClicks(w.field("txbRadians"), typed);
        QTest::keyClick(w.field("txbRadians"), Qt::Key_Return);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall); // Enter acts just after
        QCOMPARE(w.field("txbRadians")->text(), line.section(u' ', 0, 0));
        QCOMPARE(w.output(), line);
    }

    void enterOnAMessageDoesNotLoop() {
        EnterClosesBox box;
        FakePlatform fake;
        Platform platform{box, fake.clipboard, fake.screen, fake.files, fake.web, fake.process};
        frmMain window(platform);
        window.Form_Load();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *radians = window.findChild<QLineEdit *>("txbRadians");
        QTest::keyClicks(radians, "7");
        QTest::keyClick(radians, Qt::Key_Return);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
        QCOMPARE(box.shown.size(), 1);
        QTest::qWait(50); // the Enter that closed the box is released in the field
        QCOMPARE(box.shown.size(), 1);
        QCOMPARE(box.shown.first().text, "Radians out of range");
        QCOMPARE(QApplication::focusWidget(), radians);
    }

    // Enter as the display reports it: P press, R release with their timestamps, lower case
    // when flagged as a repeat, "|" a turn of the event loop; U is a release that lets the key
    // go, where the display can say whether the key is still down (on X11 it can, and a repeat's
    // press may then still be on its way). One conversion per physical release, however the
    // repeats of a held key come.
    void heldEnter_data() {
        columns<QString, QString, int>("field", "events", "conversions");
        row("tap", "txbRadians", "P1 R2", 1);
        row("held, repeats not flagged", "txbRadians", "P1 R5 P5 R6 P6 R7 P7 R9", 1);
        row("held, repeats flagged", "txbRadians", "P1 r5 p5 r6 p6 R9", 1);
        row("held, repeats mixed", "txbDegrees", "P1 r5 p5 R6 P6 r7 p7 R9", 1);
        row("two taps, two turns", "txbRadians", "P1 R2 | P3 R4", 2);
        row("held, then a tap", "txbRadians", "P1 R5 P5 R6 | P7 R8", 2);
        row("held, presses come late", "txbRadians", "P1 R5 | P5 R6 | P6 R7 | P7 U9", 1);
        row("held in degrees, presses come late", "txbDegrees", "P1 R5 | P5 R6 | P6 U9", 1);
        row("two taps the display saw", "txbRadians", "P1 U2 | P3 U4", 2);
    }
    void heldEnter() {
        QFETCH(QString, field);
        QFETCH(QString, events);
        constexpr quint32 returnCode = 36;
        FakeKeyboardState keyboard;
        HeldKeyFilter heldKeys(keyboard);
        if (events.contains(u'U'))
            qApp->installEventFilter(&heldKeys);
        LOADED_WINDOW(w);
        w.setFields("1||90|||");
        w.field(field)->setFocus();
        for (const QString &event : events.split(u' ')) {
            if (event == u"|") {
                QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
                continue;
            }
            const bool press = event[0].toUpper() == u'P';
            if (press)
                keyboard.down = {returnCode};
            if (event[0] == u'U')
                keyboard.down.clear();
            QKeyEvent key(press ? QEvent::KeyPress : QEvent::KeyRelease, Qt::Key_Return,
                          Qt::NoModifier, returnCode, 0, 0, QStringLiteral("\r"),
                          event[0].isLower());
            key.setTimestamp(event.mid(1).toULongLong());
            QApplication::sendEvent(w.field(field), &key);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
        QTEST(int(w.output().count(u'\n')), "conversions");
        QVERIFY(w.fake.messages.shown.isEmpty());
    }

    // Field, its text with the caret at "|", the clipboard, the text after the paste.
    void pasteKeepsOneLine_data() {
        columns<QString, QString, QString, QString>("name", "before", "clipboard", "after");
        row("trailing CR LF dropped", "txbDegrees", "|", "12.5\r\n", "12.5");
        row("first line kept", "txbRadians", "|", "1\n2", "1");
        row("control character dropped", "txbSeconds", "|", QChar(1) + QString(" 5"), " 5");
        row("text after the caret stays", "txbToAdd", "ab|cd", "1\n2", "ab1cd");
        row("pasted text that repeats the field", "txbRadians", "a|1b", "1\n2", "a11b");
        row("field's length first", "txbMinutes", "|", "12.5\r\n", "12.5");
        row("plain paste as it was", "txbRadians", "1|", "2.5", "12.5");
    }
    void pasteKeepsOneLine() {
        QFETCH(QString, name);
        QFETCH(QString, before);
        QFETCH(QString, clipboard);
        LOADED_WINDOW(w);
        QLineEdit *field = w.field(name);
        field->setText(QString(before).remove(u'|'));
        field->setCursorPosition(int(before.indexOf(u'|')));
        field->setFocus();
        QGuiApplication::clipboard()->setText(clipboard);
        QTest::keySequence(field, QKeySequence(QKeySequence::Paste));
        QTEST(field->text(), "after");
        QTest::keyClicks(field, "7"); // typing goes on at the end of the paste
        QCOMPARE(field->text().indexOf(u'7'), field->cursorPosition() - 1);
    }

    // The clicks (options, then the button), the fields before and after, the line added
    // below earlier output. The button keeps the focus; the output's caret is after the
    // last character with the last line in view.
    void buttonRunsItsOperation_data() {
        columns<QString, QString, QString, QString>("clicks", "before", "after", "line");
        row("radians to degrees", "cmdRad2Deg", "-1|||||", "-1.000000||57|17|45|-",
            "-1.000000 radians = -57° 17' 45\"");
        row("degrees to radians", "cmdDeg2Rad", "||12|30|15|", "0.218239||12|30|15|",
            "12° 30' 15\" = 0.218239 radians");
        row("comma rewrites earlier lines", "cmdDeg2Rad", "||1,5|||", "0,026180||1,5|0|0|",
            "1,5° 0' 0\" = 0,026180 radians");
        row("decimal degrees", "chkDecimal cmdRad2Deg", "1|||||", "1.000000||57|17|45|",
            "1.000000 radians = 57.29578°");
        row("decimal minutes", "chkDecimal optDecMinutes cmdRad2Deg", "1|||||",
            "1.000000||57|17|45|", "1.000000 radians = 57°17.747'");
        row("rounded to minutes", "chkRoundToMinutes cmdRad2Deg", "1|||||", "1.000000||57|18||",
            "1.000000 radians = 57°18'");
        row("add", "cmdPlusMinus(0)", "1.5|2||||", "3.500000|2||||",
            "(1.5 + 2) mod 2pi = 3.500000");
        row("add without a line", "chkShowPlusMinus cmdPlusMinus(0)", "1.5|2||||", "3.500000|2||||",
            "");
        row("subtract", "cmdPlusMinus(1)", "1|2||||", "5.283185|2||||",
            "(1 - 2) mod 2pi = 5.283185");
        row("arrow moves radians", "cmdPlusMinus(2)", "1.5|9||||", "|1.5||||", "");
    }
    void buttonRunsItsOperation() {
        QFETCH(QString, clicks);
        QFETCH(QString, before);
        QFETCH(QString, line);
        LOADED_WINDOW(w);
        w.outputBox()->setPlainText(Earlier);
        w.setFields(before);
        w.click(clicks);
        QTEST(w.fields(), "after");
        QCOMPARE(w.output(),
                 (line.contains(u',') ? QString(Earlier).replace(u'.', u',') : Earlier) +
                     (line.isEmpty() ? line : line + u'\n'));
        QCOMPARE(w.focus(), w.get(clicks.section(u' ', -1)));
        QPlainTextEdit *output = w.outputBox();
        if (!line.isEmpty()) {
            QCOMPARE(output->textCursor().position(), output->document()->characterCount() - 1);
            QVERIFY(output->viewport()->rect().contains(output->cursorRect()));
        }
        QVERIFY(w.fake.messages.shown.isEmpty());
    }

    // The button, the fields, the message's text, title and icon, where the focus goes.
    void messages_data() {
        columns<QString, QString, QString, QString, MessageIcon, QString>(
            "button", "before", "text", "title", "icon", "focus");
        using enum MessageIcon;
        const QString r2d = "Radians to degrees", d2r = "Degrees to radians";
        row("radians out of range", "cmdRad2Deg", "6.2833|||||", "Radians out of range", r2d,
            Information, "txbRadians");
        row("invalid degrees", "cmdDeg2Rad", "||1e3|||",
            "Invalid input for degrees, minutes or seconds.", d2r, Exclamation, "cmdDeg2Rad");
        row("degrees out of range", "cmdDeg2Rad", "||360.5|||", "Degrees out of range", d2r,
            Information, "txbDegrees");
        row("minutes out of range", "cmdDeg2Rad", "||1|60||", "Minutes out of range", d2r,
            Information, "txbMinutes");
        row("seconds out of range", "cmdDeg2Rad", "||1|1|59.5|", "Seconds out of range", d2r,
            Information, "txbSeconds");
        row("subtract: second value", "cmdPlusMinus(1)", "1|7||||", "Second value out of range",
            "Subtract'", Information, "txbToAdd");
    }
    void messages() {
        QFETCH(QString, button);
        QFETCH(QString, before);
        QFETCH(QString, focus);
        LOADED_WINDOW(w);
        w.setFields(before);
        for (const char *name : FieldNames)
            w.field(name)->setCursorPosition(0);
        w.click(button);
        QCOMPARE(w.fake.messages.shown.size(), 1);
        QTEST(w.fake.messages.shown[0].text, "text");
        QTEST(w.fake.messages.shown[0].title, "title");
        QTEST(w.fake.messages.shown[0].icon, "icon");
        QCOMPARE(w.output(), QString());
        QCOMPARE(w.focus(), w.get(focus));
        if (auto *field = qobject_cast<QLineEdit *>(w.focus())) {
            QCOMPARE(field->cursorPosition(), field->text().size());
            QVERIFY(!field->hasSelectedText());
        }
    }

    // Radians and value to add are left as they are, and so is the output.
    void changeSign_data() {
        columns<QString, QString>("before", "after");
        row("all empty: sign stays", "|||-", "|||-");
        row("only blanks: removed, sign stays", "  | |   |", "|||");
        row("12 between blanks flips to minus", "  12  |||", "12|||-");
        row("minus flips to empty", "|5||-", "|5||");
        row("seconds alone count", "|| 7|", "||7|-");
    }
    void changeSign() {
        QFETCH(QString, before);
        QFETCH(QString, after);
        LOADED_WINDOW(w);
        w.setFields(" 1 |2|" + before);
        w.click("cmdChangeSign");
        QCOMPARE(w.fields(), " 1 |2|" + after);
        QCOMPARE(w.focus(), w.get("cmdDeg2Rad"));
        QCOMPARE(w.output(), QString());
    }

    void clear_data() {
        columns<QString, QString, QString>("button", "fields", "output");
        row("output", "cmdClear(0)", "1|2|3|4|5|-", "");
        row("input", "cmdClear(1)", "|||||", "kept");
    }
    void clear() {
        QFETCH(QString, button);
        LOADED_WINDOW(w);
        w.setFields("1|2|3|4|5|-");
        w.outputBox()->setPlainText("kept");
        w.click(button);
        QTEST(w.fields(), "fields");
        QTEST(w.output(), "output");
    }

    // Steps, separated by "|": "r X" and "d X" type X into the radians or degrees field and
    // press Enter there, "t X" types X at the end of the output ("/" is Return), "h X" at its
    // start, "x" deletes its first line. Then the whole output, "/" for each line break. The
    // last step's lines that held no point keep their layout, and one undo takes it back.
    void commaModeInPlace_data() {
        columns<QString, QString>("steps", "output");
        const QString r1 = "1,000000 radians = 57° 17' 45\"/";
        const QString d15 = "1,5° 0' 0\" = 0,026180 radians/",
                      d25 = "2,5° 0' 0\" = 0,043633 radians/";
        row("earlier results and typed lines", "r 1|t note 0.5 and 1.25/|d 1,5",
            r1 + "note 0,5 and 1,25/" + d15);
        row("no points: only the new line", "d 1,5|t a,b/|d 2,5", d15 + "a,b/" + d25);
        row("points after a comma run", "d 1,5|r 1|d 2,5", d15 + r1 + d25);
        row("point typed at the start of a clean box", "d 1,5|h 0.5 |d 2,5", "0,5 " + d15 + d25);
        row("lines removed before the points", "d 1,5|d 2,5|r 1|x|d 1,5", d25 + r1 + d15);
        row("a point conversion keeps the points", "r 1|d 1.5",
            QString(r1).replace(u',', u'.') + "1.5° 0' 0\" = 0.026180 radians/");
    }
    void commaModeInPlace() {
        QFETCH(QString, steps);
        QFETCH(QString, output);
        LOADED_WINDOW(w);
        QPlainTextEdit *box = w.outputBox();
        QString before;
        std::vector<std::pair<QTextBlock, int>> withoutPoints;
        for (const QString &step : steps.split(u'|')) {
            const QString text = step.mid(2);
            before = box->toPlainText();
            withoutPoints.clear();
            for (QTextBlock b = box->document()->begin(); b.isValid(); b = b.next())
                if (!b.text().contains(u'.') && b.next().isValid())
                    withoutPoints.emplace_back(b, b.revision());
            if (step[0] == u'r' || step[0] == u'd') {
                QLineEdit *field = w.field(step[0] == u'r' ? "txbRadians" : "txbDegrees");
                w.setFields("|||||");
                field->setText(text);
                field->setFocus();
                QTest::keyClick(field, Qt::Key_Return);
                QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
                continue;
            }
            box->setFocus();
            QTest::keyClick(box, step[0] == u't' ? Qt::Key_End : Qt::Key_Home, Qt::ControlModifier);
            if (step[0] == u'x') {
                QTest::keyClick(box, Qt::Key_Down, Qt::ShiftModifier);
                QTest::keyClick(box, Qt::Key_Delete);
            }
            const QStringList lines = text.split(u'/');
            for (qsizetype i = 0; i < lines.size(); ++i) {
                QTest::keyClicks(box, lines[i]);
                if (i + 1 < lines.size())
                    QTest::keyClick(box, Qt::Key_Return);
            }
        }
        QCOMPARE(box->toPlainText(), QString(output).replace(u'/', u'\n'));
        for (const auto &[block, revision] : withoutPoints)
            QCOMPARE(block.revision(), revision);
        w.click("cmdCopyToClipboard");
        QCOMPARE(w.fake.clipboard.text,
                 QString(output).replace(QStringLiteral("/"), QStringLiteral("\r\n")));
        box->document()->undo();
        QCOMPARE(box->toPlainText(), before);
    }

    // The radians converted one after the other, the keys then typed at the end of the
    // output, whether part of it is selected, and the clipboard afterwards (empty: no text at
    // all). The caret then ends the radians.
    void copyOutput_data() {
        columns<QString, QString, bool, QString>("radians", "typed", "selectPart", "clipboard");
        const QString two = "1.000000 radians = 57° 17' 45\"\r\n2.000000 radians = "
                            "114° 35' 30\"\r\n";
        row("two results keep CR LF", "1 2", "", false, two);
        row("a selection plays no part", "1 2", "", true, two);
        row("typed Return is CR LF", "", "A Return B", false, "a\r\nb");
        row("typed Shift+Return is CR LF", "", "A Shift+Return B", false, "a\r\nb");
        row("empty output leaves no text", "", "", false, "");
    }
    void copyOutput() {
        QFETCH(QString, radians);
        QFETCH(QString, typed);
        QFETCH(bool, selectPart);
        QFETCH(QString, clipboard);
        LOADED_WINDOW(w);
        w.fake.clipboard.setText("old");
        for (const QString &value : radians.split(u' ', Qt::SkipEmptyParts)) {
            w.field("txbRadians")->setText(value);
            w.click("cmdRad2Deg");
        }
        QPlainTextEdit *output = w.outputBox();
        output->setFocus();
        for (const QString &key : typed.split(u' ', Qt::SkipEmptyParts))
            QTest::keySequence(output, QKeySequence(key));
        if (selectPart)
            QTest::keyClick(output, Qt::Key_Up, Qt::ShiftModifier);
        w.field("txbRadians")->setText("1.5");
        w.field("txbRadians")->setCursorPosition(0);
        w.click("cmdCopyToClipboard");
        QCOMPARE(w.fake.clipboard.clears, 1);
        QCOMPARE(w.fake.clipboard.hasText, !clipboard.isEmpty());
        QCOMPARE(w.fake.clipboard.text, clipboard);
        QCOMPARE(w.focus(), w.field("txbRadians"));
        QCOMPARE(w.field("txbRadians")->cursorPosition(), 3);
        QVERIFY(!w.field("txbRadians")->hasSelectedText());
    }

    // Every way out shows the catalogue with the calculator hidden, then ends the process once;
    // the catalogue's own button brings the calculator back as it was.
    void waysOut_data() {
        columns<Way>("way");
        row("Quit button", Way::QuitButton);
        row("close box", Way::CloseBox);
        row("catalogue closed from its title bar", Way::CatalogueTitleBar);
        row("catalogue button comes back", Way::CatalogueButton);
    }
    void waysOut() {
        QFETCH(Way, way);
        LOADED_WINDOW(m);
        QLineEdit *radians = m.field("txbRadians");
        radians->setText(QStringLiteral("1.25"));
        radians->setSelection(0, 2);
        const bool comesBack = way == Way::CatalogueButton;
        bool shownWhileHidden = false;
        int endedBefore = -1;
        QTimer::singleShot(0, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            auto *catalogue = qobject_cast<frmQSsoftware *>(modal);
            if (!catalogue) { // ends whatever else came up, so that the test goes on to fail
                if (modal)
                    modal->close();
                return;
            }
            shownWhileHidden = catalogue->isVisible() && !m.window.isVisible();
            if (!comesBack)
                m.window.close(); // as a session ending: must not start a second sequence
            endedBefore = m.fake.process.ended;
            if (way == Way::CatalogueTitleBar)
                catalogue->close();
            else
                catalogue->findChild<QPushButton *>("cmdClose")->click();
        });
        if (way == Way::CloseBox)
            m.window.windowHandle()->close();
        else
            m.get<QPushButton>(comesBack ? "cmdQSsoftware" : "cmdQuit")->click();
        QVERIFY(shownWhileHidden);
        QCOMPARE(endedBefore, 0);
        QCOMPARE(m.fake.process.ended, comesBack ? 0 : 1);
        QCOMPARE(m.window.isVisible(), comesBack);
        if (comesBack) {
            QCOMPARE(m.window.focusWidget(), m.get("cmdRad2Deg"));
            QCOMPARE(radians->cursorPosition(), 4);
        }
    }

    // The maker's notice is a link to the site: by mouse, keyboard and accessibility action.
    void noticeOpensSite() {
        LOADED_WINDOW(m);
        auto *notice = m.get<QLabel>("lblCopyright");
        QCOMPARE(notice->cursor().shape(), Qt::PointingHandCursor);
        QAccessibleInterface *link = QAccessible::queryAccessibleInterface(notice);
        QCOMPARE(link->role(), QAccessible::Link);
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        m.fake.web.result = 31;
        QTest::mouseClick(notice, Qt::LeftButton);
        QCOMPARE(m.fake.web.opened, QStringList({SiteURL, SiteURL}));
        QCOMPARE(m.fake.messages.shown.size(), 1); // only for the failed launch
        QCOMPARE(m.fake.messages.shown[0].title, QStringLiteral("Cannot launch web browser"));
        QCOMPARE(m.fake.messages.shown[0].icon, MessageIcon::Exclamation);
        QCOMPARE(m.fake.messages.shown[0].text,
                 *weblink::launchFailureMessage(31, SiteURL, weblink::Caller::Notice));
        // From the keyboard too: Enter and Space open it like a click.
        notice->setFocus(Qt::TabFocusReason);
        QTest::keyClick(notice, Qt::Key_Return);
        QTest::keyClick(notice, Qt::Key_Space);
        QCOMPARE(m.fake.web.opened.size(), 4);
    }
};

QObject *newTestCommands() {
    return new TestCommands;
}

#include "tst_commands.moc"
