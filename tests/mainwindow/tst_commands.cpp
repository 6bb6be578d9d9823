#include "DataTable.h"
#include "FontSubstitutes.h"
#include "LoadedWindow.h"
#include "ProgramList.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QKeyEvent>
#include <QKeySequence>
#include <QTextBlock>

namespace {

const QString RadiansLine = "1.000000 radians = 57° 17' 45\"\n";
const QString DegreesLine = "90° 0' 0\" = 1.570796 radians\n";
const QString Earlier = QStringLiteral("0.5 earlier\n").repeated(30);

} // namespace

class TestCommands : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutes(); }

    // The control, the key ("Num+" on the keypad), the output it gives. Only the release of an
    // Enter whose press the same field received converts: "press" is an Enter pressed in the
    // field and released in the radians, "release" only the release in the field. Enter
    // presses a focused button, as Space does.
    void keyInAControl_data() {
        columns<QString, QString, QString>("control", "keys", "output");
        row("radians Return", "txbRadians", "Return", RadiansLine);
        row("degrees Return", "txbDegrees", "Return", DegreesLine);
        row("seconds keypad Enter", "txbSeconds", "Num+Enter", DegreesLine);
        row("value to add: nothing", "txbToAdd", "Return", "");
        row("release without a press: nothing", "txbRadians", "release", "");
        row("pressed in degrees, released in radians: nothing", "txbDegrees", "press", "");
        row("other key: nothing", "txbSeconds", "Esc", "");
        row("button", "cmdDeg2Rad", "Return", DegreesLine);
    }
    void keyInAControl() {
        QFETCH(QString, control);
        QFETCH(QString, keys);
        LOADED_WINDOW(w);
        w.setFields("1||90|||"); // both conversions have input: the output shows which ran
        w.get(control)->setFocus();
        if (keys == u"press")
            QTest::keyPress(w.get(control), Qt::Key_Return);
        if (keys == u"press" || keys == u"release")
            QTest::keyRelease(w.field("txbRadians"), Qt::Key_Return);
        else
            QTest::keySequence(w.get(control), QKeySequence(keys));
        // A tap converts at once: in the same turn of the event loop, with no timer.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
        QTEST(w.output(), "output");
        QVERIFY(w.fake.messages.shown.isEmpty());
    }

    // Enter as the display reports it: P press, R release with their timestamps, lower case
    // when flagged as a repeat, "|" a turn of the event loop. One conversion per physical release
    // in the radians, however the repeats of a held key come.
    void heldEnter_data() {
        columns<QString, int>("events", "conversions");
        row("held, repeats not flagged", "P1 R5 P5 R6 P6 R7 P7 R9", 1);
        row("held, repeats flagged", "P1 r5 p5 r6 p6 R9", 1);
        row("two taps, two turns", "P1 R2 | P3 R4", 2);
        row("two quick taps, one turn", "P1 R2 P3 R4", 2);
        row("held, then a tap", "P1 R5 P5 R6 | P7 R8", 2);
    }
    void heldEnter() {
        QFETCH(QString, events);
        LOADED_WINDOW(w);
        w.setFields("1||90|||");
        w.field("txbRadians")->setFocus();
        for (const QString &event : events.split(u' ')) {
            if (event == u"|") {
                QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
                continue;
            }
            QKeyEvent key(event[0].toUpper() == u'P' ? QEvent::KeyPress : QEvent::KeyRelease,
                          Qt::Key_Return, Qt::NoModifier, 36, 0, 0, QStringLiteral("\r"),
                          event[0].isLower());
            key.setTimestamp(event.mid(1).toULongLong());
            QApplication::sendEvent(w.field("txbRadians"), &key);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
        QTEST(int(w.output().count(u'\n')), "conversions");
        QVERIFY(w.fake.messages.shown.isEmpty());
    }

    // The clicks (options, then the button), the fields before and after, the line added
    // below earlier output, "!" and the message shown or "-" for an emptied output, the control
    // that then has the focus (none: the button keeps it). A message sends it to the field at
    // fault, caret at the end; the output's caret ends a new line, with the line in view.
    void buttonRunsItsOperation_data() {
        columns<QString, QString, QString, QString, QString>("clicks", "before", "after", "line",
                                                             "focus");
        row("radians to degrees", "cmdRad2Deg", "-1|||||", "-1.000000||57|17|45|-",
            "-1.000000 radians = -57° 17' 45\"", "");
        row("degrees to radians", "cmdDeg2Rad", "||12|30|15|", "0.218239||12|30|15|",
            "12° 30' 15\" = 0.218239 radians", "");
        row("decimal degrees", "chkDecimal cmdRad2Deg", "1|||||", "1.000000||57|17|45|",
            "1.000000 radians = 57.29578°", "");
        row("decimal minutes", "chkDecimal optDecMinutes cmdRad2Deg", "1|||||",
            "1.000000||57|17|45|", "1.000000 radians = 57°17.747'", "");
        row("rounded to minutes", "chkRoundToMinutes cmdRad2Deg", "1|||||", "1.000000||57|18||",
            "1.000000 radians = 57°18'", "");
        row("add", "cmdPlusMinus(0)", "1.5|2||||", "3.500000|2||||", "(1.5 + 2) mod 2pi = 3.500000",
            "");
        row("add without a line", "chkShowPlusMinus cmdPlusMinus(0)", "1.5|2||||", "3.500000|2||||",
            "", "");
        row("subtract", "cmdPlusMinus(1)", "1|2||||", "5.283185|2||||",
            "(1 - 2) mod 2pi = 5.283185", "");
        row("arrow moves radians", "cmdPlusMinus(2)", "1.5|9||||", "|1.5||||", "", "");
        row("radians out of range", "cmdRad2Deg", "6.2833|||||", "6.2833|||||",
            "!Radians out of range", "txbRadians");
        row("invalid input: the button keeps the focus", "cmdDeg2Rad", "||1e3|||", "||1e3|0|0|",
            "!Invalid input for degrees, minutes or seconds.", "");
        row("degrees out of range", "cmdDeg2Rad", "||360.5|||", "||360.5|0|0|",
            "!Degrees out of range", "txbDegrees");
        row("minutes out of range", "cmdDeg2Rad", "||1|60||", "||1|60|0|", "!Minutes out of range",
            "txbMinutes");
        row("seconds out of range", "cmdDeg2Rad", "||1|1|59.5|", "||1|1|59.5|",
            "!Seconds out of range", "txbSeconds");
        row("value to add out of range", "cmdPlusMinus(1)", "1|7||||", "1|7||||",
            "!Second value out of range", "txbToAdd");
        row("clear input", "cmdClear(1)", "1|2|3|4|5|-", "|||||", "", "");
        row("clear output", "cmdClear(0)", "1|2|3|4|5|-", "1|2|3|4|5|-", "-", "");
        // Change sign leaves radians and value to add as they are.
        row("change sign: all empty, sign stays", "cmdChangeSign", "|||||-", "|||||-", "",
            "cmdDeg2Rad");
        row("change sign: only blanks go", "cmdChangeSign", " 1 |2|  | |   |", " 1 |2||||", "",
            "cmdDeg2Rad");
        row("change sign: 12 between blanks", "cmdChangeSign", "||  12  |||", "||12|||-", "",
            "cmdDeg2Rad");
        row("change sign: minus flips to none", "cmdChangeSign", "|||5||-", "|||5||", "",
            "cmdDeg2Rad");
        row("change sign: seconds alone count", "cmdChangeSign", "|||| 7|", "||||7|-", "",
            "cmdDeg2Rad");
    }
    void buttonRunsItsOperation() {
        QFETCH(QString, clicks);
        QFETCH(QString, before);
        QFETCH(QString, line);
        QFETCH(QString, focus);
        LOADED_WINDOW(w);
        w.outputBox()->setPlainText(Earlier);
        w.setFields(before);
        for (const char *name : FieldNames)
            w.field(name)->setCursorPosition(0);
        w.click(clicks);
        QTEST(w.fields(), "after");
        const bool message = line.startsWith(u'!');
        QCOMPARE(w.fake.messages.shown.size(), message ? 1 : 0);
        if (message)
            QCOMPARE(w.fake.messages.shown[0].text, line.mid(1));
        const QString added = message || line.isEmpty() ? QString() : line + u'\n';
        QCOMPARE(w.output(), line == u"-" ? QString() : Earlier + added);
        QCOMPARE(w.focus(), w.get(focus.isEmpty() ? clicks.section(u' ', -1) : focus));
        if (auto *field = qobject_cast<QLineEdit *>(w.focus())) {
            QCOMPARE(field->cursorPosition(), field->text().size());
            QVERIFY(!field->hasSelectedText());
        }
        QPlainTextEdit *output = w.outputBox();
        if (!message && !line.isEmpty()) {
            QCOMPARE(output->textCursor().position(), output->document()->characterCount() - 1);
            QVERIFY(output->viewport()->rect().contains(output->cursorRect()));
        }
    }

    // Steps, separated by "|": "r X" and "d X" type X into the radians or degrees field and
    // press Enter there, "t X" types X at the end of the output ("/" is Return), "h X" at its
    // start, "x" deletes its first line. Then the whole output, "/" for each line break. The
    // last step's lines that held no point keep their layout, and one undo takes it back.
    void commaModeInPlace_data() {
        columns<QString, QString>("steps", "output");
        const QString r1 = "1,000000 radians = 57° 17' 45\"/",
                      r2 = "2,000000 radians = 114° 35' 30\"/";
        const QString d15 = "1,5° 0' 0\" = 0,026180 radians/",
                      d25 = "2,5° 0' 0\" = 0,043633 radians/";
        row("earlier results and typed lines", "r 1|t note 0.5 and 1.25/|d 1,5",
            r1 + "note 0,5 and 1,25/" + d15);
        row("no points: only the new line", "d 1,5|t a,b/|d 2,5", d15 + "a,b/" + d25);
        row("after a comma run, a line between points", "d 1,5|r 1|t a/|r 2|d 2,5",
            d15 + r1 + "a/" + r2 + d25);
        row("point typed above the points", "d 1,5|r 1|h 0.5 |d 2,5", "0,5 " + d15 + r1 + d25);
        row("line removed before the points", "d 1,5|d 2,5|t 0.5/|x|d 1,5", d25 + "0,5/" + d15);
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

    // Copy clears the clipboard and puts the whole output in it, selected or not, a CR LF for
    // each break, typed ones too; an empty output leaves no text. The caret then ends the
    // radians.
    void copyOutput() {
        LOADED_WINDOW(w);
        QLineEdit *radians = w.field("txbRadians");
        w.fake.clipboard.setText("old");
        radians->setText("1.5");
        radians->setCursorPosition(0);
        w.click("cmdCopyToClipboard");
        QCOMPARE(w.fake.clipboard.clears, 1);
        QVERIFY(!w.fake.clipboard.hasText);
        QCOMPARE(w.focus(), radians);
        QCOMPARE(radians->cursorPosition(), 3);
        w.click("cmdRad2Deg");
        QPlainTextEdit *output = w.outputBox();
        output->setFocus();
        for (const char *key : {"A", "Shift+Return", "B", "Shift+Up"})
            QTest::keySequence(output, QKeySequence(key));
        w.click("cmdCopyToClipboard");
        QCOMPARE(w.fake.clipboard.text, "1.500000 radians = 85° 56' 37\"\r\na\r\nb");
        QVERIFY(!radians->hasSelectedText());
    }

    // The maker's notice is a link to the site, by mouse and by accessibility action; a failed
    // launch says so in the notice's own words.
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
        QVERIFY(m.fake.messages.shown[0].text.contains("File extension")); // the notice's own
    }
};

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
