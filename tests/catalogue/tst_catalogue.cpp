#include "CatalogueOpener.h"
#include "ClickLabel.h"
#include "DataTable.h"
#include "FakePlatform.h"
#include "ProgramList.h"
#include "StandInOpener.h"
#include "Twips.h"
#include "WindowsColour.h"
#include "XdgWebLauncher.h"
#include "frmQSsoftware.h"
#include "weblink.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <csignal>
#include <functional>

using namespace std::chrono_literals;
using weblink::Caller;

namespace {

const QColor Yellow = fromWindowsColour(65535), Red = fromWindowsColour(255);
const QColor Navy = fromWindowsColour(0x800000);
const auto px = [](int twips) { return Twips::toPixels(twips, 96.0); };
const auto textColour = [](const QWidget *w) { return w->palette().color(QPalette::WindowText); };

// The window's controls by the names the design gives them.
template <typename T = QWidget> T *child(const QWidget &window, const QString &name) {
    auto *control = window.findChild<T *>(name);
    if (!control)
        qFatal("no control %s", qPrintable(name));
    return control;
}
ClickLabel *title(const QWidget &window, int slot) {
    return child<ClickLabel>(window, QStringLiteral("lblTitle(%1)").arg(slot));
}
ClickLabel *description(const QWidget &window, int slot) {
    return child<ClickLabel>(window, QStringLiteral("lblDescription(%1)").arg(slot));
}
QScrollBar *scrollBar(const QWidget &window) {
    return child<QScrollBar>(window, "VScroll");
}
QPushButton *closeButton(const QWidget &window) {
    return child<QPushButton>(window, "cmdClose");
}

// What slots 0 to 3 show, "title | description".
QStringList slotTexts(const frmQSsoftware &w) {
    QStringList texts;
    for (int j = 0; j < 4; ++j)
        texts << title(w, j)->text() + " | " + description(w, j)->text();
    return texts;
}

// A click, or as a display delivers a double click: press, release, then the second press
// as a double click.
void click(QWidget *label, bool twice) {
    QTest::mouseClick(label, Qt::LeftButton);
    if (!twice)
        return;
    const QPointF at(3, 3);
    QMouseEvent second(QEvent::MouseButtonDblClick, at, label->mapToGlobal(at), Qt::LeftButton,
                       Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(label, &second);
    QTest::mouseRelease(label, Qt::LeftButton, {}, at.toPoint());
}

// A stand-in main window with a colour and a place of its own, and the catalogue it opens.
struct CatalogueFixture {
    FakePlatform fake;
    QWidget main;
    ProgramTable Programs;
    std::unique_ptr<frmQSsoftware> window;
    CatalogueOpener opener{&main, fake.platform};

    CatalogueFixture() {
        main.setPalette(QPalette(Qt::white, Navy));
        main.move(200, 150);
        BuildProgramList(SiteURL, Programs);
    }

    // A catalogue with the settings both openers give it, shown without a modal loop.
    frmQSsoftware &shown() {
        window = std::make_unique<frmQSsoftware>(&main, fake.platform,
                                                 CatalogueSettings{false, 65535, 65535, 16777215});
        window->show();
        QApplication::setActiveWindow(window.get());
        return *window;
    }

    // Runs `step` inside the opener's modal showing; false unless the step hid the window.
    bool duringModal(const std::function<void(frmQSsoftware &)> &step) {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            if (frmQSsoftware *w = opener.window()) {
                ran = w->isModal() && w->isVisible();
                step(*w);
                ran = ran && !w->isVisible();
                w->hide();
            }
        });
        opener.showModal();
        return ran;
    }

    // Slots 0 to 3 show the entries from `top` on, blank past the last one.
    QStringList entriesFrom(int top) const {
        QStringList texts;
        for (int i = top; i < top + 4; ++i)
            texts << (i < 14 ? Programs[i].Title + " | " + Programs[i].Description + "\r\n" +
                                   Programs[i].URL
                             : " | ");
        return texts;
    }
};

// What moves the list: a key, a click on the scroll bar's lower arrow or trough, or the wheel
// turned down over a title or up over a description.
enum class Scroll { Up, Down, PgUp, PgDn, Home, End, Arrow, Trough, WheelDown, WheelUp };

// The ways the catalogue is put away before it is opened again.
enum class Closing { CloseButton, Escape, TitleBar };

} // namespace

Q_DECLARE_METATYPE(Scroll)
Q_DECLARE_METATYPE(Closing)

