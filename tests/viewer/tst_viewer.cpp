#include "FakePlatform.h"
#include "HelpCommand.h"
#include "PosixFileReader.h"
#include "Twips.h"
#include "ViewerText.h"
#include "frmView.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileReadResult text(const QString &content) {
    FileReadResult result;
    result.text = content;
    return result;
}

void writeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

template <typename W = QPushButton> W *child(QWidget &view, const char *name) {
    return view.findChild<W *>(QLatin1String(name));
}
QPlainTextEdit *textBox(QWidget &view) {
    return child<QPlainTextEdit>(view, "txbText1");
}

void showAndLoad(frmView &view) {
    view.show();
    QTRY_VERIFY(view.fileDisplayed());
}

int px(int twips, double dpi = 96.0) {
    return Twips::toPixels(twips, dpi);
}

// Bytes this process has read so far, as the kernel counts them, or -1. Asking is itself a
// read, counted from the next time on, so `cost` tells how many bytes it took.
qint64 bytesRead(qint64 &cost) {
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return -1;
    const QByteArray all = io.read(4095);
    cost = all.size();
    const qsizetype at = all.indexOf("rchar: ");
    return at < 0 ? -1 : all.mid(at + 7, all.indexOf('\n', at) - at - 7).toLongLong();
}

// Root reads any file, so a file it may not read needs another effective user.
struct NotRoot {
    const bool wasRoot = ::geteuid() == 0;
    const bool dropped = wasRoot && ::seteuid(65534) == 0;
    ~NotRoot() {
        if (dropped && ::seteuid(0) != 0)
            qFatal("cannot become root again");
    }
};

// Records each box, and activates the viewer again on closing it, as a real modal box does.
struct ReactivatingMessages : FakeMessageBoxes {
    void show(QWidget *parent, const QString &text, const QString &title, BoxIcon icon) override {
        FakeMessageBoxes::show(parent, text, title, icon);
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(parent, &activate);
    }
};

// The fakes with the real reader, and a plain window standing in for the calculator.
struct Rig {
    explicit Rig(QRect place = {50, 50, 700, 250}) {
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
        if (!view || !QTest::qWaitFor([view] { return view->fileDisplayed(); }))
            qFatal("Help showed no viewer that ran its loading steps");
        return *view;
    }
    QRect below() const {
        const QRect main = mainWindow.frameGeometry();
        return {QPoint(main.left(), main.top() + main.height()), main.size()};
    }
    FakePlatform fakes;
    ReactivatingMessages messages;
    PosixFileReader disk;
    Platform withDisk{messages, fakes.clipboard, fakes.screen, disk, fakes.web, fakes.process};
    Platform withFakes{messages,    fakes.clipboard, fakes.screen,
                       fakes.files, fakes.web,       fakes.process};
    QWidget mainWindow;
    HelpCommand command{mainWindow, withFakes};
};

} // namespace

class tst_viewer : public QObject {
    Q_OBJECT

private slots:
    // The file starts with the bytes 0x80 to 0xFF, which must arrive as Windows-1252.
    void showsFileWholeOrCut_data() {
        QTest::addColumn<int>("length");
        QTest::newRow("65529 shown whole") << 65529;
        QTest::newRow("65530 cut") << 65530;
        QTest::newRow("far longer cut") << 200000;
    }
    void showsFileWholeOrCut() {
        QFETCH(int, length);
        QByteArray bytes;
        QString content = QStringLiteral(
            u"\u20AC\u0081\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030\u0160\u2039\u0152"
            u"\u008D\u017D\u008F\u0090\u2018\u2019\u201C\u201D\u2022\u2013\u2014\u02DC\u2122"
            u"\u0161\u203A\u0153\u009D\u017E\u0178");
        for (int i = 0x80; i < length + 0x80; ++i) {
            const char c = i < 0x100 ? char(i) : i % 64 == 62 ? '\r' : i % 64 == 63 ? '\n' : 'a';
            bytes.append(c);
            if (i >= 0xA0) // the box shows the no-break space as a blank
                content.append(i == 0xA0 ? u' ' : char16_t(static_cast<unsigned char>(c)));
        }
        const QString path = QDir::temp().filePath(QStringLiteral("angulor-long.txt"));
        writeFile(path, bytes);
        Rig rig;
        frmView view(rig.withDisk);
        view.strFilename = path;
        showAndLoad(view);
        QFile::remove(path);

        if (length >= 65530)
            content =
                QStringLiteral("NOTE: This file is too large to display entirely in this "
                               "textbox.\r\nTo view the entire contents of the file load it "
                               "into NotePad,\r\nWordPad or some other text editor.\r\n\r\n") +
                content.left(65306) +
                "\r\n\r\nNOTE: Entire contents of file have not been displayed.\r\n";
        QCOMPARE(textBox(view)->toPlainText(), content.replace(QStringLiteral("\r\n"), "\n"));
        QVERIFY(rig.messages.shown.isEmpty());
        QVERIFY(view.isVisible());
    }

    void takesOnlyTheBeginningOfAHugeFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("huge.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("start") == 5);
        if (!file.resize(qint64(3) << 30))
            QSKIP("this file system holds no sparse 3 GiB file");
        file.close();
        qint64 costBefore = 0, costAfter = 0;
        const qint64 before = bytesRead(costBefore);
        if (before < 0)
            QSKIP("the kernel does not tell this process how much it reads");
        const FileReadResult result = PosixFileReader().read(path, 65530);
        const qint64 readByReader = bytesRead(costAfter) - before - costBefore;
        QCOMPARE(result.text.size(), 65530);
        QVERIFY(result.text.startsWith(QStringLiteral("start")) && result.truncated);
        QVERIFY2(readByReader <= 65530, qPrintable(QString::number(readByReader)));
    }

    // First the current directory under the program's title with no icon, then the error.
    void reportsReadFailure_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        static QTemporaryDir dir;
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                      QFile::ExeOwner | QFile::ExeOther));
        writeFile(dir.filePath(QStringLiteral("empty.txt")), {});
        writeFile(dir.filePath(QStringLiteral("plain.txt")), "x");
        writeFile(dir.filePath(QStringLiteral("locked.txt")), "secret");
        QVERIFY(QFile::setPermissions(dir.filePath(QStringLiteral("locked.txt")), {}));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.txt")));
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe.txt"))), 0600), 0);
        auto row = [](const char *name, const QString &path, const QString &message) {
            QTest::newRow(name) << path << message << QStringLiteral("Error reading file");
        };
        row("missing file", dir.filePath("absent.txt"), "Error 53.  File not found");
        row("missing folder", dir.filePath("nowhere/ang_help.txt"), "Error 76.  Path not found");
        row("file in a folder's place", dir.filePath("plain.txt/a.txt"),
            "Error 76.  Path not found");
        row("unreadable file", dir.filePath("locked.txt"), "Error 70.  Permission denied");
        row("folder in the file's place", dir.filePath("folder.txt"),
            "Error 75.  Path/File access error");
        row("named pipe does not hang", dir.filePath("pipe.txt"),
            "Error 75.  Path/File access error");
        if (QFile::exists(QStringLiteral("/proc/self/mem")))
            row("read failure", QStringLiteral("/proc/self/mem"), "Error 57.  Device I/O error");
        const QString empty = dir.filePath(QStringLiteral("empty.txt"));
        QTest::newRow("empty file warns in its own words")
            << empty << ViewerText::emptyFileMessage(empty) << ViewerText::emptyFileTitle();
    }
    void reportsReadFailure() {
        QFETCH(QString, path);
        std::optional<NotRoot> notRoot;
        if (path.endsWith(QStringLiteral("locked.txt")) && notRoot.emplace().wasRoot &&
            !notRoot->dropped)
            QSKIP("running as root without leave to change the effective user");
        Rig rig;
        frmView view(rig.withDisk);
        view.strFilename = path;
        showAndLoad(view);
        const auto &shown = rig.messages.shown;
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[0].text, QDir::currentPath());
        QCOMPARE(shown[0].title, QString());
        QCOMPARE(shown[0].icon, BoxIcon::None);
        QTEST(shown[1].text, "message");
        QTEST(shown[1].title, "title");
        QCOMPARE(shown[1].icon, BoxIcon::Exclamation);
        QVERIFY(!view.isVisible());
        QVERIFY(textBox(view)->toPlainText().isEmpty());
    }

    void errorNumberIsWrittenWithItsSignPlace() {
        QCOMPARE(ViewerText::readErrorMessage(0, QStringLiteral("x")), "Error 0.  x");
        QCOMPARE(ViewerText::readErrorMessage(-5, QStringLiteral("x")), "Error-5.  x");
    }

    void layoutKeepsMinimaAndMargins_data() {
        QTest::addColumn<double>("dpi");
        QTest::addColumn<QSize>("asked");    // twips
        QTest::addColumn<QSize>("window");   // twips
        QTest::addColumn<bool>("frameLate"); // the frame comes after the showing
        QTest::newRow("too narrow and too low")
            << 96.0 << QSize(3000, 1000) << QSize(8000, 2000) << false;
        QTest::newRow("too low") << 96.0 << QSize(11000, 1500) << QSize(11000, 2000) << false;
        QTest::newRow("large enough") << 96.0 << QSize(11000, 7000) << QSize(11000, 7000) << false;
        QTest::newRow("too small at 144 dpi")
            << 144.0 << QSize(3000, 1000) << QSize(8000, 2000) << false;
        // The design size with the offscreen frame of 2 pixels a side, so the inside is kept.
        QTest::newRow("frame added after showing")
            << 96.0 << QSize(11730, 6645) << QSize(11730, 6645) << true;
    }
    void layoutKeepsMinimaAndMargins() {
        QFETCH(double, dpi);
        QFETCH(QSize, asked);
        QFETCH(QSize, window);
        QFETCH(bool, frameLate);
        FakePlatform fakes;
        fakes.screen.dpi = dpi;
        frmView view(fakes.platform);
        view.setWindowFlag(Qt::FramelessWindowHint, frameLate);
        showAndLoad(view);
        if (frameLate) { // as a window manager does: the frame, then a move, the inside unchanged
            view.setWindowFlag(Qt::FramelessWindowHint, false);
            view.show();
            view.move(view.pos() + QPoint(1, 1));
        }
        const auto size = [dpi](QSize twips) {
            return QSize(px(twips.width(), dpi), px(twips.height(), dpi));
        };
        view.resize(size(asked) - (view.frameGeometry().size() - view.size()));
        QTRY_COMPARE(view.frameGeometry().size(), size(window));

        const QRect box = textBox(view)->geometry();
        QCOMPARE(box, QRect(QPoint(px(105, dpi), px(105, dpi)), size(window) - size({450, 1200})));
        if (window == QSize(8000, 2000))
            QCOMPARE(box.size(), size({7550, 800}));
        const int buttonsTop = box.bottom() + 1 + px(100, dpi);
        QCOMPARE(child(view, "cmdCopyToClipboard")->pos(), QPoint(box.left(), buttonsTop));
        QCOMPARE(child(view, "cmdClose")->y(), buttonsTop);
        QCOMPARE(child(view, "cmdClose")->geometry().right(), box.right());
    }

    // A selection [from, to), a mouse release over the text, then Copy.
    void copyFollowsTheSelection_data() {
        QTest::addColumn<QString>("content");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<bool>("hidden");
        QTest::addColumn<QString>("copied");
        const QString two = QStringLiteral("alpha beta\r\ngamma");
        QTest::newRow("selection only") << two << 6 << 10 << false << "beta";
        QTest::newRow("over a line break") << two << 6 << 13 << false << "beta\r\nga";
        QTest::newRow("whole text without selection") << two << 0 << 0 << false << two;
        QTest::newRow("hidden button changes nothing") << two << 6 << 10 << true << "";
        QTest::newRow("empty box copies nothing") << "" << 0 << 0 << false << "";
    }
    void copyFollowsTheSelection() {
        QFETCH(QString, content);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(bool, hidden);
        FakePlatform fakes;
        fakes.files.next = text(content);
        frmView view(fakes.platform);
        view.blnCopyToClipboardInvisible = hidden;
        showAndLoad(view);
        QPushButton *copy = child(view, "cmdCopyToClipboard");
        QCOMPARE(copy->isVisible(), !hidden);
        QPlainTextEdit *box = textBox(view);
        QTextCursor cursor = box->textCursor();
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        box->setTextCursor(cursor);
        QTest::mouseRelease(box->viewport(), Qt::LeftButton, {}, QPoint(2, 2));
        const auto caption = [&](bool selected) {
            QCOMPARE(copy->text(),
                     selected ? "Copy selected text to clipboard" : "Copy to clipboard");
            QCOMPARE(copy->width(), px(selected ? 4425 : 3270));
        };
        caption(from != to && !hidden);
        if (hidden)
            return;
        copy->click();
        QCOMPARE(fakes.clipboard.clears, content.isEmpty() ? 0 : 1);
        QTEST(fakes.clipboard.text, "copied");
        caption(false);
        QCOMPARE(view.focusWidget(), child(view, "cmdClose"));
    }

    void placesViewerBelowMainWindow_data() {
        QTest::addColumn<QRect>("mainWindow");
        QTest::addColumn<bool>("raised");
        QTest::newRow("same size as a large main window") << QRect(40, 30, 800, 267) << false;
        QTest::newRow("raised to the minimum") << QRect(10, 20, 200, 60) << true;
        QTest::newRow("raised in width only") << QRect(10, 20, 300, 400) << true;
        QTest::newRow("beyond the screen's bottom") << QRect(30, 560, 600, 200) << false;
    }
    void placesViewerBelowMainWindow() {
        QFETCH(QRect, mainWindow);
        QFETCH(bool, raised);
        Rig rig(mainWindow);
        const frmView &view = rig.help();
        const QRect below = rig.below();
        QCOMPARE(view.frameGeometry().topLeft(), below.topLeft());
        QCOMPARE(view.frameGeometry().size(),
                 raised ? below.size().expandedTo(QSize(px(8000), px(2000))) : below.size());
        QVERIFY(view.isVisible());
    }

    void setsUpTheViewer() {
        Rig rig;
        frmView &view = rig.help();
        QCOMPARE(rig.fakes.files.paths,
                 QStringList{QCoreApplication::applicationDirPath() + "/ang_help.txt"});
        QCOMPARE(view.windowTitle(), QStringLiteral("Help for ANG"));
        QVERIFY(!child(view, "cmdCopyToClipboard")->isVisible());
        QCOMPARE(view.parentWidget(), nullptr);
        QCOMPARE(view.windowIcon().pixmap(16).toImage(),
                 rig.mainWindow.windowIcon().pixmap(16).toImage());
        QCOMPARE(textBox(view)->toPlainText(), QStringLiteral("help text"));
        QCOMPARE(rig.fakes.files.limits, QList<qint64>{65530});
        QCOMPARE(textBox(view)->textCursor().position(), 0);
        QCOMPARE(view.focusWidget(), textBox(view));
    }

    void maximisedStaysMinimisedIsRestoredAndPlaced_data() {
        QTest::addColumn<bool>("maximised");
        QTest::newRow("maximised") << true;
        QTest::newRow("minimised") << false;
    }
    void maximisedStaysMinimisedIsRestoredAndPlaced() {
        QFETCH(bool, maximised);
        Rig rig;
        frmView &view = rig.help();
        maximised ? view.showMaximized() : view.showMinimized();
        QTRY_VERIFY(maximised ? view.isMaximized() : view.isMinimized());
        const QRect before = view.frameGeometry();
        rig.mainWindow.setGeometry(80, 100, 720, 260);
        rig.help();
        QVERIFY(view.isVisible() && !view.isMinimized());
        QCOMPARE(view.isMaximized(), maximised);
        QTRY_COMPARE(view.frameGeometry(), maximised ? before : rig.below());
        QCOMPARE(rig.fakes.files.paths.size(), 1);
    }

    // Close and Escape hide the viewer with its text; the close box destroys it, so the next
    // Help reads the file anew, whether or not the deletion has run yet.
    void helpAfterClosing_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("reads");
        QTest::newRow("Close button") << "Close" << 1;
        QTest::newRow("Escape key") << "Escape" << 1;
        QTest::newRow("close box, deleted before Help") << "close box, deleted" << 2;
        QTest::newRow("close box, Help before the deletion") << "close box" << 2;
    }
    void helpAfterClosing() {
        QFETCH(QString, how);
        QFETCH(int, reads);
        Rig rig;
        QPointer<frmView> view = &rig.help();
        if (how == "Close")
            child(*view, "cmdClose")->click();
        else if (how == "Escape")
            QTest::keyClick(textBox(*view), Qt::Key_Escape);
        else
            QVERIFY(view->close());
        QVERIFY(!view->isVisible());
        QCOMPARE(view->fileDisplayed(), reads == 1);
        QCOMPARE(view->unloaded(), reads == 2);
        if (how.endsWith("deleted")) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(view.isNull());
        }
        rig.fakes.files.next = text(QStringLiteral("new text"));
        frmView &again = rig.help();
        QTest::qWait(20);
        QVERIFY(again.isVisible());
        QCOMPARE(rig.fakes.files.paths.size(), reads);
        QCOMPARE(textBox(again)->toPlainText(), reads == 1 ? "help text" : "new text");
    }

    void failureThenHelpShowsEmptyViewerSilently() {
        Rig rig;
        rig.fakes.files.next.errorNumber = 53;
        frmView &view = rig.help();
        QVERIFY(!view.isVisible());
        QCOMPARE(rig.messages.shown.size(), 2);
        rig.help();
        QVERIFY(view.isVisible());
        QTest::qWait(20);
        QCOMPARE(rig.messages.shown.size(), 2);
        QCOMPARE(rig.fakes.files.paths.size(), 1);
        QVERIFY(textBox(view)->toPlainText().isEmpty());
    }

    void viewerGoesWithTheMainWindow() {
        FakePlatform fakes;
        auto *mainWindow = new QWidget;
        HelpCommand &command = HelpCommand::of(*mainWindow, fakes.platform);
        command.run();
        QCOMPARE(&HelpCommand::of(*mainWindow, fakes.platform), &command);
        QPointer<frmView> view = command.viewer();
        QVERIFY(view);
        delete mainWindow;
        QVERIFY(view.isNull());
    }
};

QTEST_MAIN(tst_viewer)
#include "tst_viewer.moc"
