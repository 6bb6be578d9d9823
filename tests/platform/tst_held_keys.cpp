#include "DataTable.h"
#include "FakeKeyboardState.h"
#include "HeldKeyFilter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>

namespace {

constexpr quint32 ReturnCode = 36; // X key codes, as the display gives them
constexpr quint32 SpaceCode = 65;

// How the display reports each repeat of a held key.
enum class Repeats {
    Flagged,   // as repeats: Qt saw the press that follows the release
    Unflagged, // as a real release and press, with the key still down
};

// Sends a key event with its native code and timestamp through the application, as the
// display's events arrive.
void send(QWidget *to, QEvent::Type type, int key, quint32 code, bool repeat, quint64 time) {
    QKeyEvent event(type, key, Qt::NoModifier, code, 0, 0, key == Qt::Key_Space ? " " : "\r",
                    repeat);
    event.setTimestamp(time);
    QApplication::sendEvent(to, &event);
}

} // namespace

Q_DECLARE_METATYPE(Repeats)

class TestHeldKeys : public QObject {
    Q_OBJECT
private slots:
    void buttonActsOncePerHold_data() {
        columns<int, int, Repeats>("key", "repeats", "reported");
        const int space = Qt::Key_Space, enter = Qt::Key_Return;
        row("Space tapped", space, 0, Repeats::Unflagged);
        row("Space held, repeats look real", space, 20, Repeats::Unflagged);
        row("Space held, repeats flagged", space, 20, Repeats::Flagged);
        row("Enter tapped", enter, 0, Repeats::Unflagged);
        row("Enter held, repeats look real", enter, 20, Repeats::Unflagged);
        row("Enter held, repeats flagged", enter, 20, Repeats::Flagged);
    }
    void buttonActsOncePerHold() {
        QFETCH(int, key);
        QFETCH(int, repeats);
        QFETCH(Repeats, reported);
        const quint32 code = key == Qt::Key_Space ? SpaceCode : ReturnCode;
        FakeKeyboardState keyboard;
        HeldKeyFilter filter(keyboard);
        qApp->installEventFilter(&filter);
        QPushButton button;
        button.setAutoDefault(true); // clicks on the press of Enter, as the window's buttons do
        int clicks = 0;
        connect(&button, &QPushButton::clicked, [&] { ++clicks; });

        quint64 time = 1000;
        keyboard.down = {code};
        send(&button, QEvent::KeyPress, key, code, false, time);
        const bool flagged = reported == Repeats::Flagged;
        for (int i = 0; i < repeats; ++i) {
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

    // Other keys pass untouched, repeats and all: a held digit still types several.
    void otherKeysPass() {
        FakeKeyboardState keyboard;
        keyboard.down = {10};
        HeldKeyFilter filter(keyboard);
        QPushButton button;
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_1, Qt::NoModifier, 10, 0, 0, "1");
        QVERIFY(!filter.eventFilter(&button, &release));
    }
};

QTEST_MAIN(TestHeldKeys)
#include "tst_held_keys.moc"
