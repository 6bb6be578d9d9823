#include "FakePlatform.h"
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

namespace {

// The fakes, with the real reader in place of the fake one when files are involved.
struct Rig {
    FakePlatform fakes;
    PosixFileReader disk;
    Platform withDisk{fakes.messages, fakes.clipboard, fakes.screen,
                      disk,           fakes.web,       fakes.process};
};

QPlainTextEdit *textBox(frmView &view) {
    return view.findChild<QPlainTextEdit *>(QStringLiteral("txbText1"));
}
QPushButton *closeButton(frmView &view) {
    return view.findChild<QPushButton *>(QStringLiteral("cmdClose"));
}
QPushButton *copyButton(frmView &view) {
    return view.findChild<QPushButton *>(QStringLiteral("cmdCopyToClipboard"));
}

void showAndLoad(frmView &view) {
    view.show();
    QTRY_VERIFY(view.fileDisplayed());
}

FileReadResult text(const QString &content) {
    FileReadResult result;
    result.text = content;
    return result;
}

FileReadResult error(int number, const QString &description) {
    FileReadResult result;
    result.errorNumber = number;
    result.description = description;
    return result;
}

// A message box whose closing activates the viewer again, as a real modal box does.
class ReactivatingMessages : public MessageBoxes {
public:
    void show(QWidget *parent, const QString &, const QString &, BoxIcon) override {
        ++shown;
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(parent, &activate);
    }
    int shown = 0;
};

} // namespace

class tst_frmView : public QObject {
    Q_OBJECT
private slots:
    void showsFileWholeOrCut_data();
    void showsFileWholeOrCut();
    void readsOnceAskingForEnoughToDecide();
    void reportsReadFailure_data();
    void reportsReadFailure();
    void reactivationDuringAFailureReadsNothingMore();
    void closeHidesAndKeepsTheText_data();
    void closeHidesAndKeepsTheText();
    void closeBoxDestroysAndForgets();
    void layoutKeepsMinimaAndMargins_data();
    void layoutKeepsMinimaAndMargins();
    void copyCaptionFollowsMouseSelection_data();
    void copyCaptionFollowsMouseSelection();
    void copiesSelectionOrWholeText_data();
    void copiesSelectionOrWholeText();

private:
    QTemporaryDir dir;
};

void tst_frmView::showsFileWholeOrCut_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("cut");
    QTest::newRow("65529 shown whole") << 65529 << false;
    QTest::newRow("65530 cut") << 65530 << true;
    QTest::newRow("far longer cut") << 200000 << true;
}

void tst_frmView::showsFileWholeOrCut() {
    QFETCH(int, length);
    QFETCH(bool, cut);
    QByteArray bytes;
    for (int i = 0; i < length; ++i)
        bytes.append(i % 64 == 62 ? '\r' : i % 64 == 63 ? '\n' : static_cast<char>('a' + i % 26));
    const QString path = dir.filePath(QStringLiteral("long.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
    file.close();

    Rig rig;
    frmView view(rig.withDisk);
    view.strFilename = path;
    showAndLoad(view);

    const QString content = QString::fromLatin1(bytes);
    const QString expected = cut ? ViewerText::forDisplay(content) : content;
    QCOMPARE(textBox(view)->toPlainText(), QString(expected).replace(QStringLiteral("\r\n"), "\n"));
    QVERIFY(rig.fakes.messages.shown.isEmpty());
    QVERIFY(view.isVisible());
}

void tst_frmView::readsOnceAskingForEnoughToDecide() {
    FakePlatform fakes;
    fakes.files.next = text(QStringLiteral("first line\r\nsecond line\r\n"));
    frmView view(fakes.platform);
    view.strFilename = QStringLiteral("/somewhere/help.txt");
    showAndLoad(view);

    QCOMPARE(fakes.files.paths, QStringList{QStringLiteral("/somewhere/help.txt")});
    QCOMPARE(fakes.files.limits, QList<qint64>{65530});
    QCOMPARE(textBox(view)->textCursor().position(), 0);
    QVERIFY(!textBox(view)->textCursor().hasSelection());
    QCOMPARE(view.focusWidget(), textBox(view));

    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&view, &activate);
    view.hide();
    view.show();
    QTest::qWait(20);
    QCOMPARE(fakes.files.paths.size(), 1);
}

void tst_frmView::reportsReadFailure_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("title");

    QFile empty(dir.filePath(QStringLiteral("empty.txt")));
    QVERIFY(empty.open(QIODevice::WriteOnly));
    QDir(dir.path()).mkpath(QStringLiteral("folder.txt"));

    QTest::newRow("missing file") << QStringLiteral("absent.txt")
                                  << QStringLiteral("Error 53.  File not found")
                                  << QStringLiteral("Error reading file");
    QTest::newRow("missing folder")
        << QStringLiteral("nowhere/ang_help.txt") << QStringLiteral("Error 76.  Path not found")
        << QStringLiteral("Error reading file");
    QTest::newRow("folder in the file's place")
        << QStringLiteral("folder.txt") << QStringLiteral("Error 75.  Path/File access error")
        << QStringLiteral("Error reading file");
    QTest::newRow("empty file warns in its own words")
        << QStringLiteral("empty.txt")
        << ViewerText::emptyFileMessage(dir.filePath(QStringLiteral("empty.txt")))
        << ViewerText::emptyFileTitle();
}

