#include "FakePlatform.h"
#include "ProgramList.h"
#include "TestCatalogue.h"
#include "frmMain.h"
#include "frmQSsoftware.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>

namespace {

// The calculator window loaded with fakes, and what was seen while the catalogue was up.
struct MainWithCatalogue {
    FakePlatform fake;
    frmMain window{fake.platform};

    struct Seen {
        bool catalogueModal = false;
        bool mainVisible = true;
        int endedBefore = -1;
    };

    MainWithCatalogue() {
        window.Form_Load();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            qWarning("frmMain did not become active");
    }

    template <typename Control> Control *get(const char *name) {
        return window.findChild<Control *>(QString::fromLatin1(name));
    }

    // Runs `leave`, and once the catalogue is up, notes the state and closes it with `close`.
    Seen whileCatalogueUp(
        const std::function<void()> &leave, const std::function<void(frmQSsoftware &)> &close =
                                                [](frmQSsoftware &w) { w.cmdClose->click(); }) {
        Seen seen;
        QTimer::singleShot(0, [&] {
            auto *catalogue = qobject_cast<frmQSsoftware *>(QApplication::activeModalWidget());
            if (!catalogue)
                return;
            seen.catalogueModal = catalogue->isModal() && catalogue->isVisible();
            seen.mainVisible = window.isVisible();
            seen.endedBefore = fake.process.ended;
            close(*catalogue);
            if (catalogue->isVisible())
                catalogue->hide();
        });
        leave();
        return seen;
    }
};

} // namespace

void TestCatalogue::everyWayOutShowsCatalogue_data() {
    QTest::addColumn<int>("way");
    QTest::newRow("Quit button") << 0;
    QTest::newRow("close box") << 1;
    QTest::newRow("window system's close request") << 2;
    QTest::newRow("catalogue closed from its title bar") << 3;
}

void TestCatalogue::everyWayOutShowsCatalogue() {
    QFETCH(int, way);
    MainWithCatalogue m;
    const auto leave = [&] {
        if (way == 0 || way == 3)
            m.get<QPushButton>("cmdQuit")->click();
        else if (way == 1)
            m.window.close();
        else
            m.window.windowHandle()->close();
    };
    const auto seen = m.whileCatalogueUp(leave, [way](frmQSsoftware &w) {
        if (way == 3)
            w.close();
        else
            w.cmdClose->click();
    });
    QVERIFY(seen.catalogueModal);
    QVERIFY(!seen.mainVisible);
    QCOMPARE(seen.endedBefore, 0);
    QCOMPARE(m.fake.process.ended, 1);
    QVERIFY(!m.window.isVisible());
}

void TestCatalogue::secondRequestToLeaveDoesNotNest() {
    MainWithCatalogue m;
    int nested = 0;
    const auto seen = m.whileCatalogueUp([&] { m.get<QPushButton>("cmdQuit")->click(); },
                                         [&](frmQSsoftware &w) {
                                             // The session ending while the catalogue is up.
                                             m.window.close();
                                             nested = m.fake.process.ended;
                                             w.cmdClose->click();
                                         });
    QVERIFY(seen.catalogueModal);
    QCOMPARE(nested, 0);
    QCOMPARE(m.fake.process.ended, 1);
}

void TestCatalogue::catalogueButtonComesBack() {
    MainWithCatalogue m;
    auto *radians = m.get<QLineEdit>("txbRadians");
    radians->setText(QStringLiteral("1.25"));
    radians->setSelection(0, 2);
    const auto seen = m.whileCatalogueUp([&] { m.get<QPushButton>("cmdQSsoftware")->click(); });
    QVERIFY(seen.catalogueModal);
    QVERIFY(!seen.mainVisible);
    QVERIFY(m.window.isVisible());
    QCOMPARE(m.fake.process.ended, 0);
    QCOMPARE(m.window.focusWidget(), m.get<QPushButton>("cmdRad2Deg"));
    QCOMPARE(radians->cursorPosition(), 4);
    QVERIFY(!radians->hasSelectedText());
}

void TestCatalogue::noticeOpensSite_data() {
    QTest::addColumn<bool>("byAccessibleAction");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("click, opened") << false << 42 << "";
    QTest::newRow("accessible press, opened") << true << 42 << "";
    QTest::newRow("click, no program")
        << false << 31
        << "Error launching web browser, error code = 31.\r\n\r\nFile extension 'example/' is not "
           "associated with any application program.";
}

void TestCatalogue::noticeOpensSite() {
    QFETCH(bool, byAccessibleAction);
    QFETCH(int, code);
    QFETCH(QString, message);
    MainWithCatalogue m;
    m.fake.web.result = code;
    auto *notice = m.get<QLabel>("lblCopyright");
    QCOMPARE(notice->cursor().shape(), Qt::PointingHandCursor);
    if (byAccessibleAction) {
        QAccessibleInterface *link = QAccessible::queryAccessibleInterface(notice);
        QVERIFY(link && link->actionInterface());
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    } else {
        QTest::mouseClick(notice, Qt::LeftButton);
    }
    QCOMPARE(m.fake.web.opened, QStringList{SiteURL});
    QCOMPARE(m.fake.messages.shown.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty())
        QCOMPARE(m.fake.messages.shown[0].text, message);
}
