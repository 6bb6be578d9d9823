#include "ClickLabel.h"
#include "DataTable.h"
#include "FakeKeyboardState.h"
#include "HeldKeyFilter.h"
#include "X11KeyboardState.h"

#include <QApplication>
#include <QKeyEvent>
#include <QProcess>
#include <QPushButton>
#include <QTest>

namespace {

// Sends a key event with its native code and timestamp through the application, as the
// display's events arrive.
void send(QWidget *to, QEvent::Type type, int key, quint32 code, bool repeat, quint64 time) {
    QKeyEvent event(type, key, Qt::NoModifier, code, 0, 0, key == Qt::Key_Space ? " " : "\r",
                    repeat);
    event.setTimestamp(time);
    QApplication::sendEvent(to, &event);
}

} // namespace

class TestHeldKeys : public QObject {
    Q_OBJECT
private slots:
    // Each repeat of a held key comes as a release and a press, flagged as repeats or looking
    // real with the key still down; a tap is checked after each hold. Buttons and links alike.
    void buttonActsOncePerHold_data() {
        columns<int, bool, bool>("key", "flagged", "link");
        row("Space held, repeats look real", int(Qt::Key_Space), false, false);
        row("Enter held, repeats flagged", int(Qt::Key_Return), true, false);
        row("link, Space held, repeats look real", int(Qt::Key_Space), false, true);
        row("link, Enter held, repeats flagged", int(Qt::Key_Return), true, true);
    }
    void buttonActsOncePerHold() {
        QFETCH(int, key);
        QFETCH(bool, flagged);
        QFETCH(bool, link);
        const quint32 code = key == Qt::Key_Space ? 65 : 36; // X key codes, as the display gives
        FakeKeyboardState keyboard;
        HeldKeyFilter filter(keyboard);
        qApp->installEventFilter(&filter);
        QPushButton push;
        push.setAutoDefault(true); // clicks on the press of Enter, as the window's buttons do
        ClickLabel label;
        int clicks = 0;
        connect(&push, &QPushButton::clicked, [&] { ++clicks; });
        connect(&label, &ClickLabel::clicked, [&] { ++clicks; });
        QWidget &button = link ? static_cast<QWidget &>(label) : push;

        quint64 time = 1000;
        keyboard.down = {code};
        send(&button, QEvent::KeyPress, key, code, false, time);
        for (int i = 0; i < 20; ++i) {
            time += 33;
            send(&button, QEvent::KeyRelease, key, code, flagged, time);
            send(&button, QEvent::KeyPress, key, code, flagged, time);
        }
        keyboard.down.clear();
        send(&button, QEvent::KeyRelease, key, code, false, time + 40);
        QCOMPARE(clicks, 1);

        // The next tap acts again: nothing of the hold is left behind.
        keyboard.down = {code};
        send(&button, QEvent::KeyPress, key, code, false, time + 500);
        keyboard.down.clear();
        send(&button, QEvent::KeyRelease, key, code, false, time + 540);
        QCOMPARE(clicks, 2);
    }

    // A press whose control lost the focus before its release acts no more: a release that
    // later reaches the link alone does not click it.
    void pressLostWithTheFocus() {
        QWidget window;
        ClickLabel link(&window);
        QPushButton other(&window);
        int clicks = 0;
        connect(&link, &ClickLabel::clicked, [&] { ++clicks; });
        window.show();
        link.setFocus();
        send(&link, QEvent::KeyPress, Qt::Key_Space, 65, false, 1000);
        other.setFocus();
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(&link, &out);
        send(&link, QEvent::KeyRelease, Qt::Key_Space, 65, false, 1040);
        QCOMPARE(clicks, 0);
    }

    // The X server's own key map: Space (key code 65) is down while held, and only then. Run
    // on an X server by tst_held_keys_x11.
    void x11KeyMap() {
        if (QGuiApplication::platformName() != u"xcb")
            QSKIP("needs an X server");
        X11KeyboardState keyboard;
        const bool before = keyboard.isDown(65);
        QProcess::execute("xdotool", {"keydown", "space"});
        const bool held = keyboard.isDown(65) && !keyboard.isDown(66) && !keyboard.isDown(57);
        QProcess::execute("xdotool", {"keyup", "space"});
        QVERIFY(!before && held && !keyboard.isDown(65));
    }
};

QTEST_MAIN(TestHeldKeys)
#include "tst_held_keys.moc"
