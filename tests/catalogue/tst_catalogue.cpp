#include "CatalogueOpener.h"
#include "ClickLabel.h"
#include "DataTable.h"
#include "FakePlatform.h"
#include "ProgramList.h"
#include "Twips.h"
#include "WindowsColour.h"
#include "frmQSsoftware.h"
#include "weblink.h"

#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <functional>

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

// What slots 0 to 3 show, "title | the description's last line, its address".
QStringList slotTexts(const frmQSsoftware &w) {
    QStringList texts;
    for (int j = 0; j < 4; ++j)
        texts << title(w, j)->text() + " | " + description(w, j)->text().section("\r\n", -1);
    return texts;
}

// A click; a double click as a display delivers it: press, release, then the second press as
// a double click; or a press let go off the label.
void click(QWidget *label, const QString &how) {
    const QPoint at(3, 3);
    QTest::mousePress(label, Qt::LeftButton, {}, at);
    QTest::mouseRelease(label, Qt::LeftButton, {}, how == "off" ? QPoint(3, -5) : at);
    if (how != "twice")
        return;
    QMouseEvent second(QEvent::MouseButtonDblClick, at, label->mapToGlobal(at), Qt::LeftButton,
                       Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(label, &second);
    QTest::mouseRelease(label, Qt::LeftButton, {}, at);
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
            texts << (i < 14 ? Programs[i].Title + " | " + Programs[i].URL : " | ");
        return texts;
    }
};

} // namespace

class TestCatalogue : public QObject {
    Q_OBJECT

private slots:
    // The extension that the failure message names, lowered.
    void getFileExtension_data() {
        columns<QString, QString>("path", "extension");
        row("site root keeps the slash", SiteURL, "example/");
        row("dot only in a folder name", "C:\\Dir.old\\readme", "");
        row("two extensions, lowered", "C:\\Data\\archive.tar.GZ", "gz");
        row("only a leading dot", ".profile", "profile");
    }
    void getFileExtension() {
        QFETCH(QString, path);
        QTEST(weblink::GetFileExtension(path, true), "extension");
    }

    // The launch failure codes as the notice and the catalogue word them; above 32, no message.
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

