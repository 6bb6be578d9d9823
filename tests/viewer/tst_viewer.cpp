#include "DataTable.h"
#include "FakePlatform.h"
#include "HelpCommand.h"
#include "Twips.h"
#include "ViewerText.h"
#include "frmView.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QKeySequence>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

template <typename W = QPushButton> W *child(QWidget &view, const char *name) {
    return view.findChild<W *>(QLatin1String(name));
}
QPlainTextEdit *textBox(QWidget &view) {
    return child<QPlainTextEdit>(view, "txbText1");
}
int px(int twips, double dpi = 96.0) {
    return Twips::toPixels(twips, dpi);
}
QSize px(QSize twips, double dpi = 96.0) {
    return {px(twips.width(), dpi), px(twips.height(), dpi)};
}

// Each box shown as "title | text", then its icon: (i) information, (!) exclamation.
QStringList boxes(const FakeMessageBoxes &messages) {
    QStringList list;
    for (const auto &box : messages.shown)
        list << box.title + " | " + box.text + QStringList{"", " (i)", " (!)"}.at(int(box.icon));
    return list;
}

// False when the viewer did not run its loading steps.
bool shownAndLoaded(frmView &view) {
    view.show();
    return QTest::qWaitFor([&view] { return view.fileDisplayed(); });
}

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
        fakes.files.next.text = QStringLiteral("help text");
        QPixmap pixmap(16, 16);
        pixmap.fill(Qt::darkCyan);
        mainWindow.setWindowIcon(QIcon(pixmap));
        mainWindow.setGeometry(place);
        mainWindow.show();
    }
    frmView &help() {
        command.run();
        if (!QTest::qWaitFor([this] { return command.viewer()->fileDisplayed(); }))
            qFatal("Help showed no viewer that ran its loading steps");
        return *command.viewer();
    }
    FakePlatform fakes;
    ReactivatingMessages messages;
    Platform withFakes{messages,    fakes.clipboard, fakes.screen,
                       fakes.files, fakes.web,       fakes.process};
    QWidget mainWindow;
    HelpCommand command{mainWindow, withFakes};
};

// What is done to the viewer between two Help commands.
enum class Between {
    Nothing,
    Maximise,
    Minimise,
    Close,
    Escape,
    CloseBoxDeleted,
    CloseBox,
    Failure
};

} // namespace

Q_DECLARE_METATYPE(Between)

class TestViewer : public QObject {
    Q_OBJECT

private slots:
    // What the reader gives, the text shown, and the boxes: a failure first names the current
    // folder.
    void showsFileOrReportsFailure_data() {
        columns<int, QString, QString, QString, QStringList>("errorNumber", "description",
                                                             "content", "text", "boxes");
        const QString folder = " | " + QDir::currentPath();
        // Characters beyond Latin-1 come first and must arrive as they are.
        for (const int length : {65529, 65530}) {
            QString content = QStringLiteral(u"\u20AC\u0081\u201A\u2122\u0178");
            for (int i = 0xA0; i < 0x100; ++i)
                content += QChar(i);
            content += QStringLiteral("line\r\n").repeated(length / 6 + 1);
            content.truncate(length);
            QString text = QString(content).replace(QChar(0xA0), u' '); // shown blank
            if (length == 65530)
                text = "NOTE: This file is too large to display entirely in this textbox.\r\n"
                       "To view the entire contents of the file load it into NotePad,\r\n"
                       "WordPad or some other text editor.\r\n\r\n" +
                       text.left(65306) +
                       "\r\n\r\nNOTE: Entire contents of file have not been displayed.\r\n";
            QTest::addRow("%d %s", length, length == 65530 ? "cut" : "whole")
                << 0 << QString() << content << text.replace("\r\n", "\n") << QStringList();
        }
        // The reader's number and description reach the box as they are.
        row("missing file", 53, "File not found", QString(), QString(),
            QStringList{folder, "Error reading file | Error 53.  File not found (!)"});
        row("empty file warns in its own words", 62, "Input past end of file", QString(), QString(),
            QStringList{folder, ViewerText::emptyFileTitle() + " | " +
                                    ViewerText::emptyFileMessage("/data/empty.txt") + " (!)"});
    }
    void showsFileOrReportsFailure() {
        QFETCH(int, errorNumber);
        QFETCH(QString, description);
        QFETCH(QString, content);
        Rig rig;
        rig.fakes.files.next = {errorNumber, description, content, false};
        frmView view(rig.withFakes);
        view.strFilename = QStringLiteral("/data/empty.txt");
        QVERIFY(shownAndLoaded(view));
        QCOMPARE(rig.fakes.files.paths, QStringList{view.strFilename});
        QTEST(textBox(view)->toPlainText(), "text");
        QTEST(boxes(rig.messages), "boxes");
        QCOMPARE(view.isVisible(), rig.messages.shown.isEmpty());
    }

