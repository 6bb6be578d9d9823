#include "FakePlatform.h"
#include "HelpCommand.h"
#include "Twips.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

FileReadResult text(const QString &content) {
    FileReadResult result;
    result.text = content;
    return result;
}

// A plain window standing in for the calculator.
struct Rig {
    explicit Rig(QRect place) {
        fakes.files.next = text(QStringLiteral("help text"));
        QPixmap pixmap(16, 16);
        pixmap.fill(Qt::darkCyan);
        mainWindow.setWindowIcon(QIcon(pixmap));
        mainWindow.setGeometry(place);
        mainWindow.show();
    }
    frmView &help() {
        command.run();
        frmView *view = command.viewer();
        if (!view)
            qFatal("Help made no viewer");
        if (!QTest::qWaitFor([view] { return view->fileDisplayed(); }))
            qFatal("the viewer never ran its loading steps");
        return *view;
    }
    FakePlatform fakes;
    QWidget mainWindow;
    HelpCommand command{mainWindow, fakes.platform};
};

QPlainTextEdit *textBox(frmView &view) {
    return view.findChild<QPlainTextEdit *>(QStringLiteral("txbText1"));
}

int px(int twips) {
    return Twips::toPixels(twips, 96.0);
}

} // namespace

class tst_HelpCommand : public QObject {
    Q_OBJECT
private slots:
    void placesViewerBelowMainWindow_data();
    void placesViewerBelowMainWindow();
    void setsUpTheViewer();
    void maximisedViewerStaysMaximised();
    void minimisedViewerIsRestoredAndPlaced();
    void closeThenHelpShowsWithoutReading();
    void closeBoxThenHelpReadsAnew_data();
    void closeBoxThenHelpReadsAnew();
    void failureThenHelpShowsEmptyViewerSilently();
    void viewerGoesWithTheMainWindow();
};

void tst_HelpCommand::placesViewerBelowMainWindow_data() {
    QTest::addColumn<QRect>("mainWindow");
    QTest::addColumn<bool>("raised");
    QTest::newRow("same size as a large main window") << QRect(40, 30, 800, 267) << false;
    QTest::newRow("raised to the minimum") << QRect(10, 20, 200, 60) << true;
    QTest::newRow("raised in width only") << QRect(10, 20, 300, 400) << true;
    QTest::newRow("beyond the screen's bottom, not corrected") << QRect(30, 560, 600, 200) << false;
}

void tst_HelpCommand::placesViewerBelowMainWindow() {
    QFETCH(QRect, mainWindow);
    QFETCH(bool, raised);
    Rig rig(mainWindow);
    frmView &view = rig.help();

    const QRect main = rig.mainWindow.frameGeometry();
    const QSize outer = raised ? main.size().expandedTo(QSize(px(8000), px(2000))) : main.size();
    QCOMPARE(view.frameGeometry().topLeft(), QPoint(main.left(), main.top() + main.height()));
    QCOMPARE(view.frameGeometry().size(), outer);
    QVERIFY(view.isVisible());
}

void tst_HelpCommand::setsUpTheViewer() {
    Rig rig({50, 50, 700, 250});
    frmView &view = rig.help();

    QCOMPARE(rig.fakes.files.paths,
             QStringList{QCoreApplication::applicationDirPath() + QStringLiteral("/ang_help.txt")});
    QCOMPARE(view.windowTitle(), QStringLiteral("Help for ANG"));
    QVERIFY(view.blnCopyToClipboardInvisible);
    QVERIFY(!view.findChild<QPushButton *>(QStringLiteral("cmdCopyToClipboard"))->isVisible());
    QCOMPARE(view.parentWidget(), nullptr);
    QCOMPARE(view.windowIcon().pixmap(16).toImage(),
             rig.mainWindow.windowIcon().pixmap(16).toImage());
    QCOMPARE(textBox(view)->toPlainText(), QStringLiteral("help text"));
}