    // What the window shows once opened: its title, captions, slots, fonts and colours.
    void buildAfterOpening() {
        CatalogueFixture f;
        frmQSsoftware &w = f.shown();
        QCOMPARE(w.windowTitle(), QStringLiteral("Quevrin Systems Software"));
        QVERIFY(!(w.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        const auto *intro = child<QLabel>(w, "lblIntro");
        QVERIFY(intro->text().startsWith("Quevrin Systems publishes fourteen Windows"));
        // The intro is broken into lines within its place.
        QVERIFY(intro->minimumSizeHint().width() <= intro->width() &&
                intro->heightForWidth(intro->width()) <= intro->height());
        // Slots 0 to 2 lie in the box; slot 3 starts below its bottom edge.
        QVERIFY(title(w, 2)->geometry().bottom() < child(w, "PicBox")->height());
        QVERIFY(title(w, 3)->y() >= child(w, "PicBox")->height());
        QVERIFY(!scrollBar(w)->hasTracking()); // the thumb acts only when let go
        QCOMPARE(closeButton(w)->x() + closeButton(w)->width() / 2, w.width() / 2);
        QVERIFY(!intro->font().bold() && title(w, 13)->font().bold());
        QCOMPARE(textColour(intro), Yellow);
        QCOMPARE(textColour(description(w, 13)), fromWindowsColour(16777215));
        const QWidget *backed[] = {&w, child(w, "PicBox"), title(w, 7)};
        for (const QWidget *widget : backed)
            QCOMPARE(widget->palette().color(QPalette::Window), Navy);
    }

    // What moves the list: keys to the control with the focus (Close, or a title after Tab),
    // a click on the scroll bar's lower arrow or trough, or the wheel turned down over a title
    // or up over a description. Then the list's top and the slot of the focused title, -1 for
    // Close; on a title, keys carry the focus along and Enter opens its program.
    void scrolling_data() {
        columns<QString, int, int>("actions", "top", "slot");
        row("Page Down three, Up and Down one", "PgDown PgDown Up Down Down", 7, -1);
        row("Page Up and Up stop at the top", "Down PgUp Up", 0, -1);
        row("End, and Page Down stops there", "End PgDown", 11, -1);
        row("arrow moves one", "arrow arrow", 2, -1);
        row("trough moves three", "trough", 3, -1);
        row("wheel over a title", "wheelDown", 3, -1);
        row("wheel over a description", "PgDown PgDown wheelUp", 3, -1);
        row("Down on a title within view moves only the focus", "Tab Down", 0, 1);
        row("Down on a title stops at the last", "Tab" + QString(" Down").repeated(15), 11, 2);
        row("Up on a title brings the list back", "Tab PgDown PgDown Up", 5, 0);
        row("Page Up on a title", "Tab PgDown PgDown Down PgUp", 3, 1);
        row("Home on a title", "Tab PgDown Down Home", 0, 0);
    }
    void scrolling() {
        QFETCH(QString, actions);
        QFETCH(int, top);
        QFETCH(int, slot);
        CatalogueFixture f;
        frmQSsoftware &w = f.shown();
        QScrollBar *bar = scrollBar(w);
        for (const QString &act : actions.split(u' ')) {
            if (act.startsWith("wheel")) {
                const bool down = act == "wheelDown";
                QWidget *over = down ? title(w, 0) : description(w, 2);
                QWheelEvent wheel({3, 3}, over->mapToGlobal(QPointF(3, 3)), {},
                                  {0, down ? -120 : 120}, Qt::NoButton, Qt::NoModifier,
                                  Qt::NoScrollPhase, false);
                QApplication::sendEvent(over, &wheel);
            } else if (act == "arrow" || act == "trough") {
                const int y = bar->height() - (act == "arrow" ? 3 : 3 * bar->width());
                QTest::mouseClick(bar, Qt::LeftButton, {}, {bar->width() / 2, y});
            } else {
                QTest::keySequence(w.focusWidget(), QKeySequence(act));
            }
        }
        QCOMPARE(bar->value(), top);
        QCOMPARE(slotTexts(w), f.entriesFrom(top));
        QCOMPARE(w.focusWidget(),
                 slot < 0 ? static_cast<QWidget *>(closeButton(w)) : title(w, slot));
        if (slot >= 0) {
            QTest::keyClick(w.focusWidget(), Qt::Key_Return);
            QCOMPARE(f.fake.web.opened, QStringList{f.Programs[top + slot].URL});
        }
    }

    // A click on a description, then on its title. Entry -1: nothing opens. A double click
    // opens one page, as a click does; a press needs its release on the label.
    void entryClick_data() {
        columns<int, int, int, QString>("top", "slot", "entry", "how");
        row("first slot at the top", 0, 0, 0, "once");
        row("middle slot scrolled", 5, 1, 6, "once");
        row("last slot at the end", 11, 2, 13, "once");
        row("slot below the box", 0, 3, -1, "once");
        row("double clicks", 0, 1, 1, "twice");
        row("let go off the label", 0, 1, -1, "off");
    }
    void entryClick() {
        QFETCH(int, top);
        QFETCH(int, slot);
        QFETCH(int, entry);
        QFETCH(QString, how);
        CatalogueFixture f;
        frmQSsoftware &w = f.shown();
        scrollBar(w)->setValue(top);
        const QStringList url = entry < 0 ? QStringList() : QStringList{f.Programs[entry].URL};
        click(description(w, slot), how);
        QCOMPARE(f.fake.web.opened, url);
        QCOMPARE(textColour(title(w, slot)), Yellow);
        click(title(w, slot), how);
        QCOMPARE(f.fake.web.opened, url + url);
        // The red stays with the slot whatever the list scrolls to.
        scrollBar(w)->setValue(top == 0 ? 5 : 0);
        QCOMPARE(textColour(title(w, slot)), entry < 0 ? Yellow : Red);
        QCOMPARE(textColour(title(w, (slot + 1) % 3)), Yellow);
    }

    // Tab reaches the titles in view after Close, and the keypad's Enter opens a page as a click
    // does, red included, with a focus frame while the title has the focus.
    void keyboardOpensEntries() {
        CatalogueFixture f;
        frmQSsoftware &w = f.shown();
        scrollBar(w)->setValue(4);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(w.focusWidget(), Qt::Key_Tab);
        QCOMPARE(w.focusWidget(), title(w, 2));
        // A frame in the text's colour, on the focused title only: the style's own is too faint
        // on the teal to be seen.
        const auto framed = [](QWidget *label) {
            const QImage image = label->grab().toImage();
            int pixels = 0;
            for (int x = 0; x < image.width(); ++x)
                pixels += image.pixelColor(x, 0) == Yellow ? 1 : 0;
            return pixels >= image.width() / 3;
        };
        QVERIFY(framed(title(w, 2)) && !framed(title(w, 1)));
        QTest::keyClick(title(w, 2), Qt::Key_Enter);
        QCOMPARE(f.fake.web.opened, QStringList{f.Programs[6].URL});
        QCOMPARE(textColour(title(w, 2)), Red);
        QVERIFY(w.isVisible()); // Enter went to the title, not to the Close button
        QTest::keyClick(w.focusWidget(), Qt::Key_Tab);
        QCOMPARE(w.focusWidget(), closeButton(w));
    }

    // The ways the catalogue is put away before it opens again: a kept window comes back as it
    // was left, one closed from its title bar is built anew beside the main window.
    void closeAndReopen_data() {
        columns<QString>("how");
        row("Close button keeps it", "Close");
        row("Escape keeps it", "Escape");
        row("title bar rebuilds it", "title bar");
    }
    void closeAndReopen() {
        QFETCH(QString, how);
        CatalogueFixture f;
        f.fake.web.result = 31;
        QPoint place;
        QVERIFY(f.duringModal([&](frmQSsoftware &w) {
            scrollBar(w)->setValue(5);
            QTest::mouseClick(title(w, 1), Qt::LeftButton);
            place = w.pos();
            if (how == "Close")
                QTest::mouseClick(closeButton(w), Qt::LeftButton);
            else if (how == "Escape")
                QTest::keyClick(w.focusWidget(), Qt::Key_Escape);
            else
                w.close();
        }));
        QCOMPARE(f.fake.messages.shown.size(), 1); // the failed launch, in the catalogue's words
        QCOMPARE(f.fake.messages.shown[0].text,
                 *weblink::launchFailureMessage(31, f.Programs[6].URL, Caller::Catalogue));
        const bool kept = how != "title bar";
        QCOMPARE(f.opener.window() != nullptr, kept);
        QCOMPARE(f.fake.web.stops, 1); // a page still being opened does not hold the window up
        f.main.move(400, 300); // a build follows it; a hidden window stays where it was
        QVERIFY(f.duringModal([&](frmQSsoftware &w) {
            QCOMPARE(scrollBar(w)->value(), kept ? 5 : 0);
            QCOMPARE(title(w, 0)->text(), f.Programs[kept ? 5 : 0].Title);
            QCOMPARE(textColour(title(w, 1)), kept ? Red : Yellow);
            QCOMPARE(w.pos(), kept ? place : QPoint(400, 300) + QPoint(px(100), px(400)));
            w.hide();
        }));
    }
};

QTEST_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
