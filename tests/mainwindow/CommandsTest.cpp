#include "LoadedWindow.h"

#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QTextBlock>
#include <QTimer>

namespace {

const QString RadiansLine = QStringLiteral("1.000000 radians = 57\u00B0 17' 45\"\n");
const QString DegreesLine = QStringLiteral("90\u00B0 0' 0\" = 1.570796 radians\n");
const QString Earlier = QStringLiteral("0.5 earlier\n").repeated(30);

// A message box that, like the real one, closes on the press of Enter and leaves the
// release to the field that gets the focus back.
class EnterClosesBox : public FakeMessageBoxes {
public:
    void show(QWidget *parent, const QString &text, const QString &title, BoxIcon icon) override {
        FakeMessageBoxes::show(parent, text, title, icon);
        if (shown.size() < 5)
            QTimer::singleShot(
                0, [] { QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Return); });
    }
};

} // namespace

class CommandsTest : public QObject {
    Q_OBJECT
private slots:
    // The field, the key ("Num+" on the keypad), the output it gives. Only the release of an
    // Enter whose press the same field received converts: "press" is an Enter pressed in the
    // field and released in the radians, "release" only the release in the field.
    void keyInAField_data() {
        QTest::addColumn<QStringList>("row");
        addRow("radians Return", {"txbRadians", "Return", RadiansLine});
        addRow("radians keypad Enter", {"txbRadians", "Num+Enter", RadiansLine});
        addRow("radians Shift+Return", {"txbRadians", "Shift+Return", RadiansLine});
        addRow("radians Ctrl+Return", {"txbRadians", "Ctrl+Return", RadiansLine});
        addRow("radians Alt+Return", {"txbRadians", "Alt+Return", RadiansLine});
        addRow("degrees Return", {"txbDegrees", "Return", DegreesLine});
        addRow("minutes Return", {"txbMinutes", "Return", DegreesLine});
        addRow("seconds keypad Enter", {"txbSeconds", "Num+Enter", DegreesLine});
        addRow("value to add: nothing", {"txbToAdd", "Return", ""});
        addRow("release without a press: nothing", {"txbRadians", "release", ""});
        addRow("pressed in degrees, released in radians: nothing", {"txbDegrees", "press", ""});
        for (const char *field : {"txbRadians", "txbDegrees", "txbMinutes", "txbSeconds"})
            for (const char *key : {"Esc", "5", "Tab"})
                QTest::addRow("%s %s: nothing", field, key) << QStringList{field, key, ""};
    }
    void keyInAField() {
        const auto [field, keys, output] = cells<3>();
        LoadedWindow w;
        QVERIFY(w.active);
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
        QCOMPARE(w.output(), output);
        QVERIFY(w.fake.messages.shown.isEmpty());
    }

