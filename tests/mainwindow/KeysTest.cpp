#include "LoadedWindow.h"

#include <QTimer>

namespace {

const QString RadiansLine = QStringLiteral("1.000000 radians = 57\u00B0 17' 45\"\n");
const QString DegreesLine = QStringLiteral("90\u00B0 0' 0\" = 1.570796 radians\n");

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

class KeysTest : public QObject {
    Q_OBJECT
private slots:
    void enterInAField_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("output");
        const int none = Qt::NoModifier;
        QTest::newRow("radians Return")
            << "txbRadians" << int(Qt::Key_Return) << none << RadiansLine;
        QTest::newRow("radians keypad Enter")
            << "txbRadians" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << RadiansLine;
        QTest::newRow("radians Shift+Return")
            << "txbRadians" << int(Qt::Key_Return) << int(Qt::ShiftModifier) << RadiansLine;
        QTest::newRow("radians Ctrl+Return")
            << "txbRadians" << int(Qt::Key_Return) << int(Qt::ControlModifier) << RadiansLine;
        QTest::newRow("radians Alt+Return")
            << "txbRadians" << int(Qt::Key_Return) << int(Qt::AltModifier) << RadiansLine;
        QTest::newRow("degrees Return")
            << "txbDegrees" << int(Qt::Key_Return) << none << DegreesLine;
        QTest::newRow("minutes Return")
            << "txbMinutes" << int(Qt::Key_Return) << none << DegreesLine;
        QTest::newRow("seconds keypad Enter")
            << "txbSeconds" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << DegreesLine;
        QTest::newRow("seconds Shift+Return")
            << "txbSeconds" << int(Qt::Key_Return) << int(Qt::ShiftModifier) << DegreesLine;
        QTest::newRow("value to add: nothing") << "txbToAdd" << int(Qt::Key_Return) << none << "";
        for (const char *field : {"txbRadians", "txbDegrees", "txbMinutes", "txbSeconds"}) {
            QTest::addRow("%s Escape: nothing", field)
                << field << int(Qt::Key_Escape) << none << "";
            QTest::addRow("%s digit: nothing", field) << field << int(Qt::Key_5) << none << "";
            QTest::addRow("%s Tab: nothing", field) << field << int(Qt::Key_Tab) << none << "";
        }
    }
    void enterInAField() {
        QFETCH(QString, field);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, output);
        LoadedWindow w;
        // Both conversions have input, so the output shows which one ran.
        w.field("txbRadians")->setText(QStringLiteral("1"));
        w.field("txbDegrees")->setText(QStringLiteral("90"));
        QLineEdit *target = w.field(field.toLatin1());
        target->setFocus();
        QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(w.output(), output);
        QVERIFY(w.fake.messages.shown.isEmpty());
    }

    void conversionRunsOnReleaseNotOnPress() {
        LoadedWindow w;
        w.type("txbRadians", QStringLiteral("1"));
        QTest::keyPress(w.field("txbRadians"), Qt::Key_Return);
        QCOMPARE(w.output(), QString());
        QTest::keyRelease(w.field("txbRadians"), Qt::Key_Return);
        QCOMPARE(w.output(), RadiansLine);
    }

    void releaseWithoutPressInTheFieldDoesNothing_data() {
        QTest::addColumn<QString>("pressedIn");
        QTest::newRow("press elsewhere") << "txbDegrees";
        QTest::newRow("no press at all") << "";
    }
    void releaseWithoutPressInTheFieldDoesNothing() {
        QFETCH(QString, pressedIn);
        LoadedWindow w;
        w.field("txbRadians")->setText(QStringLiteral("1"));
        if (!pressedIn.isEmpty()) {
            w.field(pressedIn.toLatin1())->setFocus();
            QTest::keyPress(w.field(pressedIn.toLatin1()), Qt::Key_Return);
        }
        w.field("txbRadians")->setFocus();
        QTest::keyRelease(w.field("txbRadians"), Qt::Key_Return);
        QCOMPARE(w.output(), QString());
    }

    void enterOnAMessageDoesNotLoop() {
        EnterClosesBox box;
        FakePlatform fake;
        Platform platform{box, fake.clipboard, fake.screen, fake.files, fake.web, fake.process};
        frmMain window(platform);
        window.Form_Load();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *radians = window.findChild<QLineEdit *>(QStringLiteral("txbRadians"));
        QTest::keyClicks(radians, QStringLiteral("7"));
        QTest::keyClick(radians, Qt::Key_Return);
        QCOMPARE(box.shown.size(), 1);
        // The Enter that closed the box is released in the field.
        QTest::qWait(50);
        QCOMPARE(box.shown.size(), 1);
        QCOMPARE(box.shown.first().text, QStringLiteral("Radians out of range"));
        QCOMPARE(QApplication::focusWidget(), radians);
    }
};

QObject *makeKeysTest() {
    return new KeysTest;
}

#include "KeysTest.moc"