    // The translations of the help text are tried first, in the person's order; one that is
    // not there is passed over, one that fails otherwise is reported.
    void translatedTextComesFirst_data() {
        columns<QList<int>, QString, QString>("errors", "reads", "shown");
        row("first translation", QList<int>{0, 0, 0}, "pt_BR", "pt_BR text");
        row("missing region, its language", QList<int>{53, 0, 0}, "pt_BR pt", "pt text");
        row("none there, English", QList<int>{76, 53, 0}, "pt_BR pt en", "en text");
        row("an empty translation is reported", QList<int>{62, 0, 0}, "pt_BR",
            "The file\n/h/ang_help.pt_BR.txt\nis empty, so there is no text to show.");
    }
    void translatedTextComesFirst() {
        QFETCH(QList<int>, errors);
        Rig rig;
        frmView view(rig.withFakes);
        view.translatedFilenames = QStringList{"/h/ang_help.pt_BR.txt", "/h/ang_help.pt.txt"};
        view.strFilename = "/h/ang_help.en.txt";
        const QStringList names{"pt_BR", "pt", "en"};
        for (int i = 0; i < 3; ++i)
            rig.fakes.files.byPath["/h/ang_help." + names[i] + ".txt"] = {
                errors[i], "why", names[i] + " text", false};
        QVERIFY(shownAndLoaded(view));
        QStringList reads;
        for (const QString &path : rig.fakes.files.paths)
            reads << path.section(u'.', 1, -2);
        QTEST(reads.join(u' '), "reads");
        QCOMPARE(rig.fakes.files.encodings.last(),
                 reads.last() == "en" ? TextEncoding::Windows1252 : TextEncoding::Utf8);
        QTEST(rig.messages.shown.isEmpty() ? textBox(view)->toPlainText()
                                           : rig.messages.shown.last().text,
              "shown");
    }

    void errorNumberIsWrittenWithItsSignPlace() {
        QCOMPARE(ViewerText::readErrorMessage(0, QStringLiteral("x")), "Error 0.  x");
        QCOMPARE(ViewerText::readErrorMessage(-5, QStringLiteral("x")), "Error-5.  x");
    }

    // Sizes in twips. The late frame is the offscreen one of 2 pixels a side.
    void layoutKeepsMinimaAndMargins_data() {
        columns<double, QSize, QSize, bool>("dpi", "asked", "window", "frameLate");
        row("too small", 96.0, QSize(3000, 1000), QSize(8000, 2000), false);
        row("too low", 96.0, QSize(11000, 1500), QSize(11000, 2000), false);
        row("large enough", 96.0, QSize(11000, 7000), QSize(11000, 7000), false);
        row("144 dpi", 144.0, QSize(3000, 1000), QSize(8000, 2000), false);
        row("framed late", 96.0, QSize(11730, 6645), QSize(11730, 6645), true);
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
        QVERIFY(shownAndLoaded(view));
        if (frameLate) { // as a window manager does: the frame, then a move, the inside unchanged
            view.setWindowFlag(Qt::FramelessWindowHint, false);
            view.show();
            view.move(view.pos() + QPoint(1, 1));
        }
        view.resize(px(asked, dpi) - (view.frameGeometry().size() - view.size()));
        QTRY_COMPARE(view.frameGeometry().size(), px(window, dpi));
        const QRect box = textBox(view)->geometry();
        QCOMPARE(box,
                 QRect(QPoint(px(105, dpi), px(105, dpi)), px(window, dpi) - px({450, 1200}, dpi)));
        const int buttonsTop = box.bottom() + 1 + px(100, dpi);
        QCOMPARE(child(view, "cmdCopyToClipboard")->pos(), QPoint(box.left(), buttonsTop));
        QCOMPARE(child(view, "cmdClose")->y(), buttonsTop);
        QCOMPARE(child(view, "cmdClose")->geometry().right(), box.right());
    }

