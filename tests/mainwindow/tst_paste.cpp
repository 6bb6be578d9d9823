#include "DataTable.h"
#include "FontSubstitutes.h"
#include "LoadedWindow.h"

#include <QClipboard>
#include <QKeySequence>
#include <QMenu>
#include <QMimeData>

namespace {

// Every way a text comes into a field at once.
enum class Way { CtrlV, ContextMenu, MiddleButton, Drop };
constexpr Way Ways[] = {Way::CtrlV, Way::ContextMenu, Way::MiddleButton, Way::Drop};

// Puts `text` into `field` the given way, with the field's caret at its end; false when this
// display offers no such way.
bool pasteInto(QLineEdit *field, const QString &text, Way way) {
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(text);
    field->setFocus();
    field->end(false);
    switch (way) {
    case Way::CtrlV:
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        break;
    case Way::ContextMenu: {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2),
                                field->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(field, &event);
        auto *menu = field->findChild<QMenu *>();
        if (!menu)
            qFatal("no context menu");
        for (QAction *action : menu->actions())
            if (action->text().startsWith("&Paste"))
                action->trigger();
        menu->close();
        break;
    }
    case Way::MiddleButton:
        if (!clipboard->supportsSelection())
            return false;
        clipboard->setText(text, QClipboard::Selection);
        QTest::mouseClick(field, Qt::MiddleButton, {}, QPoint(field->width() - 2, 4));
        break;
    case Way::Drop: {
        QMimeData data;
        data.setText(text);
        const QPoint at(field->width() - 2, 4);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(field, &enter);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(field, &drop);
        break;
    }
    }
    return true;
}

const char *const AngleFields[] = {"txbDegrees", "txbMinutes", "txbSeconds"};

} // namespace

class TestPaste : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutes(); }

    // The text pasted into degrees, minutes and seconds where 1, 2, 3 were typed, with the sign
    // "-"; then degrees|minutes|seconds|sign, or "+X" for X put in as text at the caret; the
    // message.
    void writtenAngle_data() {
        columns<QString, QString, QString>("pasted", "after", "message");
        row("degrees and minutes, minus, comma", "-12\u00B030,5'", "12|30,5||-", "");
        row("ordinal and primes", "12\u00BA34\u203256\u2033", "12|34|56|", "");
        row("lone carriage return ends it", "1 30\r2", "1|30||", "");
        row("Arabic-Indic digits", "\u0661\u0662 \u0663\u0660\u066B\u0665", "12|30.5||", "");
        row("degrees at the limit", "12345678\u00B0", "12345678|||", "");
        row("degrees too long", "123456789\u00B0 1'", "1|2|3|-",
            "The pasted degrees are longer than 8 characters.");
        row("seconds too long", "1\u00B02'3.4567\"", "1|2|3|-",
            "The pasted seconds are longer than 5 characters.");
        row("plain number", "5.5", "+5.5", "");
        row("refused text, marks as written", "1\u2033x", "+1\u2033x", "");
    }
    void writtenAngle() {
        QFETCH(QString, pasted);
        QFETCH(QString, after);
        QFETCH(QString, message);
        for (int at = 0; at < 3; ++at) {
            for (const Way way : Ways) {
                const QByteArray where =
                    AngleFields[at] + QByteArray(" way ") + QByteArray::number(int(way));
                LOADED_WINDOW(w);
                // Typed, so that the paste must be an undo step apart from the typing.
                w.setFields("|||||-");
                for (int i = 0; i < 3; ++i)
                    QTest::keyClicks(w.field(AngleFields[i]), QString::number(i + 1));
                if (!pasteInto(w.field(AngleFields[at]), pasted, way))
                    continue;
                QStringList texts{"1", "2", "3"};
                texts[at] += after.mid(1);
                const QString expected =
                    "||" + (after.startsWith(u'+') ? texts.join(u'|') + "|-" : after);
                QVERIFY2(w.fields() == expected, where + ": " + w.fields().toUtf8());
                QCOMPARE(w.fake.messages.shown.size(), message.isEmpty() ? 0 : 1);
                if (!message.isEmpty())
                    QCOMPARE(w.fake.messages.shown[0].text, message);
                // One undo in each field that changed brings back what was typed there.
                for (int i = 0; i < 3; ++i) {
                    if (w.field(AngleFields[i])->text() != QString::number(i + 1))
                        QTest::keySequence(w.field(AngleFields[i]), QKeySequence::Undo);
                }
                QVERIFY2(w.fields().startsWith("||1|2|3|"), where + ": " + w.fields().toUtf8());
            }
        }
    }

    // Field, its text with the caret at "|", the clipboard, the text after the paste.
    void pasteKeepsOneLine_data() {
        columns<QString, QString, QString, QString>("name", "before", "clipboard", "after");
        row("control character dropped", "txbSeconds", "|", QChar(1) + QString(" 5"), " 5");
        row("text after the caret stays", "txbToAdd", "ab|cd", "1\n2", "ab1cd");
        row("field's length first", "txbMinutes", "|", "12.5\r\n", "12.5");
        row("fullwidth digits", "txbRadians", "|", "\uFF11\uFF0E\uFF15", "1.5");
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

    // Only a paste is brought to ASCII digits: what a person types stays as typed.
    void typingUnchanged() {
        LOADED_WINDOW(w);
        QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, "\u0661\uFF12 3");
        QApplication::sendEvent(w.field("txbDegrees"), &typed);
        QCOMPARE(w.field("txbDegrees")->text(), "\u0661\uFF12 3");
    }
};

QTEST_MAIN(TestPaste)
#include "tst_paste.moc"