void tst_HelpCommand::maximisedViewerStaysMaximised() {
    Rig rig({50, 50, 700, 250});
    frmView &view = rig.help();
    view.showMaximized();
    QTRY_VERIFY(view.isMaximized());
    const QRect maximised = view.frameGeometry();

    rig.help();
    QVERIFY(view.isMaximized());
    QTRY_COMPARE(view.frameGeometry(), maximised);
}

void tst_HelpCommand::minimisedViewerIsRestoredAndPlaced() {
    Rig rig({50, 50, 700, 250});
    frmView &view = rig.help();
    view.showMinimized();
    QTRY_VERIFY(view.isMinimized());
    rig.mainWindow.setGeometry(80, 100, 720, 260);

    rig.help();
    QVERIFY(!view.isMinimized());
    QVERIFY(view.isVisible());
    const QRect main = rig.mainWindow.frameGeometry();
    QTRY_COMPARE(view.frameGeometry(),
                 QRect(QPoint(main.left(), main.top() + main.height()), main.size()));
    QCOMPARE(rig.fakes.files.paths.size(), 1);
}

void tst_HelpCommand::closeThenHelpShowsWithoutReading() {
    Rig rig({50, 50, 700, 250});
    frmView &view = rig.help();
    view.findChild<QPushButton *>(QStringLiteral("cmdClose"))->click();
    QVERIFY(!view.isVisible());

    QCOMPARE(&rig.help(), &view);
    QVERIFY(view.isVisible());
    QTest::qWait(20);
    QCOMPARE(rig.fakes.files.paths.size(), 1);
    QCOMPARE(textBox(view)->toPlainText(), QStringLiteral("help text"));
}

void tst_HelpCommand::closeBoxThenHelpReadsAnew_data() {
    QTest::addColumn<bool>("deletedBeforeHelp");
    QTest::newRow("viewer already deleted") << true;
    QTest::newRow("Help before the deletion ran") << false;
}

void tst_HelpCommand::closeBoxThenHelpReadsAnew() {
    QFETCH(bool, deletedBeforeHelp);
    Rig rig({50, 50, 700, 250});
    QVERIFY(rig.help().close());
    if (deletedBeforeHelp) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(rig.command.viewer(), nullptr);
    }
    rig.fakes.files.next = text(QStringLiteral("new text"));

    frmView &view = rig.help();
    QVERIFY(view.isVisible());
    QCOMPARE(rig.fakes.files.paths.size(), 2);
    QCOMPARE(textBox(view)->toPlainText(), QStringLiteral("new text"));
}

void tst_HelpCommand::failureThenHelpShowsEmptyViewerSilently() {
    Rig rig({50, 50, 700, 250});
    rig.fakes.files.next.errorNumber = 53;
    rig.fakes.files.next.description = QStringLiteral("File not found");
    frmView &view = rig.help();
    QVERIFY(!view.isVisible());
    QCOMPARE(rig.fakes.messages.shown.size(), 2);

    rig.help();
    QVERIFY(view.isVisible());
    QTest::qWait(20);
    QCOMPARE(rig.fakes.messages.shown.size(), 2);
    QCOMPARE(rig.fakes.files.paths.size(), 1);
    QVERIFY(textBox(view)->toPlainText().isEmpty());
}

void tst_HelpCommand::viewerGoesWithTheMainWindow() {
    FakePlatform fakes;
    auto *mainWindow = new QWidget;
    HelpCommand::of(*mainWindow, fakes.platform).run();
    QCOMPARE(&HelpCommand::of(*mainWindow, fakes.platform), mainWindow->findChild<HelpCommand *>());
    QPointer<frmView> view = HelpCommand::of(*mainWindow, fakes.platform).viewer();
    QVERIFY(view);
    delete mainWindow;
    QVERIFY(view.isNull());
}

int runHelpCommandTests(int argc, char **argv) {
    tst_HelpCommand test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_HelpCommand.moc"
