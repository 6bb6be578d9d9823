#include "CatalogueOpener.h"
#include "CatalogueScroll.h"
#include "ClickLabel.h"
#include "DataTable.h"
#include "FakePlatform.h"
#include "ProgramList.h"
#include "StandInOpener.h"
#include "Twips.h"
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
const auto described = [](const ProgramEntry &e) { return e.Description + "\r\n" + e.URL; };

// What slots 0 to 3 show, "title | description".
QStringList slotTexts(const frmQSsoftware &w) {
    QStringList texts;
    for (int j = 0; j < 4; ++j)
        texts << w.lblTitle[j]->text() + " | " + w.lblDescription[j]->text();
    return texts;
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
        window = std::make_unique<frmQSsoftware>(&main, fake.platform);
        window->lngIntroForeColor = window->lngTitleForeColor = 65535;
        window->lngDescriptionForeColor = 16777215;
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
            texts << (i < 14 ? Programs[i].Title + " | " + described(Programs[i]) : " | ");
        return texts;
    }
};

// What moves the list: a key, or a click on the scroll bar's lower arrow or trough.
enum class Scroll { Up, Down, PgUp, PgDn, Home, End, Arrow, Trough };

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
        row("name ending in a dot", "notes.", true, "");
        row("only a leading dot", ".profile", true, "profile");
        row("web path", "folder/page.htm", true, "htm");
        row("no dot at all", "readme", true, "");
    }
    void getFileExtension() {
        QFETCH(QString, path);
        QFETCH(bool, lowerCase);
        QTEST(weblink::GetFileExtension(path, lowerCase), "extension");
    }

    void failureMessage_data() {
        columns<int, QString, QString>("code", "notice", "catalogue");
        const QString e = QStringLiteral("Error launching web browser, error code =");
        const QString again = e + " 2.\r\n\r\nPlease try once more.";
        const QString memory = e + " 8.\r\n\r\nOut of memory.", none = "no message";
        row("0 is only its line", 0, e + " 0.", e + " 0.");
        row("2 asks for another try", 2, again, again);
        row("8 is out of memory", 8, memory, memory);
        const QString ext = "File extension 'htm' is not associated with any application program.";
        const QString type =
            "The web page file type htm is not associated with any browser program.";
        row("31 names the type", 31, e + " 31.\r\n\r\n" + ext, e + " 31.\r\n\r\n" + type);
        row("32 is the last failure", 32, e + " 32.", e + " 32.");
        row("33 succeeds", 33, none, none);
        row("negative has its minus and no blank", -5, e + "-5.", e + "-5.");
    }
    void failureMessage() {
        QFETCH(int, code);
        QFETCH(QString, catalogue);
        const QString page = SiteURL + "folder/page.htm", none = "no message";
        QTEST(weblink::LaunchFailureMessage(code, page, Caller::Notice).value_or(none), "notice");
        QCOMPARE(weblink::LaunchFailureMessage(code, page, Caller::Catalogue).value_or(none),
                 catalogue);
    }

    void programList() {
        ProgramTable Programs;
        QCOMPARE(BuildProgramList(SiteURL, Programs), qint16(14));
        QCOMPARE(CatalogueScroll::VScrollStep(Programs, 14, 12).clampTo, 11); // above 11 clamped
        for (int i = 0; i < 14; ++i) {
            const ProgramEntry &entry = Programs[i];
            const bool ordered =
                i == 0 || Programs[i - 1].Title.compare(entry.Title, Qt::CaseInsensitive) < 0;
            const QStringList page = entry.URL.mid(SiteURL.size()).split('/');
            QVERIFY2(ordered && !entry.Title.isEmpty() && entry.Title.size() <= 48 &&
                         entry.Description.size() >= 130 && entry.Description.size() <= 260 &&
                         entry.URL.startsWith(SiteURL) && page.size() == 2 &&
                         page[1].endsWith(".htm"),
                     qPrintable(entry.Title));
        }
    }

    void buildAfterOpening() {
        CatalogueFixture f;
        frmQSsoftware &w = f.shown();
        QCOMPARE(w.windowTitle(), QStringLiteral("Quevrin Systems Software"));
        QVERIFY(!(w.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(w.lblIntro->text().startsWith("Quevrin Systems publishes fourteen Windows"));
        QCOMPARE(w.lblTitle.size(), std::size_t(14));
        for (int i = 0; i < 14; ++i) {
            QCOMPARE(w.lblTitle[i]->text(), f.Programs[i].Title);
            QCOMPARE(w.lblDescription[i]->text(), described(f.Programs[i]));
            QCOMPARE(w.lblTitle[i]->y(), px(i * 1550));
        }
        // Slots 0 to 2 lie in the box; slot 3 starts below its bottom edge.
        QVERIFY(w.lblTitle[2]->geometry().bottom() < w.PicBox->height());
        QVERIFY(w.lblTitle[3]->y() >= w.PicBox->height());
        QVERIFY(!w.VScroll->hasTracking()); // the thumb acts only when let go
        QCOMPARE(w.cmdClose->x() + w.cmdClose->width() / 2, w.width() / 2);
        QVERIFY(!w.lblIntro->font().bold() && w.lblTitle[13]->font().bold());
        QCOMPARE(textColour(w.lblIntro), Yellow);
        QCOMPARE(textColour(w.lblDescription[13]), fromWindowsColour(16777215));
        const QWidget *backed[] = {&w, w.PicBox, w.lblTitle[7]};
        for (const QWidget *widget : backed)
            QCOMPARE(widget->palette().color(QPalette::Window), Navy);
    }

    void scrolling_data() {
        using enum Scroll;
        columns<QList<Scroll>, int>("actions", "top");
        row("just opened", QList<Scroll>{}, 0);
        row("Down moves one", QList{Down}, 1);
        row("Page Down three, Up one", QList{PgDn, PgDn, Up}, 5);
        row("Page Up and Up stop at the top", QList{Down, PgUp, Up}, 0);
        row("End, and Page Down stops there", QList{End, PgDn}, 11);
        row("Home", QList{PgDn, Home}, 0);
        row("arrow moves one", QList{Arrow, Arrow}, 2);
        row("trough moves three", QList{Trough}, 3);
    }
    void scrolling() {
        QFETCH(QList<Scroll>, actions);
        QFETCH(int, top);
        CatalogueFixture f;
        frmQSsoftware &w = f.shown();
        QScrollBar *bar = w.VScroll;
        for (Scroll act : actions) {
            if (act == Scroll::Arrow || act == Scroll::Trough) {
                const int y = bar->height() - (act == Scroll::Arrow ? 3 : 3 * bar->width());
                QTest::mouseClick(bar, Qt::LeftButton, {}, {bar->width() / 2, y});
            } else {
                constexpr Qt::Key keys[] = {Qt::Key_Up,       Qt::Key_Down, Qt::Key_PageUp,
                                            Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
                QTest::keyClick(w.focusWidget(), keys[int(act)]);
            }
        }
        QCOMPARE(bar->value(), top);
        QCOMPARE(w.TopIndex, qint16(top));
        QCOMPARE(slotTexts(w), f.entriesFrom(top));
        QCOMPARE(w.lblTitle[5]->text(), f.Programs[5].Title);
        QCOMPARE(w.focusWidget(), w.cmdClose);
    }

    void entryClick_data() {
        columns<int, int, int>("top", "slot", "entry"); // entry -1: the click does nothing
        for (int top : {0, 5, 11}) {
            for (int slot = 0; slot < 3; ++slot)
                QTest::addRow("slot %d at %d", slot, top) << top << slot << top + slot;
        }
        row("slot below the box", 0, 3, -1);
    }
    void entryClick() {
        QFETCH(int, top);
        QFETCH(int, slot);
        QFETCH(int, entry);
        CatalogueFixture f;
        frmQSsoftware &w = f.shown();
        w.VScroll->setValue(top);
        const QStringList url = entry < 0 ? QStringList() : QStringList{f.Programs[entry].URL};
        QTest::mouseClick(w.lblDescription[slot], Qt::LeftButton);
        QCOMPARE(f.fake.web.opened, url);
        QCOMPARE(textColour(w.lblTitle[slot]), Yellow);
        QTest::mouseClick(w.lblTitle[slot], Qt::LeftButton);
        QCOMPARE(f.fake.web.opened, url + url);
        // The red stays with the slot whatever the list scrolls to.
        w.VScroll->setValue(top == 0 ? 5 : 0);
        QCOMPARE(textColour(w.lblTitle[slot]), entry < 0 ? Yellow : Red);
        QCOMPARE(textColour(w.lblTitle[(slot + 1) % 3]), Yellow);
    }

    // A double click opens one page and colours as a click does.
    void doubleClickOpensOnce_data() {
        columns<bool>("title");
        row("title, double click", true);
        row("description, double click", false);
    }
    void doubleClickOpensOnce() {
        QFETCH(bool, title);
        CatalogueFixture f;
        frmQSsoftware &w = f.shown();
        ClickLabel *label = title ? w.lblTitle[1] : w.lblDescription[1];
        // As a display delivers it: press, release, then the second press as a double click.
        QTest::mouseClick(label, Qt::LeftButton);
        QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(3, 3),
                           label->mapToGlobal(QPointF(3, 3)), Qt::LeftButton, Qt::LeftButton,
                           Qt::NoModifier);
        QApplication::sendEvent(label, &second);
        QTest::mouseRelease(label, Qt::LeftButton, {}, {3, 3});
        QCOMPARE(f.fake.web.opened, QStringList{f.Programs[1].URL});
        QCOMPARE(textColour(w.lblTitle[1]), title ? Red : Yellow);
    }

    // The wheel over an entry moves the list as it does over the scroll bar.
    void wheelOverEntries_data() {
        columns<int, int>("start", "delta");
        row("down from the top", 0, -120);
        row("up from the middle", 5, 120);
        row("down at the end", 11, -120);
    }
    void wheelOverEntries() {
        QFETCH(int, start);
        QFETCH(int, delta);
        CatalogueFixture f;
        frmQSsoftware &w = f.shown();
        const auto turn = [&](QWidget *over) {
            w.VScroll->setValue(start);
            QWheelEvent wheel({3, 3}, over->mapToGlobal(QPointF(3, 3)), {}, {0, delta},
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(over, &wheel);
            return w.VScroll->value();
        };
        const int byBar = turn(w.VScroll);
        QVERIFY(byBar != start || start == 11);
        for (QWidget *entry :
             {static_cast<QWidget *>(w.lblTitle[0]), static_cast<QWidget *>(w.lblDescription[2])}) {
            QCOMPARE(turn(entry), byBar);
            QCOMPARE(slotTexts(w), f.entriesFrom(byBar));
        }
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
        w.VScroll->setValue(4);
        QCOMPARE(w.focusWidget(), w.cmdClose);
        ClickLabel *title = w.lblTitle[tabs - 1];
        const QImage unfocused = title->grab().toImage();
        for (int i = 0; i < tabs; ++i)
            QTest::keyClick(w.focusWidget(), Qt::Key_Tab);
        QCOMPARE(w.focusWidget(), title);
        // A frame in the text's colour: the style's own is too faint on the teal to be seen.
        const QImage focused = title->grab().toImage();
        QVERIFY(focused != unfocused);
        int framePixels = 0;
        for (int x = 0; x < focused.width(); ++x)
            framePixels += focused.pixelColor(x, 0) == textColour(title) ? 1 : 0;
        QVERIFY2(framePixels >= focused.width() / 3, qPrintable(QString::number(framePixels)));
        QTest::keyClick(title, key);
        QCOMPARE(f.fake.web.opened, QStringList{f.Programs[4 + tabs - 1].URL});
        QCOMPARE(textColour(title), Red);
        QVERIFY(w.isVisible()); // Enter went to the title, not to the Close button
        QTest::keyClick(w.focusWidget(), Qt::Key_Tab);
        QCOMPARE(w.focusWidget(),
                 tabs == 3 ? static_cast<QWidget *>(w.cmdClose) : w.lblTitle[tabs]);
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
            w.VScroll->setValue(5);
            QTest::mouseClick(w.lblTitle[1], Qt::LeftButton);
            place = w.pos();
            if (how == Closing::CloseButton)
                QTest::mouseClick(w.cmdClose, Qt::LeftButton);
            else if (how == Closing::Escape)
                QTest::keyClick(w.focusWidget(), Qt::Key_Escape);
            else
                w.close();
        }));
        QCOMPARE(f.fake.messages.shown.size(), 1); // the failed launch, in the catalogue's words
        QCOMPARE(f.fake.messages.shown[0].text,
                 *weblink::LaunchFailureMessage(31, f.Programs[6].URL, Caller::Catalogue));
        const bool kept = how != Closing::TitleBar;
        QCOMPARE(f.opener.window() != nullptr, kept);
        f.main.move(400, 300); // a build follows it; a hidden window stays where it was
        QVERIFY(f.duringModal([&](frmQSsoftware &w) {
            QCOMPARE(w.VScroll->value(), kept ? 5 : 0);
            QCOMPARE(w.lblTitle[0]->text(), f.Programs[kept ? 5 : 0].Title);
            QCOMPARE(textColour(w.lblTitle[1]), kept ? Red : Yellow);
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
                QTest::mouseClick(w->lblTitle[1], Qt::LeftButton);
                QTest::mouseClick(w->lblDescription[2], Qt::LeftButton);
                secondRed = textColour(w->lblTitle[1]) == Red;
                clock.start();
                QTest::keyClick(w->focusWidget(), Qt::Key_Escape);
            });
            QTest::mouseClick(w->lblTitle[0], Qt::LeftButton); // waits for the opener
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