class TestCatalogue : public QObject {
    Q_OBJECT

private slots:
    void getFileExtension_data() {
        columns<QString, bool, QString>("path", "lowerCase", "extension");
        row("site root keeps the slash", SiteURL, true, "example/");
        row("dot only in a folder name", "C:\\Dir.old\\readme", true, "");
        row("two extensions, lowered", "C:\\Data\\archive.tar.GZ", true, "gz");
        row("two extensions, as written", "C:\\Data\\archive.tar.GZ", false, "GZ");
        row("only a leading dot", ".profile", true, "profile");
    }
    void getFileExtension() {
        QFETCH(QString, path);
        QFETCH(bool, lowerCase);
        QTEST(weblink::GetFileExtension(path, lowerCase), "extension");
    }

    void failureMessage_data() {
        columns<int, QString, QString>("code", "notice", "catalogue");
        const QString e = "Error launching web browser, error code =", none = "no message";
        const auto same = [](const char *name, int code, const QString &text) {
            row(name, code, text, text);
        };
        same("0 is only its line", 0, e + " 0.");
        same("2 asks for another try", 2, e + " 2.\r\n\r\nPlease try once more.");
        same("8 is out of memory", 8, e + " 8.\r\n\r\nOut of memory.");
        row("31 names the type", 31,
            e + " 31.\r\n\r\nFile extension 'htm' is not associated with any application program.",
            e + " 31.\r\n\r\nThe web page file type htm is not associated with any browser "
                "program.");
        same("32 is the last failure", 32, e + " 32.");
        same("33 succeeds", 33, none);
        same("negative has its minus and no blank", -5, e + "-5.");
    }
    void failureMessage() {
        QFETCH(int, code);
        QFETCH(QString, catalogue);
        const QString page = SiteURL + "folder/page.htm", none = "no message";
        QTEST(weblink::launchFailureMessage(code, page, Caller::Notice).value_or(none), "notice");
        QCOMPARE(weblink::launchFailureMessage(code, page, Caller::Catalogue).value_or(none),
                 catalogue);
    }

