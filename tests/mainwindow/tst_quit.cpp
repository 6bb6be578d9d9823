#include "LoadedWindow.h"
#include "frmQSsoftware.h"

#include <QPushButton>
#include <QTimer>
#include <QWindow>

// Every way out shows the catalogue with the calculator hidden, then ends the process once;
// the catalogue's own button brings the calculator back as it was.
class TestQuit : public QObject {
    Q_OBJECT

public:
    enum class Way { QuitButton, CloseBox, CatalogueTitleBar, CatalogueButton };
    Q_ENUM(Way)

private slots:
    void waysOut_data() {
        QTest::addColumn<Way>("way");
        QTest::newRow("Quit button") << Way::QuitButton;
        QTest::newRow("close box") << Way::CloseBox;
        QTest::newRow("catalogue closed from its title bar") << Way::CatalogueTitleBar;
        QTest::newRow("catalogue button comes back") << Way::CatalogueButton;
    }
    void waysOut() {
        QFETCH(Way, way);
        LoadedWindow m;
        QVERIFY(m.active);
        QLineEdit *radians = m.field("txbRadians");
        radians->setText(QStringLiteral("1.25"));
        radians->setSelection(0, 2);
        const bool comesBack = way == Way::CatalogueButton;
        bool shownWhileHidden = false;
        int endedBefore = -1;
        QTimer::singleShot(0, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            auto *catalogue = qobject_cast<frmQSsoftware *>(modal);
            if (!catalogue) { // ends whatever else came up, so that the test goes on to fail
                if (modal)
                    modal->close();
                return;
            }
            shownWhileHidden = catalogue->isVisible() && !m.window.isVisible();
            if (!comesBack)
                m.window.close(); // as a session ending: must not start a second sequence
            endedBefore = m.fake.process.ended;
            if (way == Way::CatalogueTitleBar)
                catalogue->close();
            else
                catalogue->cmdClose->click();
        });
        if (way == Way::CloseBox)
            m.window.windowHandle()->close();
        else
            m.get<QPushButton>(comesBack ? "cmdQSsoftware" : "cmdQuit")->click();
        QVERIFY(shownWhileHidden);
        QCOMPARE(endedBefore, 0);
        QCOMPARE(m.fake.process.ended, comesBack ? 0 : 1);
        QCOMPARE(m.window.isVisible(), comesBack);
        if (comesBack) {
            QCOMPARE(m.window.focusWidget(), m.get("cmdRad2Deg"));
            QCOMPARE(radians->cursorPosition(), 4);
        }
    }
};

QObject *newTestQuit() {
    return new TestQuit;
}

#include "tst_quit.moc"
