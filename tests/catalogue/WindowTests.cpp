#include "CatalogueFixture.h"
#include "TestCatalogue.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QPushButton>
#include <QScrollBar>

namespace {

const QColor Yellow = fromWindowsColour(65535);
const QColor White = fromWindowsColour(16777215);
const QColor Red = fromWindowsColour(255);

int px(int twips) {
    return Twips::toPixels(twips, 96.0);
}

// Checks slots 0 to 3 against the entries from `top` on, blank past the last one.
void verifyRewrittenSlots(const CatalogueFixture &f, const frmQSsoftware &w, int top) {
    for (int j = 0; j < 4; ++j) {
        const int k = top + j;
        const auto slot = static_cast<std::size_t>(j);
        QCOMPARE(w.lblTitle[slot]->text(), k < 14 ? f.shownEntry(k) : QString());
        QCOMPARE(w.lblDescription[slot]->text(), k < 14 ? f.shownDescription(k) : QString());
    }
}

QPoint troughBelowThumb(const QScrollBar *bar) {
    return {bar->width() / 2, bar->height() - 3 * bar->width()};
}
QPoint lowerArrow(const QScrollBar *bar) {
    return {bar->width() / 2, bar->height() - 3};
}

} // namespace

void TestCatalogue::buildShowsEveryEntry() {
    CatalogueFixture f;
    frmQSsoftware &w = f.shown();
    QCOMPARE(w.windowTitle(), QStringLiteral("Quevrin Systems Software"));
    QVERIFY(!(w.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(w.lblIntro->text().startsWith("Quevrin Systems publishes fourteen Windows programs.  "
                                          "Here are titles, brief descriptions and URLs.  "));
    QVERIFY(w.lblIntro->text().endsWith(
        "If you are online, click on any item to call up the product page on the web."));
    QCOMPARE(w.ProgramCount, qint16(14));
    QCOMPARE(w.TopIndex, qint16(0));
    QCOMPARE(w.lblTitle.size(), std::size_t(14));
    QCOMPARE(w.lblDescription.size(), std::size_t(14));
    for (int i = 0; i < 14; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        QCOMPARE(w.lblTitle[slot]->text(), f.shownEntry(i));
        QCOMPARE(w.lblDescription[slot]->text(), f.shownDescription(i));
        QCOMPARE(w.lblTitle[slot]->y(), px(i * 1550));
        QCOMPARE(w.lblDescription[slot]->y(), px(i * 1550 + 300));
        QCOMPARE(w.lblTitle[slot]->size(), w.lblTitle[0]->size());
        QCOMPARE(w.lblTitle[slot]->font(), w.lblTitle[0]->font());
        QVERIFY(w.lblTitle[slot]->isVisibleTo(&w));
    }
    // Slots 0 to 2 lie in the box; slot 3 starts below its bottom edge.
    QVERIFY(w.lblTitle[2]->geometry().bottom() < w.PicBox->height());
    QVERIFY(w.lblTitle[3]->y() >= w.PicBox->height());
    QCOMPARE(w.VScroll->minimum(), 0);
    QCOMPARE(w.VScroll->maximum(), 11);
    QCOMPARE(w.VScroll->value(), 0);
    QCOMPARE(w.VScroll->singleStep(), 1);
    QCOMPARE(w.VScroll->pageStep(), 3);
    QVERIFY(!w.VScroll->hasTracking());
    QCOMPARE(w.VScroll->geometry(),
             QRect(w.PicBox->width() - px(255), 0, px(255), w.PicBox->height()));
    QVERIFY(w.lblTitle[0]->geometry().right() < w.VScroll->x());
}

void TestCatalogue::buildTakesSettingsAndPlace() {
    CatalogueFixture f;
    frmQSsoftware &w = f.shown();
    QCOMPARE(w.pos(), f.main.pos() + QPoint(px(100), px(400)));
    QCOMPARE(w.size(), QSize(px(9195), px(6420)));
    QCOMPARE(w.cmdClose->text(), QStringLiteral("Close"));
    QCOMPARE(w.cmdClose->x() + w.cmdClose->width() / 2, w.width() / 2);
    QVERIFY(!w.lblIntro->font().bold());
    QVERIFY(w.lblTitle[5]->font().bold());
    QCOMPARE(textColour(w.lblIntro), Yellow);
    QCOMPARE(textColour(w.lblTitle[0]), Yellow);
    QCOMPARE(textColour(w.lblTitle[13]), Yellow);
    QCOMPARE(textColour(w.lblDescription[13]), White);
    const QColor back = fromWindowsColour(CatalogueFixture::MainBack);
    const std::array<const QWidget *, 4> backed{&w, w.PicBox, w.lblIntro, w.lblTitle[7]};
    for (const QWidget *widget : backed)
        QCOMPARE(widget->palette().color(QPalette::Window), back);
    QCOMPARE(w.focusWidget(), w.cmdClose);
}

void TestCatalogue::scrolling_data() {
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("top");
    QTest::newRow("Down moves one") << QList<int>{Qt::Key_Down} << 1;
    QTest::newRow("Page Down moves three") << QList<int>{Qt::Key_PageDown} << 3;
    QTest::newRow("back up by one")
        << QList<int>{Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_Up} << 5;
    QTest::newRow("Page Up after Down")
        << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_PageUp} << 0;
    QTest::newRow("Up at the top stays") << QList<int>{Qt::Key_Up} << 0;
    QTest::newRow("Page Down stops at 11")
        << QList<int>{Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageDown,
                      Qt::Key_PageDown}
        << 11;
    QTest::newRow("End and Home") << QList<int>{Qt::Key_End} << 11;
    QTest::newRow("Home after End") << QList<int>{Qt::Key_End, Qt::Key_Home} << 0;
}

void TestCatalogue::scrolling() {
    QFETCH(QList<int>, keys);
    QFETCH(int, top);
    CatalogueFixture f;
    frmQSsoftware &w = f.shown();
    const QString slot5 = w.lblTitle[5]->text();
    for (int key : keys)
        QTest::keyClick(w.focusWidget(), static_cast<Qt::Key>(key));
    QCOMPARE(w.VScroll->value(), top);
    QCOMPARE(w.TopIndex, qint16(top));
    verifyRewrittenSlots(f, w, top);
    QCOMPARE(w.lblTitle[5]->text(), slot5);
    QCOMPARE(w.focusWidget(), w.cmdClose);
}

void TestCatalogue::scrollBarClicks_data() {
    QTest::addColumn<bool>("onArrow");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<int>("top");
    QTest::newRow("arrow moves one") << true << 1 << 1;
    QTest::newRow("arrow twice") << true << 2 << 2;
    QTest::newRow("trough moves three") << false << 1 << 3;
}

void TestCatalogue::scrollBarClicks() {
    QFETCH(bool, onArrow);
    QFETCH(int, clicks);
    QFETCH(int, top);
    CatalogueFixture f;
    frmQSsoftware &w = f.shown();
    for (int i = 0; i < clicks; ++i)
        QTest::mouseClick(w.VScroll, Qt::LeftButton, {},
                          onArrow ? lowerArrow(w.VScroll) : troughBelowThumb(w.VScroll));
    QCOMPARE(w.VScroll->value(), top);
    verifyRewrittenSlots(f, w, top);
    QCOMPARE(w.focusWidget(), w.cmdClose);
}

void TestCatalogue::thumbActsOnRelease() {
    CatalogueFixture f;
    frmQSsoftware &w = f.shown();
    w.VScroll->setSliderDown(true);
    w.VScroll->setSliderPosition(5);
    verifyRewrittenSlots(f, w, 0);
    w.VScroll->setSliderDown(false);
    verifyRewrittenSlots(f, w, 5);
}

void TestCatalogue::valueAboveMaximumClamped() {
    CatalogueFixture f;
    frmQSsoftware &w = f.shown();
    w.VScroll->setValue(12);
    QCOMPARE(w.VScroll->value(), 11);
    QCOMPARE(w.TopIndex, qint16(11));
    verifyRewrittenSlots(f, w, 11);
}

void TestCatalogue::entryClickRequestsPage_data() {
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("slot");
    for (int top : {0, 5, 11}) {
        for (int slot = 0; slot < 3; ++slot)
            QTest::addRow("slot %d at %d", slot, top) << top << slot;
    }
}

void TestCatalogue::entryClickRequestsPage() {
    QFETCH(int, top);
    QFETCH(int, slot);
    CatalogueFixture f;
    frmQSsoftware &w = f.shown();
    w.VScroll->setValue(top);
    const auto s = static_cast<std::size_t>(slot);
    const QString url = f.Programs[static_cast<std::size_t>(top + slot)].URL;

    QTest::mouseClick(w.lblDescription[s], Qt::LeftButton);
    QCOMPARE(f.fake.web.opened, QStringList{url});
    QCOMPARE(textColour(w.lblTitle[s]), Yellow);

    QTest::mouseClick(w.lblTitle[s], Qt::LeftButton);
    QCOMPARE(f.fake.web.opened, (QStringList{url, url}));
    QCOMPARE(textColour(w.lblTitle[s]), Red);
    QVERIFY(f.fake.messages.shown.isEmpty());
}

void TestCatalogue::redTitleStaysAcrossScrolling() {
    CatalogueFixture f;
    frmQSsoftware &w = f.shown();
    w.VScroll->setValue(5);
    QTest::mouseClick(w.lblTitle[1], Qt::LeftButton);
    QCOMPARE(f.fake.web.opened, QStringList{f.Programs[6].URL});
    w.VScroll->setValue(0);
    QCOMPARE(w.lblTitle[1]->text(), f.shownEntry(1));
    QCOMPARE(textColour(w.lblTitle[1]), Red);
    QCOMPARE(textColour(w.lblTitle[0]), Yellow);
}

void TestCatalogue::failedLaunchExplained() {
    CatalogueFixture f;
    frmQSsoftware &w = f.shown();
    f.fake.web.result = 31;
    QTest::mouseClick(w.lblTitle[2], Qt::LeftButton);
    QCOMPARE(f.fake.messages.shown.size(), 1);
    const auto &box = f.fake.messages.shown[0];
    QCOMPARE(box.title, QStringLiteral("Cannot launch web browser"));
    QCOMPARE(box.icon, BoxIcon::Exclamation);
    QVERIFY(box.text.endsWith(
        "\r\n\r\nThe web page file type htm is not associated with any browser program."));
    QCOMPARE(textColour(w.lblTitle[2]), Red);
}

void TestCatalogue::closeHidesEscapeToo_data() {
    QTest::addColumn<bool>("byEscape");
    QTest::newRow("Close button") << false;
    QTest::newRow("Escape") << true;
}

void TestCatalogue::closeHidesEscapeToo() {
    QFETCH(bool, byEscape);
    CatalogueFixture f;
    const bool ran = f.duringModal([byEscape](frmQSsoftware &w) {
        if (byEscape)
            QTest::keyClick(w.focusWidget(), Qt::Key_Escape);
        else
            QTest::mouseClick(w.cmdClose, Qt::LeftButton);
    });
    QVERIFY(ran);
    QVERIFY(f.opener.window());
    QVERIFY(!f.opener.window()->isVisible());
}

void TestCatalogue::reopenKeepsState() {
    CatalogueFixture f;
    QPoint place;
    QVERIFY(f.duringModal([&](frmQSsoftware &w) {
        w.VScroll->setValue(5);
        QTest::mouseClick(w.lblTitle[1], Qt::LeftButton);
        place = w.pos();
        QTest::mouseClick(w.cmdClose, Qt::LeftButton);
    }));
    frmQSsoftware *first = f.opener.window();
    f.main.move(400, 300); // a build would follow it; a hidden window stays where it was
    QVERIFY(f.duringModal([&](frmQSsoftware &w) {
        QCOMPARE(&w, first);
        QCOMPARE(w.VScroll->value(), 5);
        QCOMPARE(w.lblTitle[0]->text(), f.shownEntry(5));
        QCOMPARE(textColour(w.lblTitle[1]), Red);
        QCOMPARE(w.pos(), place);
        w.hide();
    }));
}

void TestCatalogue::titleBarCloseRebuilds() {
    CatalogueFixture f;
    QVERIFY(f.duringModal([](frmQSsoftware &w) {
        w.VScroll->setValue(7);
        QTest::mouseClick(w.lblTitle[0], Qt::LeftButton);
        w.close();
    }));
    QVERIFY(!f.opener.window());
    QVERIFY(f.duringModal([&](frmQSsoftware &w) {
        QCOMPARE(w.VScroll->value(), 0);
        QCOMPARE(w.TopIndex, qint16(0));
        QCOMPARE(w.lblTitle[0]->text(), f.shownEntry(0));
        QCOMPARE(textColour(w.lblTitle[0]), Yellow);
        w.hide();
    }));
}

void TestCatalogue::slotsAreAccessibleLinks() {
    CatalogueFixture f;
    frmQSsoftware &w = f.shown();
    QAccessibleInterface *title = QAccessible::queryAccessibleInterface(w.lblTitle[2]);
    QVERIFY(title);
    QCOMPARE(title->role(), QAccessible::Link);
    QCOMPARE(title->text(QAccessible::Name), f.shownEntry(2));
    QCOMPARE(w.lblTitle[2]->cursor().shape(), Qt::PointingHandCursor);
    QAccessibleActionInterface *actions = title->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(f.fake.web.opened, QStringList{f.Programs[2].URL});

    // A slot below the box cannot be seen, so pressing it requests nothing.
    QAccessible::queryAccessibleInterface(w.lblTitle[4])
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(f.fake.web.opened.size(), 1);
}