    void buildAfterOpening() {
        CatalogueFixture f;
        frmQSsoftware &w = f.shown();
        QCOMPARE(w.windowTitle(), QStringLiteral("Quevrin Systems Software"));
        QVERIFY(!(w.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(child<QLabel>(w, "lblIntro")
                    ->text()
                    .startsWith("Quevrin Systems publishes fourteen Windows"));
        // Slots 0 to 2 lie in the box; slot 3 starts below its bottom edge.
        QVERIFY(title(w, 2)->geometry().bottom() < child(w, "PicBox")->height());
        QVERIFY(title(w, 3)->y() >= child(w, "PicBox")->height());
        QVERIFY(!scrollBar(w)->hasTracking()); // the thumb acts only when let go
        QCOMPARE(closeButton(w)->x() + closeButton(w)->width() / 2, w.width() / 2);
        QVERIFY(!child<QLabel>(w, "lblIntro")->font().bold() && title(w, 13)->font().bold());
        QCOMPARE(textColour(child<QLabel>(w, "lblIntro")), Yellow);
        QCOMPARE(textColour(description(w, 13)), fromWindowsColour(16777215));
        const QWidget *backed[] = {&w, child(w, "PicBox"), title(w, 7)};
        for (const QWidget *widget : backed)
            QCOMPARE(widget->palette().color(QPalette::Window), Navy);
    }

    void scrolling_data() {
        using enum Scroll;
        columns<QList<Scroll>, int>("actions", "top");
        row("Down moves one", QList{Down}, 1);
        row("Page Down three, Up one", QList{PgDn, PgDn, Up}, 5);
        row("Page Up and Up stop at the top", QList{Down, PgUp, Up}, 0);
        row("End, and Page Down stops there", QList{End, PgDn}, 11);
        row("Home", QList{PgDn, Home}, 0);
        row("arrow moves one", QList{Arrow, Arrow}, 2);
        row("trough moves three", QList{Trough}, 3);
        row("wheel over a title", QList{WheelDown}, 3);
        row("wheel over a description", QList{PgDn, PgDn, WheelUp}, 3);
        row("wheel stops at the end", QList{End, WheelDown}, 11);
    }
    void scrolling() {
        QFETCH(QList<Scroll>, actions);
        QFETCH(int, top);
        CatalogueFixture f;
        frmQSsoftware &w = f.shown();
        QScrollBar *bar = scrollBar(w);
        for (Scroll act : actions) {
            if (act == Scroll::WheelDown || act == Scroll::WheelUp) {
                const bool down = act == Scroll::WheelDown;
                QWidget *over = down ? title(w, 0) : description(w, 2);
                QWheelEvent wheel({3, 3}, over->mapToGlobal(QPointF(3, 3)), {},
                                  {0, down ? -120 : 120}, Qt::NoButton, Qt::NoModifier,
                                  Qt::NoScrollPhase, false);
                QApplication::sendEvent(over, &wheel);
            } else if (act == Scroll::Arrow || act == Scroll::Trough) {
                const int y = bar->height() - (act == Scroll::Arrow ? 3 : 3 * bar->width());
                QTest::mouseClick(bar, Qt::LeftButton, {}, {bar->width() / 2, y});
            } else {
                constexpr Qt::Key keys[] = {Qt::Key_Up,       Qt::Key_Down, Qt::Key_PageUp,
                                            Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
                QTest::keyClick(w.focusWidget(), keys[int(act)]);
            }
        }
        QCOMPARE(bar->value(), top);
        QCOMPARE(slotTexts(w), f.entriesFrom(top));
        QCOMPARE(title(w, 5)->text(), f.Programs[5].Title);
        QCOMPARE(w.focusWidget(), closeButton(w));
    }

    void entryClick_data() {
        // entry -1: the click does nothing. A double click opens one page, as a click does.
        columns<int, int, int, bool>("top", "slot", "entry", "twice");
        for (int top : {0, 5, 11}) {
            for (int slot = 0; slot < 3; ++slot)
                QTest::addRow("slot %d at %d", slot, top) << top << slot << top + slot << false;
        }
        row("slot below the box", 0, 3, -1, false);
        row("double clicks", 0, 1, 1, true);
    }
    void entryClick() {
        QFETCH(int, top);
        QFETCH(int, slot);
        QFETCH(int, entry);
        QFETCH(bool, twice);
        CatalogueFixture f;
        frmQSsoftware &w = f.shown();
        scrollBar(w)->setValue(top);
        const QStringList url = entry < 0 ? QStringList() : QStringList{f.Programs[entry].URL};
        click(description(w, slot), twice);
        QCOMPARE(f.fake.web.opened, url);
        QCOMPARE(textColour(title(w, slot)), Yellow);
        click(title(w, slot), twice);
        QCOMPARE(f.fake.web.opened, url + url);
        // The red stays with the slot whatever the list scrolls to.
        scrollBar(w)->setValue(top == 0 ? 5 : 0);
        QCOMPARE(textColour(title(w, slot)), entry < 0 ? Yellow : Red);
        QCOMPARE(textColour(title(w, (slot + 1) % 3)), Yellow);
    }

    // Tab reaches the titles in view after Close; Enter and Space open their page as a click,
    // red included, with a focus frame while they have the focus.
    void keyboardOpensEntries_data() {
        columns<int, Qt::Key>("tabs", "key");
        row("first title, Enter", 1, Qt::Key_Return);
        row("second title, Space", 2, Qt::Key_Space);
        row("third title, keypad Enter", 3, Qt::Key_Enter);
    }
    void keyboardOpensEntries() {
        QFETCH(int, tabs);
        QFETCH(Qt::Key, key);
        CatalogueFixture f;
        frmQSsoftware &w = f.shown();
        scrollBar(w)->setValue(4);
        QCOMPARE(w.focusWidget(), closeButton(w));
        QWidget *focusedTitle = title(w, tabs - 1);
        const QImage unfocused = focusedTitle->grab().toImage();
        for (int i = 0; i < tabs; ++i)
            QTest::keyClick(w.focusWidget(), Qt::Key_Tab);
        QCOMPARE(w.focusWidget(), focusedTitle);
        // A frame in the text's colour: the style's own is too faint on the teal to be seen.
        const QImage focused = focusedTitle->grab().toImage();
        QVERIFY(focused != unfocused);
        int framePixels = 0;
        for (int x = 0; x < focused.width(); ++x)
            framePixels += focused.pixelColor(x, 0) == textColour(focusedTitle) ? 1 : 0;
        QVERIFY2(framePixels >= focused.width() / 3, qPrintable(QString::number(framePixels)));
        QTest::keyClick(focusedTitle, key);
        QCOMPARE(f.fake.web.opened, QStringList{f.Programs[4 + tabs - 1].URL});
        QCOMPARE(textColour(focusedTitle), Red);
        QVERIFY(w.isVisible()); // Enter went to the focusedTitle, not to the Close button
        QTest::keyClick(w.focusWidget(), Qt::Key_Tab);
        QCOMPARE(w.focusWidget(),
                 tabs == 3 ? static_cast<QWidget *>(closeButton(w)) : title(w, tabs));
    }

    void closeAndReopen_data() {
        columns<Closing>("how");
        row("Close button keeps it", Closing::CloseButton);
        row("Escape keeps it", Closing::Escape);
        row("title bar rebuilds it", Closing::TitleBar);
    }
    void closeAndReopen() {
        QFETCH(Closing, how);
        CatalogueFixture f;
        f.fake.web.result = 31;
        QPoint place;
        QVERIFY(f.duringModal([&](frmQSsoftware &w) {
            scrollBar(w)->setValue(5);
            QTest::mouseClick(title(w, 1), Qt::LeftButton);
            place = w.pos();
            if (how == Closing::CloseButton)
                QTest::mouseClick(closeButton(w), Qt::LeftButton);
            else if (how == Closing::Escape)
                QTest::keyClick(w.focusWidget(), Qt::Key_Escape);
            else
                w.close();
        }));
        QCOMPARE(f.fake.messages.shown.size(), 1); // the failed launch, in the catalogue's words
        QCOMPARE(f.fake.messages.shown[0].text,
                 *weblink::launchFailureMessage(31, f.Programs[6].URL, Caller::Catalogue));
        const bool kept = how != Closing::TitleBar;
        QCOMPARE(f.opener.window() != nullptr, kept);
        f.main.move(400, 300); // a build follows it; a hidden window stays where it was
        QVERIFY(f.duringModal([&](frmQSsoftware &w) {
            QCOMPARE(scrollBar(w)->value(), kept ? 5 : 0);
            QCOMPARE(title(w, 0)->text(), f.Programs[kept ? 5 : 0].Title);
            QCOMPARE(textColour(title(w, 1)), kept ? Red : Yellow);
            QCOMPARE(w.pos(), kept ? place : QPoint(400, 300) + QPoint(px(100), px(400)));
            w.hide();
        }));
    }

    // Offset from the main window, but moved back wholly onto the free part of its screen,
    // which here lies right of another monitor and below a panel.
    void staysOnTheMainWindowsScreen() {
        CatalogueFixture f;
        f.fake.screen.available = QRect(1920, 32, 1280, 992);
        f.main.move(2900, 900);
        QVERIFY(f.duringModal([&](frmQSsoftware &w) {
            QCOMPARE(w.pos(), QPoint(3200 - w.width(), 1024 - w.height()));
            w.hide();
        }));
    }

    // With an opener that does not return, the window goes on: a second click is dropped,
    // not queued, and Escape hides the window at once.
    void slowOpenerKeepsWindowResponsive() {
        StandInOpener sleeper("echo $$ >> \"$(dirname \"$0\")/pids\"\nexec /bin/sleep 60");
        XdgWebLauncher launcher; // the usual bound of three seconds
        CatalogueFixture f;
        Platform platform{f.fake.messages, f.fake.clipboard, f.fake.screen,
                          f.fake.files,    launcher,         f.fake.process};
        CatalogueOpener opener(&f.main, platform);
        QElapsedTimer clock;
        qint64 escaped = -1;
        bool secondRed = true;
        QTimer::singleShot(0, [&] {
            frmQSsoftware *w = opener.window();
            QTimer::singleShot(300ms, [&, w] {
                QTest::mouseClick(title(*w, 1), Qt::LeftButton);
                QTest::mouseClick(description(*w, 2), Qt::LeftButton);
                secondRed = textColour(title(*w, 1)) == Red;
                clock.start();
                QTest::keyClick(w->focusWidget(), Qt::Key_Escape);
            });
            QTest::mouseClick(title(*w, 0), Qt::LeftButton); // waits for the opener
            escaped = clock.isValid() ? clock.elapsed() : -1;
        });
        opener.showModal();
        QVERIFY(escaped >= 0 && escaped < 1000);
        QVERIFY(!secondRed);
        QVERIFY(!launcher.pending());
        QVERIFY(f.fake.messages.shown.isEmpty());
        const QList<QByteArray> pids = sleeper.read("pids").split('\n');
        QCOMPARE(pids.size(), 2); // one opener, and the line's end
        QCOMPARE(::kill(pids[0].toInt(), SIGTERM), 0);
    }
};

QTEST_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