    // A selection [from, to), a mouse release over the text, then Copy.
    void copyFollowsTheSelection_data() {
        columns<QString, int, int, QString>("content", "from", "to", "copied");
        const QString two = QStringLiteral("alpha beta\r\ngamma");
        row("selection only", two, 6, 10, "beta");
        row("over a line break", two, 6, 13, "beta\r\nga");
        row("whole text without selection", two, 0, 0, two);
        row("empty box copies nothing", "", 0, 0, "");
    }
    void copyFollowsTheSelection() {
        QFETCH(QString, content);
        QFETCH(int, from);
        QFETCH(int, to);
        FakePlatform fakes;
        fakes.files.next.text = content;
        frmView view(fakes.platform);
        QVERIFY(shownAndLoaded(view));
        QPushButton *copy = child(view, "cmdCopyToClipboard");
        QVERIFY(copy->isVisible());
        QPlainTextEdit *box = textBox(view);
        QTextCursor cursor = box->textCursor();
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        box->setTextCursor(cursor);
        QTest::mouseRelease(box->viewport(), Qt::LeftButton, {}, QPoint(2, 2));
        const auto caption = [&] { return std::pair(copy->text(), copy->width()); };
        const auto expected = [](bool selected) {
            return selected ? std::pair(QStringLiteral("Copy selected text to clipboard"), px(4425))
                            : std::pair(QStringLiteral("Copy to clipboard"), px(3270));
        };
        QCOMPARE(caption(), expected(from != to));
        copy->click();
        QCOMPARE(fakes.clipboard.clears, content.isEmpty() ? 0 : 1);
        QTEST(fakes.clipboard.text, "copied");
        QCOMPARE(caption(), expected(false));
        QCOMPARE(view.focusWidget(), child(view, "cmdClose"));
    }

