#include "LoadedWindow.h"
#include "ProgramList.h"
#include "weblink.h"

#include <QAccessible>
#include <QAccessibleActionInterface>

// The maker's notice is a link to the site: by mouse, keyboard and accessibility action.
class TestNotice : public QObject {
    Q_OBJECT

private slots:
    void noticeOpensSite() {
        LoadedWindow m;
        QVERIFY(m.active);
        auto *notice = m.get<QLabel>("lblCopyright");
        QCOMPARE(notice->cursor().shape(), Qt::PointingHandCursor);
        QAccessibleInterface *link = QAccessible::queryAccessibleInterface(notice);
        QCOMPARE(link->role(), QAccessible::Link);
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        m.fake.web.result = 31;
        QTest::mouseClick(notice, Qt::LeftButton);
        QCOMPARE(m.fake.web.opened, QStringList({SiteURL, SiteURL}));
        QCOMPARE(m.fake.messages.shown.size(), 1); // only for the failed launch
        QCOMPARE(m.fake.messages.shown[0].title, QStringLiteral("Cannot launch web browser"));
        QCOMPARE(m.fake.messages.shown[0].icon, BoxIcon::Exclamation);
        QCOMPARE(m.fake.messages.shown[0].text,
                 *weblink::LaunchFailureMessage(31, SiteURL, weblink::Caller::Notice));
        // From the keyboard too: Enter and Space open it like a click.
        notice->setFocus(Qt::TabFocusReason);
        QTest::keyClick(notice, Qt::Key_Return);
        QTest::keyClick(notice, Qt::Key_Space);
        QCOMPARE(m.fake.web.opened.size(), 4);
    }
};

QObject *newTestNotice() {
    return new TestNotice;
}

#include "tst_notice.moc"