    // The last digit through the window: the value rounded to one decimal more than shown lies
    // a little above or below the half as a double, and that side decides.
    void lastDigitOfTheRadians_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("precision");
        QTest::addColumn<QString>("radians");
        QTest::addColumn<QString>("line");
        QTest::newRow("p7") << "0.857884466" << 7 << "0.857885"
                            << "0.857885 radians = 49\u00B0 9' 11\"\n";
        QTest::newRow("p6") << "2.8046050" << 6 << "2.80461"
                            << "2.80461 radians = 160\u00B0 41' 31\"\n";
        QTest::newRow("p5") << "1.083248" << 5 << "1.0833"
                            << "1.0833 radians = 62\u00B0 3' 56\"\n";
        QTest::newRow("p7 near 2.5") << "2.50000049" << 7 << "2.500001"
                                     << "2.500001 radians = 143\u00B0 14' 22\"\n";
    }
    void lastDigitOfTheRadians() {
        QFETCH(QString, typed);
        QFETCH(int, precision);
        LoadedWindow w;
        QVERIFY(w.active);
        auto *list = w.get<QComboBox>("cboDecimalPlaces");
        list->setCurrentIndex(precision - 5);
        emit list->activated(precision - 5); // as when the entry is chosen
        w.field("txbRadians")->setFocus();
        QTest::keyClicks(w.field("txbRadians"), typed);
        QTest::keyClick(w.field("txbRadians"), Qt::Key_Return);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall); // Enter acts just after
        QTEST(w.field("txbRadians")->text(), "radians");
        QTEST(w.output(), "line");
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
    // when flagged as a repeat, "|" a turn of the event loop. One conversion per physical
    // release, however the repeats of a held key come.
    void heldEnter_data() {
        QTest::addColumn<QStringList>("row");
        addRow("tap", {"txbRadians", "P1 R2", "1"});
        addRow("held, repeats not flagged", {"txbRadians", "P1 R5 P5 R6 P6 R7 P7 R9", "1"});
        addRow("held, repeats flagged", {"txbRadians", "P1 r5 p5 r6 p6 R9", "1"});
        addRow("held, repeats mixed", {"txbDegrees", "P1 r5 p5 R6 P6 r7 p7 R9", "1"});
        addRow("held in seconds", {"txbSeconds", "P1 R5 P5 R6 P6 R9", "1"});
        addRow("two taps, two turns", {"txbRadians", "P1 R2 | P3 R4", "2"});
        addRow("held, then a tap", {"txbRadians", "P1 R5 P5 R6 | P7 R8", "2"});
    }
    void heldEnter() {
        const auto [field, events, conversions] = cells<3>();
        LoadedWindow w;
        QVERIFY(w.active);
        w.setFields("1||90|||");
        w.field(field)->setFocus();
        for (const QString &event : events.split(u' ')) {
            if (event == u"|") {
                QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
                continue;
            }
            const bool press = event[0].toUpper() == u'P';
            QKeyEvent key(press ? QEvent::KeyPress : QEvent::KeyRelease, Qt::Key_Return,
                          Qt::NoModifier, QStringLiteral("\r"), event[0].isLower());
            key.setTimestamp(event.mid(1).toULongLong());
            QApplication::sendEvent(w.field(field), &key);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
        QCOMPARE(w.output().count(u'\n'), conversions.toInt());
        QVERIFY(w.fake.messages.shown.isEmpty());
    }

    // Field, its text with the caret at "|", the clipboard, the text after the paste.
    void pasteKeepsOneLine_data() {
        QTest::addColumn<QStringList>("row");
        addRow("trailing CR LF dropped", {"txbDegrees", "|", "12.5\r\n", "12.5"});
        addRow("first line kept", {"txbRadians", "|", "1\n2", "1"});
        addRow("control character dropped", {"txbSeconds", "|", QChar(1) + QString(" 5"), " 5"});
        addRow("text after the caret stays", {"txbToAdd", "ab|cd", "1\n2", "ab1cd"});
        addRow("pasted text that repeats the field", {"txbRadians", "a|1b", "1\n2", "a11b"});
        addRow("field's length first", {"txbMinutes", "|", "12.5\r\n", "12.5"});
        addRow("plain paste as it was", {"txbRadians", "1|", "2.5", "12.5"});
    }
    void pasteKeepsOneLine() {
        const auto [name, before, clipboard, after] = cells<4>();
        LoadedWindow w;
        QVERIFY(w.active);
        QLineEdit *field = w.field(name);
        field->setText(QString(before).remove(u'|'));
        field->setCursorPosition(int(before.indexOf(u'|')));
        field->setFocus();
        QGuiApplication::clipboard()->setText(clipboard);
        QTest::keySequence(field, QKeySequence(QKeySequence::Paste));
        QCOMPARE(field->text(), after);
        QTest::keyClicks(field, "7"); // typing goes on at the end of the paste
        QCOMPARE(field->text().indexOf(u'7'), field->cursorPosition() - 1);
    }

    // The clicks (options, then the button), the fields before and after, the line added
    // below earlier output. The button keeps the focus; the output's caret is after the
    // last character with the last line in view.
    void buttonRunsItsOperation_data() {
        QTest::addColumn<QStringList>("row");
        addRow("radians to degrees", {"cmdRad2Deg", "-1|||||", "-1.000000||57|17|45|-",
                                      "-1.000000 radians = -57\u00B0 17' 45\"\n"});
        addRow("degrees to radians", {"cmdDeg2Rad", "||12|30|15|", "0.218239||12|30|15|",
                                      "12\u00B0 30' 15\" = 0.218239 radians\n"});
        addRow("comma rewrites earlier lines", {"cmdDeg2Rad", "||1,5|||", "0,026180||1,5|0|0|",
                                                "1,5\u00B0 0' 0\" = 0,026180 radians\n"});
        addRow("decimal degrees", {"chkDecimal cmdRad2Deg", "1|||||", "1.000000||57|17|45|",
                                   "1.000000 radians = 57.29578\u00B0\n"});
        addRow("decimal minutes", {"chkDecimal optDecMinutes cmdRad2Deg", "1|||||",
                                   "1.000000||57|17|45|", "1.000000 radians = 57\u00B017.747'\n"});
        addRow("rounded to minutes", {"chkRoundToMinutes cmdRad2Deg", "1|||||", "1.000000||57|18||",
                                      "1.000000 radians = 57\u00B018'\n"});
        addRow("add", {"cmdPlusMinus(0)", "1.5|2||||", "3.500000|2||||",
                       "(1.5 + 2) mod 2pi = 3.500000\n"});
        addRow("add without a line",
               {"chkShowPlusMinus cmdPlusMinus(0)", "1.5|2||||", "3.500000|2||||", ""});
        addRow("subtract",
               {"cmdPlusMinus(1)", "1|2||||", "5.283185|2||||", "(1 - 2) mod 2pi = 5.283185\n"});
        addRow("arrow moves radians", {"cmdPlusMinus(2)", "1.5|9||||", "|1.5||||", ""});
    }
    void buttonRunsItsOperation() {
        const auto [clicks, before, after, line] = cells<4>();
        LoadedWindow w;
        QVERIFY(w.active);
        w.outputBox()->setPlainText(Earlier);
        w.setFields(before);
        w.click(clicks);
        QCOMPARE(w.fields(), after);
        QCOMPARE(w.output(),
                 (line.contains(u',') ? QString(Earlier).replace(u'.', u',') : Earlier) + line);
        QCOMPARE(w.focus(), w.get(clicks.section(u' ', -1)));
        QPlainTextEdit *output = w.outputBox();
        if (!line.isEmpty()) {
            QCOMPARE(output->textCursor().position(), output->document()->characterCount() - 1);
            QVERIFY(output->viewport()->rect().contains(output->cursorRect()));
        }
        QVERIFY(w.fake.messages.shown.isEmpty());
    }

    // The button, the fields, the message's text, title and icon ("i" information, "!"
    // exclamation), where the focus goes.
    void messages_data() {
        QTest::addColumn<QStringList>("row");
        addRow("radians out of range", {"cmdRad2Deg", "6.2833|||||", "Radians out of range",
                                        "Radians to degrees", "i", "txbRadians"});
        addRow("invalid degrees",
               {"cmdDeg2Rad", "||1e3|||", "Invalid input for degrees, minutes or seconds.",
                "Degrees to radians", "!", "cmdDeg2Rad"});
        addRow("degrees out of range", {"cmdDeg2Rad", "||360.5|||", "Degrees out of range",
                                        "Degrees to radians", "i", "txbDegrees"});
        addRow("minutes out of range", {"cmdDeg2Rad", "||1|60||", "Minutes out of range",
                                        "Degrees to radians", "i", "txbMinutes"});
        addRow("seconds out of range", {"cmdDeg2Rad", "||1|1|59.5|", "Seconds out of range",
                                        "Degrees to radians", "i", "txbSeconds"});
        addRow("add: first value",
               {"cmdPlusMinus(0)", "-7|1||||", "Radians out of range", "Add", "i", "txbRadians"});
        addRow("subtract: second value", {"cmdPlusMinus(1)", "1|7||||", "Second value out of range",
                                          "Subtract'", "i", "txbToAdd"});
    }
    void messages() {
        const auto [button, before, text, title, icon, focus] = cells<6>();
        LoadedWindow w;
        QVERIFY(w.active);
        w.setFields(before);
        for (const char *name : FieldNames)
            w.field(name)->setCursorPosition(0);
        w.click(button);
        QCOMPARE(w.fake.messages.shown.size(), 1);
        QCOMPARE(w.fake.messages.shown[0].text, text);
        QCOMPARE(w.fake.messages.shown[0].title, title);
        QCOMPARE(w.fake.messages.shown[0].icon,
                 icon == u"!" ? BoxIcon::Exclamation : BoxIcon::Information);
        QCOMPARE(w.output(), QString());
        QCOMPARE(w.focus(), w.get(focus));
        if (auto *field = qobject_cast<QLineEdit *>(w.focus())) {
            QCOMPARE(field->cursorPosition(), field->text().size());
            QVERIFY(!field->hasSelectedText());
        }
    }

    // Radians and value to add are left as they are, and so is the output.
    void changeSign_data() {
        QTest::addColumn<QStringList>("row");
        addRow("all empty: sign stays", {"|||-", "|||-"});
        addRow("only blanks: removed, sign stays", {"  | |   |", "|||"});
        addRow("12 between blanks flips to minus", {"  12  |||", "12|||-"});
        addRow("minus flips to empty", {"|5||-", "|5||"});
        addRow("seconds alone count", {"|| 7|", "||7|-"});
    }
    void changeSign() {
        const auto [before, after] = cells<2>();
        LoadedWindow w;
        QVERIFY(w.active);
        w.setFields(" 1 |2|" + before);
        w.click("cmdChangeSign");
        QCOMPARE(w.fields(), " 1 |2|" + after);
        QCOMPARE(w.focus(), w.get("cmdDeg2Rad"));
        QCOMPARE(w.output(), QString());
    }

    void clear_data() {
        QTest::addColumn<QStringList>("row");
        addRow("output", {"cmdClear(0)", "1|2|3|4|5|-", ""});
        addRow("input", {"cmdClear(1)", "|||||", "kept"});
    }
    void clear() {
        const auto [button, fields, output] = cells<3>();
        LoadedWindow w;
        QVERIFY(w.active);
        w.setFields("1|2|3|4|5|-");
        w.outputBox()->setPlainText("kept");
        w.click(button);
        QCOMPARE(w.fields(), fields);
        QCOMPARE(w.output(), output);
    }

    // Steps, separated by "|": "r X" and "d X" type X into the radians or degrees field and
    // press Enter there, "t X" types X at the end of the output ("/" is Return), "h X" at its
    // start, "x" deletes its first line. Then the whole output, "/" for each line break. The
    // last step's lines that held no point keep their layout, and one undo takes it back.
    void commaModeInPlace_data() {
        QTest::addColumn<QStringList>("row");
        const QString r1 = QStringLiteral("1,000000 radians = 57\u00B0 17' 45\"/");
        const QString d15 = QStringLiteral("1,5\u00B0 0' 0\" = 0,026180 radians/");
        const QString d25 = QStringLiteral("2,5\u00B0 0' 0\" = 0,043633 radians/");
        addRow("earlier results and typed lines",
               {"r 1|t note 0.5 and 1.25/|d 1,5", r1 + "note 0,5 and 1,25/" + d15});
        addRow("no points: only the new line", {"d 1,5|t a,b/|d 2,5", d15 + "a,b/" + d25});
        addRow("points after a comma run", {"d 1,5|r 1|d 2,5", d15 + r1 + d25});
        addRow("point typed at the start of a clean box",
               {"d 1,5|h 0.5 |d 2,5", "0,5 " + d15 + d25});
        addRow("lines removed before the points", {"d 1,5|d 2,5|r 1|x|d 1,5", d25 + r1 + d15});
        addRow("a point conversion keeps the points",
               {"r 1|d 1.5",
                QString(r1).replace(u',', u'.') + "1.5\u00B0 0' 0\" = 0.026180 radians/"});
    }
    void commaModeInPlace() {
        const auto [steps, output] = cells<2>();
        LoadedWindow w;
        QVERIFY(w.active);
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
        QTest::addColumn<QStringList>("row");
        const QString two = QStringLiteral(
            "1.000000 radians = 57\u00B0 17' 45\"\r\n2.000000 radians = 114\u00B0 35' 30\"\r\n");
        addRow("two results keep CR LF", {"1 2", "", "", two});
        addRow("a selection plays no part", {"1 2", "", "selected", two});
        addRow("typed Return is CR LF", {"", "A Return B", "", "a\r\nb"});
        addRow("typed Shift+Return is CR LF", {"", "A Shift+Return B", "", "a\r\nb"});
        addRow("empty output leaves no text", {"", "", "", ""});
    }
    void copyOutput() {
        const auto [radians, typed, selectPart, clipboard] = cells<4>();
        LoadedWindow w;
        QVERIFY(w.active);
        w.fake.clipboard.setText("old");
        for (const QString &value : radians.split(u' ', Qt::SkipEmptyParts)) {
            w.field("txbRadians")->setText(value);
            w.click("cmdRad2Deg");
        }
        QPlainTextEdit *output = w.outputBox();
        output->setFocus();
        for (const QString &key : typed.split(u' ', Qt::SkipEmptyParts))
            QTest::keySequence(output, QKeySequence(key));
        if (!selectPart.isEmpty())
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
};

QObject *makeCommandsTest() {
    return new CommandsTest;
}

#include "CommandsTest.moc"