    // Help twice, with `before` done to the viewer in between and the main window moved. A
    // normal viewer stands below the main window, raised as far as the bottom of the (fake,
    // 1024x768) screen needs; a maximised one stays.
    // Close and Escape keep the text; the close box destroys the viewer, so the second Help
    // reads anew, whether or not the deletion has run; after a failure it shows an empty
    // viewer without a word.
    void helpShowsTheViewer_data() {
        columns<QRect, Between, int, QString>("mainWindow", "before", "reads", "text");
        const QRect normal(50, 50, 700, 250);
        using enum Between;
        row("large main window", QRect(40, 30, 800, 267), Nothing, 1, "help text");
        row("raised to the minimum", QRect(10, 20, 200, 60), Nothing, 1, "help text");
        row("beyond the screen's bottom", QRect(30, 560, 600, 200), Nothing, 1, "help text");
        row("maximised stays", normal, Maximise, 1, "help text");
        row("minimised is restored", normal, Minimise, 1, "help text");
        row("Close", normal, Close, 1, "help text");
        row("Escape", normal, Escape, 1, "help text");
        row("close box, deleted", normal, CloseBoxDeleted, 2, "new text");
        row("close box, not yet deleted", normal, CloseBox, 2, "new text");
        row("failure", normal, Failure, 1, "");
    }
    void helpShowsTheViewer() {
        QFETCH(QRect, mainWindow);
        QFETCH(Between, before);
        QFETCH(int, reads);
        Rig rig(mainWindow);
        const auto placed = [&rig] {
            const QRect main = rig.mainWindow.frameGeometry();
            QRect below(main.bottomLeft() + QPoint(0, 1), main.size().expandedTo(px({8000, 2000})));
            if (below.bottom() > 767)
                below.moveBottom(767);
            return below;
        };
        if (before == Between::Failure)
            rig.fakes.files.next.errorNumber = 53;
        QPointer<frmView> view = &rig.help();
        QCOMPARE(view->frameGeometry(), placed());
        QCOMPARE(rig.fakes.files.paths,
                 QStringList{QCoreApplication::applicationDirPath() + "/ang_help.txt"});
        QCOMPARE(rig.fakes.files.limits, QList<qint64>{65530});
        QCOMPARE(view->parentWidget(), nullptr);
        QCOMPARE(view->windowIcon().pixmap(16).toImage(),
                 rig.mainWindow.windowIcon().pixmap(16).toImage());
        QCOMPARE(textBox(*view)->textCursor().position(), 0);
        const QStringList shown = boxes(rig.messages);
        QCOMPARE(shown.size(), before == Between::Failure ? 2 : 0);
        if (shown.isEmpty())
            QCOMPARE(view->focusWidget(), textBox(*view));
        if (before == Between::Maximise)
            view->showMaximized();
        else if (before == Between::Minimise)
            view->showMinimized();
        else if (before == Between::Close)
            child(*view, "cmdClose")->click();
        else if (before == Between::Escape)
            QTest::keyClick(textBox(*view), Qt::Key_Escape);
        else if (before == Between::CloseBox || before == Between::CloseBoxDeleted)
            QVERIFY(view->close());
        QCOMPARE(view->isVisible(), before == Between::Nothing || before == Between::Maximise ||
                                        before == Between::Minimise);
        QCOMPARE(view->isMinimized(), before == Between::Minimise);
        QCOMPARE(view->fileDisplayed(), reads == 1);
        QCOMPARE(view->unloaded(), reads == 2);
        if (before == Between::CloseBoxDeleted) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(view.isNull());
        }
        rig.mainWindow.move(rig.mainWindow.pos() + QPoint(30, 40));
        rig.fakes.files.next.errorNumber = 0;
        rig.fakes.files.next.text = QStringLiteral("new text");
        frmView &again = rig.help();
        QTest::qWait(20);
        QVERIFY(again.isVisible() && !again.isMinimized());
        QCOMPARE(again.isMaximized(), before == Between::Maximise);
        QTRY_COMPARE(again.frameGeometry(),
                     before == Between::Maximise ? again.screen()->availableGeometry() : placed());
        QCOMPARE(rig.fakes.files.paths.size(), reads);
        QCOMPARE(boxes(rig.messages), shown);
        QTEST(textBox(again)->toPlainText(), "text");
        QVERIFY(!child(again, "cmdCopyToClipboard")->isVisible());
    }

    // The help text is read with the keyboard as with the mouse: the caret moves, Shift
    // selects, and the copy shortcut copies the selection.
    void keyboardSelectsAndCopies_data() {
        columns<QString, QString>("keys", "copied");
        row("Right, then Shift+End", "Right Shift+End", "elp text");
        row("Down, then Shift+End", "Down Shift+End", "second line");
        row("Shift+Down", "Shift+Down", "help text\n");
    }
    void keyboardSelectsAndCopies() {
        QFETCH(QString, keys);
        QFETCH(QString, copied);
        Rig rig;
        rig.fakes.files.next.text = QStringLiteral("help text\r\nsecond line");
        frmView &view = rig.help();
        QPlainTextEdit *text = textBox(view);
        QCOMPARE(text->accessibleName(), QStringLiteral("Help text")); // what a screen reader says
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        for (const QString &key : keys.split(u' '))
            QTest::keySequence(text, QKeySequence(key));
        QTest::keySequence(text, QKeySequence(QKeySequence::Copy));
        QCOMPARE(QGuiApplication::clipboard()->text().replace(QChar::ParagraphSeparator, u'\n'),
                 copied);
        QCOMPARE(text->toPlainText(), QStringLiteral("help text\nsecond line"));
    }

    // Even with the current folder deleted, the first box of a failure says something.
    void deletedCurrentFolderIsNamed() {
        const QString home = QDir::currentPath();
        {
            QTemporaryDir gone;
            QVERIFY(QDir::setCurrent(gone.path()));
        }
        Rig rig;
        rig.fakes.files.next.errorNumber = 53;
        rig.help();
        QVERIFY(QDir::setCurrent(home));
        QCOMPARE(boxes(rig.messages).value(0),
                 QStringLiteral(" | The current folder no longer exists."));
    }

    // The main window holds its command as a member: the viewer goes with the command.
    void viewerGoesWithTheMainWindow() {
        FakePlatform fakes;
        QWidget mainWindow;
        QPointer<frmView> view;
        {
            HelpCommand command{mainWindow, fakes.platform};
            command.run();
            view = command.viewer();
            QVERIFY(view);
        }
        QVERIFY(view.isNull());
    }
};

QTEST_MAIN(TestViewer)
#include "tst_viewer.moc"