void tst_frmView::reportsReadFailure() {
    QFETCH(QString, name);
    QFETCH(QString, message);
    QFETCH(QString, title);
    Rig rig;
    frmView view(rig.withDisk);
    view.strFilename = dir.filePath(name);
    showAndLoad(view);

    const auto &shown = rig.fakes.messages.shown;
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown[0].text, QDir::currentPath());
    QCOMPARE(shown[0].title, QString()); // the program's own title
    QCOMPARE(shown[0].icon, BoxIcon::None);
    QCOMPARE(shown[1].text, message);
    QCOMPARE(shown[1].title, title);
    QCOMPARE(shown[1].icon, BoxIcon::Exclamation);
    QVERIFY(!view.isVisible());
    QVERIFY(textBox(view)->toPlainText().isEmpty());
}

void tst_frmView::reactivationDuringAFailureReadsNothingMore() {
    FakePlatform fakes;
    ReactivatingMessages messages;
    Platform platform{messages,    fakes.clipboard, fakes.screen,
                      fakes.files, fakes.web,       fakes.process};
    fakes.files.next = error(70, QStringLiteral("Permission denied"));
    frmView view(platform);
    showAndLoad(view);
    QCOMPARE(fakes.files.paths.size(), 1);
    QCOMPARE(messages.shown, 2);
}

void tst_frmView::closeHidesAndKeepsTheText_data() {
    QTest::addColumn<bool>("byEscape");
    QTest::newRow("Close button") << false;
    QTest::newRow("Escape key") << true;
}

void tst_frmView::closeHidesAndKeepsTheText() {
    QFETCH(bool, byEscape);
    FakePlatform fakes;
    fakes.files.next = text(QStringLiteral("kept"));
    frmView view(fakes.platform);
    showAndLoad(view);

    if (byEscape)
        QTest::keyClick(textBox(view), Qt::Key_Escape);
    else
        closeButton(view)->click();
    QVERIFY(!view.isVisible());
    QVERIFY(view.fileDisplayed());
    QVERIFY(!view.unloaded());

    view.show();
    QTest::qWait(20);
    QCOMPARE(textBox(view)->toPlainText(), QStringLiteral("kept"));
    QCOMPARE(fakes.files.paths.size(), 1);
}

void tst_frmView::closeBoxDestroysAndForgets() {
    FakePlatform fakes;
    fakes.files.next = text(QStringLiteral("text"));
    QPointer<frmView> view = new frmView(fakes.platform);
    showAndLoad(*view);

    QVERIFY(view->close());
    QVERIFY(!view->isVisible());
    QVERIFY(!view->fileDisplayed());
    QVERIFY(view->unloaded());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(view.isNull());
}

void tst_frmView::layoutKeepsMinimaAndMargins_data() {
    QTest::addColumn<double>("dpi");
    QTest::addColumn<QSize>("asked");  // twips
    QTest::addColumn<QSize>("window"); // twips
    QTest::newRow("too narrow and too low") << 96.0 << QSize(3000, 1000) << QSize(8000, 2000);
    QTest::newRow("too narrow") << 96.0 << QSize(3000, 5000) << QSize(8000, 5000);
    QTest::newRow("too low") << 96.0 << QSize(11000, 1500) << QSize(11000, 2000);
    QTest::newRow("large enough") << 96.0 << QSize(11000, 7000) << QSize(11000, 7000);
    QTest::newRow("too small at 144 dpi") << 144.0 << QSize(3000, 1000) << QSize(8000, 2000);
}

