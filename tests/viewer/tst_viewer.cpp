#include "DataTable.h"
#include "FakePlatform.h"
#include "HelpCommand.h"
#include "Twips.h"
#include "frmView.h"

#include <QDir>
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
QSize px(QSize twips, double dpi = 96.0) {
    return {Twips::toPixels(twips.width(), dpi), Twips::toPixels(twips.height(), dpi)};
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
    void show(QWidget *parent, const QString &text, const QString &title,
              MessageIcon icon) override {
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

} // namespace

class TestViewer : public QObject {
    Q_OBJECT

private slots:
    // What the reader gives, the text shown, and the boxes: a failure first names the current
    // folder.
    void showsFileOrReportsFailure_data() {
        columns<int, QString, QString, QString, QStringList>("errorNumber", "description",
                                                             "content", "text", "boxes");
        const QString folder = " | " + QDir::currentPath();
        // Past 65 529 characters the text is cut between two notes; a character of two
        // halves is not split.
        const QString lines = QStringLiteral("line\r\n").repeated(10922);
        const QString pair = QString(65305, u'x') + u"\U0001F600"_qs + lines;
        const QString cutStart =
            "NOTE: This file is too large to display entirely in this textbox.\r\n"
            "To view the entire contents of the file load it into NotePad,\r\n"
            "WordPad or some other text editor.\r\n\r\n";
        const QString cutEnd = "\r\n\r\nNOTE: Entire contents of file have not been displayed.\r\n";
        row("65529 whole", 0, QString(), lines.left(65529), lines.left(65529), QStringList());
        row("65530 cut", 0, QString(), lines.left(65530), cutStart + lines.left(65306) + cutEnd,
            QStringList());
        row("cut before a pair", 0, QString(), pair.left(65530),
            cutStart + pair.left(65305) + cutEnd, QStringList());
        // The reader's number and description reach the box as they are, a minus in the blank.
        row("missing file", 53, "File not found", QString(), QString(),
            QStringList{folder, "Error reading file | Error 53.  File not found (!)"});
        row("negative number", -5, "why", QString(), QString(),
            QStringList{folder, "Error reading file | Error-5.  why (!)"});
        row("empty file warns in its own words", 62, "Input past end of file", QString(), QString(),
            QStringList{folder, "Empty file | The file\n/data/empty.txt\nis empty, so there is no "
                                "text to show. (!)"});
    }
    void showsFileOrReportsFailure() {
        QFETCH(int, errorNumber);
        QFETCH(QString, description);
        QFETCH(QString, content);
        Rig rig;
        rig.fakes.files.next = {errorNumber, description, content, false};
        frmView view(rig.withFakes, {.strFilename = QStringLiteral("/data/empty.txt")});
        QVERIFY(shownAndLoaded(view));
        QCOMPARE(rig.fakes.files.paths, QStringList{"/data/empty.txt"});
        QFETCH(QString, text);
        QCOMPARE(textBox(view)->toPlainText(), text.replace("\r\n", "\n"));
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
        frmView view(rig.withFakes,
                     {.strFilename = "/h/ang_help.en.txt",
                      .translatedFilenames = {"/h/ang_help.pt_BR.txt", "/h/ang_help.pt.txt"}});
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

    // Asked below the minimum outer size (twips), the window keeps it. A late frame (the
    // offscreen one, 2 pixels a side) widens the outer size without a resize.
    void layoutKeepsMinimumAndFollowsTheFrame_data() {
        columns<double, QSize, QSize, bool>("dpi", "asked", "window", "frameLate");
        row("too small at 144 dpi", 144.0, QSize(3000, 1000), QSize(8000, 2000), false);
        row("too low", 96.0, QSize(11000, 1500), QSize(11000, 2000), false);
        row("framed late", 96.0, QSize(11730, 6645), QSize(11730, 6645), true);
    }
    void layoutKeepsMinimumAndFollowsTheFrame() {
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
    }

    // A selection [from, to), a mouse release over the text, then Copy.
    void copyFollowsTheSelection_data() {
        columns<QString, int, int, QString>("content", "from", "to", "copied");
        const QString two = QStringLiteral("alpha beta\r\ngamma");
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
        const int plainWidth = copy->width();
        QPlainTextEdit *box = textBox(view);
        QTextCursor cursor = box->textCursor();
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        box->setTextCursor(cursor);
        QTest::mouseRelease(box->viewport(), Qt::LeftButton, {}, QPoint(2, 2));
        // The longer caption of a selection widens the button; copying puts both back.
        QCOMPARE(copy->text(),
                 from != to ? "Copy selected text to clipboard" : "Copy to clipboard");
        QCOMPARE(copy->width() > plainWidth, from != to);
        copy->click();
        QCOMPARE(fakes.clipboard.clears, content.isEmpty() ? 0 : 1);
        QTEST(fakes.clipboard.text, "copied");
        QCOMPARE(std::pair(copy->text(), copy->width()),
                 std::pair(QString("Copy to clipboard"), plainWidth));
        QCOMPARE(view.focusWidget(), child(view, "cmdClose"));
    }

    // Help twice, with `before` done to the viewer in between and the main window moved. A
    // normal viewer stands below the main window, raised as far as the bottom of the (fake,
    // 1024x768) screen needs; a maximised one stays.
    // Close and Escape keep the text; the close box destroys the viewer, so the second Help
    // reads anew, whether or not the deletion has run; after a failure it shows an empty
    // viewer without a word.
    void helpShowsTheViewer_data() {
        columns<QRect, QString, int, QString>("mainWindow", "before", "reads", "text");
        const QRect normal(50, 50, 700, 250);
        row("raised to the minimum", QRect(10, 20, 200, 60), "", 1, "help text");
        row("beyond the screen's bottom", QRect(30, 560, 600, 200), "", 1, "help text");
        row("maximised stays", normal, "maximise", 1, "help text");
        row("minimised is restored", normal, "minimise", 1, "help text");
        row("Close", normal, "Close", 1, "help text");
        row("Escape", normal, "Escape", 1, "help text");
        row("close box, deleted", normal, "close box, deleted", 2, "new text");
        row("close box, not yet deleted", normal, "close box", 2, "new text");
        row("failure", normal, "failure", 1, "");
    }
    void helpShowsTheViewer() {
        QFETCH(QRect, mainWindow);
        QFETCH(QString, before);
        QFETCH(int, reads);
        Rig rig(mainWindow);
        const auto placed = [&rig] {
            const QRect main = rig.mainWindow.frameGeometry();
            QRect below(main.bottomLeft() + QPoint(0, 1), main.size().expandedTo(px({8000, 2000})));
            if (below.bottom() > 767)
                below.moveBottom(767);
            return below;
        };
        const QString home = QDir::currentPath();
        if (before == "failure") { // with the current folder deleted, whose box still says so
            rig.fakes.files.next.errorNumber = 53;
            QVERIFY(QDir::setCurrent(QTemporaryDir().path()));
        }
        QPointer<frmView> view = &rig.help();
        QVERIFY(QDir::setCurrent(home));
        QCOMPARE(view->frameGeometry(), placed());
        QCOMPARE(rig.fakes.files.paths,
                 QStringList{QCoreApplication::applicationDirPath() + "/ang_help.txt"});
        QCOMPARE(rig.fakes.files.limits, QList<qint64>{65530});
        QCOMPARE(view->windowIcon().pixmap(16).toImage(),
                 rig.mainWindow.windowIcon().pixmap(16).toImage());
        // Read with the keyboard as with the mouse, under its own spoken name.
        QVERIFY(textBox(*view)->textInteractionFlags() & Qt::TextSelectableByKeyboard);
        QCOMPARE(textBox(*view)->accessibleName(), "Help text");
        const QStringList shown = boxes(rig.messages);
        QCOMPARE(shown.size(), before == "failure" ? 2 : 0);
        QCOMPARE(shown.value(0),
                 before == "failure" ? " | The current folder no longer exists." : "");
        if (shown.isEmpty()) { // the text cannot be changed, and only Escape closes
            QCOMPARE(view->focusWidget(), textBox(*view));
            QTest::keyClick(textBox(*view), Qt::Key_Q);
            QVERIFY(view->isVisible() && !textBox(*view)->toPlainText().contains(u'q'));
        }
        if (before == "maximise")
            view->showMaximized();
        else if (before == "minimise")
            view->showMinimized();
        else if (before == "Close")
            child(*view, "cmdClose")->click();
        else if (before == "Escape")
            QTest::keyClick(textBox(*view), Qt::Key_Escape);
        else if (before.startsWith("close box"))
            QVERIFY(view->close());
        QCOMPARE(view->isVisible(), before.isEmpty() || before.endsWith("imise"));
        QCOMPARE(view->isMinimized(), before == "minimise");
        QCOMPARE(view->fileDisplayed(), reads == 1);
        QCOMPARE(view->unloaded(), reads == 2);
        if (before == "close box, deleted") {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(view.isNull());
        }
        rig.mainWindow.move(rig.mainWindow.pos() + QPoint(30, 40));
        rig.fakes.files.next.errorNumber = 0;
        rig.fakes.files.next.text = QStringLiteral("new text");
        frmView &again = rig.help();
        QTest::qWait(20);
        QVERIFY(again.isVisible() && !again.isMinimized());
        QCOMPARE(again.isMaximized(), before == "maximise");
        QTRY_COMPARE(again.frameGeometry(),
                     before == "maximise" ? again.screen()->availableGeometry() : placed());
        QCOMPARE(rig.fakes.files.paths.size(), reads);
        QCOMPARE(boxes(rig.messages), shown);
        QTEST(textBox(again)->toPlainText(), "text");
        QVERIFY(!child(again, "cmdCopyToClipboard")->isVisible());
    }
};

QTEST_MAIN(TestViewer)
#include "tst_viewer.moc"