void tst_frmView::layoutKeepsMinimaAndMargins() {
    QFETCH(double, dpi);
    QFETCH(QSize, asked);
    QFETCH(QSize, window);
    FakePlatform fakes;
    fakes.screen.dpi = dpi;
    fakes.files.next = text(QStringLiteral("text"));
    frmView view(fakes.platform);
    view.blnCopyToClipboardInvisible = false;
    showAndLoad(view);
    const auto px = [dpi](int twips) { return Twips::toPixels(twips, dpi); };

    const QSize decorations = view.frameGeometry().size() - view.size();
    view.resize(QSize(px(asked.width()), px(asked.height())) - decorations);
    QTRY_COMPARE(view.frameGeometry().size(), QSize(px(window.width()), px(window.height())));

    const QRect box = textBox(view)->geometry();
    QCOMPARE(box,
             QRect(px(105), px(105), px(window.width()) - px(450), px(window.height()) - px(1200)));
    if (window == QSize(8000, 2000))
        QCOMPARE(box.size(), QSize(px(7550), px(800)));
    const int buttonsTop = box.top() + box.height() + px(100);
    QCOMPARE(copyButton(view)->pos(), QPoint(box.left(), buttonsTop));
    QCOMPARE(closeButton(view)->y(), buttonsTop);
    QCOMPARE(closeButton(view)->geometry().right(), box.right());
}

void tst_frmView::copyCaptionFollowsMouseSelection_data() {
    QTest::addColumn<bool>("copyHidden");
    QTest::addColumn<bool>("select");
    QTest::addColumn<bool>("byMouse");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("width"); // twips

    const QString plain = QStringLiteral("Copy to clipboard");
    const QString selected = QStringLiteral("Copy selected text to clipboard");
    QTest::newRow("mouse selection") << false << true << true << selected << 4425;
    QTest::newRow("mouse without selection") << false << false << true << plain << 3270;
    QTest::newRow("keyboard selection changes nothing") << false << true << false << plain << 3270;
    QTest::newRow("hidden button changes nothing") << true << true << true << plain << 3270;
}

void tst_frmView::copyCaptionFollowsMouseSelection() {
    QFETCH(bool, copyHidden);
    QFETCH(bool, select);
    QFETCH(bool, byMouse);
    QFETCH(QString, caption);
    QFETCH(int, width);
    FakePlatform fakes;
    fakes.files.next = text(QStringLiteral("alpha beta\r\ngamma"));
    frmView view(fakes.platform);
    view.blnCopyToClipboardInvisible = copyHidden;
    showAndLoad(view);
    QCOMPARE(copyButton(view)->isVisible(), !copyHidden);

    QPlainTextEdit *box = textBox(view);
    if (select) {
        QTextCursor cursor = box->textCursor();
        cursor.setPosition(6);
        cursor.setPosition(10, QTextCursor::KeepAnchor);
        box->setTextCursor(cursor);
    }
    if (byMouse)
        QTest::mouseRelease(box->viewport(), Qt::LeftButton, {}, QPoint(2, 2));
    else
        QTest::keyClick(box, Qt::Key_Right, Qt::ShiftModifier);

    QCOMPARE(copyButton(view)->text(), caption);
    QCOMPARE(copyButton(view)->width(), Twips::toPixels(width, fakes.screen.dpi));
}

void tst_frmView::copiesSelectionOrWholeText_data() {
    QTest::addColumn<QString>("content");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("copied");
    QTest::addColumn<int>("clears");

    const QString two = QStringLiteral("alpha beta\r\ngamma");
    QTest::newRow("selection only") << two << 6 << 10 << QStringLiteral("beta") << 1;
    QTest::newRow("selection over a line break")
        << two << 6 << 13 << QStringLiteral("beta\r\nga") << 1;
    QTest::newRow("whole text without selection") << two << 0 << 0 << two << 1;
    QTest::newRow("empty box copies nothing") << QString() << 0 << 0 << QString() << 0;
}

void tst_frmView::copiesSelectionOrWholeText() {
    QFETCH(QString, content);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, copied);
    QFETCH(int, clears);
    FakePlatform fakes;
    fakes.files.next = text(content);
    frmView view(fakes.platform);
    view.blnCopyToClipboardInvisible = false;
    showAndLoad(view);

    QPlainTextEdit *box = textBox(view);
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    box->setTextCursor(cursor);
    QTest::mouseRelease(box->viewport(), Qt::LeftButton, {}, QPoint(2, 2));

    copyButton(view)->click();
    QCOMPARE(fakes.clipboard.clears, clears);
    QCOMPARE(fakes.clipboard.text, copied);
    QCOMPARE(copyButton(view)->text(), QStringLiteral("Copy to clipboard"));
    QCOMPARE(copyButton(view)->width(), Twips::toPixels(3270, fakes.screen.dpi));
    QCOMPARE(view.focusWidget(), closeButton(view));
}

int runFrmViewTests(int argc, char **argv) {
    tst_frmView test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_frmView.moc"
