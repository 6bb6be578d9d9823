#include "frmView.h"

#include "DesignFont.h"
#include "Twips.h"
#include "ViewerText.h"
#include "frmViewLayout.h"

#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTimer>
#include <algorithm>
#include <utility>

frmView::frmView(Platform &platform, ViewerSettings settings, QWidget *parent)
    : QWidget(parent), platform(platform), strFilename(std::move(settings.strFilename)),
      blnCopyToClipboardInvisible(settings.blnCopyToClipboardInvisible),
      txbText1(new QPlainTextEdit(this)), cmdClose(new QPushButton(QStringLiteral("Close"), this)),
      cmdCopyToClipboard(new QPushButton(QStringLiteral("Copy to clipboard"), this)) {
    setWindowTitle(QStringLiteral("Viewing"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(designFont(QStringLiteral("Arial"), frmViewLayout::fontPoints));
    txbText1->setObjectName(QStringLiteral("txbText1"));
    txbText1->setAccessibleName(settings.textName);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdCopyToClipboard->setObjectName(QStringLiteral("cmdCopyToClipboard"));
    cmdClose->setFont(designFont(QStringLiteral("Tahoma"), frmViewLayout::fontPoints));
    cmdCopyToClipboard->setFont(designFont(QStringLiteral("Tahoma"), frmViewLayout::fontPoints));

    makeTextReadOnly();
    txbText1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txbText1->setTabChangesFocus(true);
    txbText1->viewport()->installEventFilter(this);

    DesignLayout::apply(*this, frmViewLayout::places, platform.screen.logicalDpi());
    resize(toPixels(frmViewLayout::clientWidth), toPixels(frmViewLayout::clientHeight));
    txbText1->setFocus();

    connectHandlers();
}

void frmView::connectHandlers() {
    connect(cmdClose, &QPushButton::clicked, this, &frmView::cmdClose_Click);
    connect(cmdCopyToClipboard, &QPushButton::clicked, this, &frmView::cmdCopyToClipboard_Click);
}

bool frmView::event(QEvent *event) {
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    // A window manager adds its frame only after the window is shown, which changes the outer
    // size the layout works from without resizing the inside; the move it makes then, or at
    // the latest the activation, is the first sign of it.
    const bool frameMayHaveChanged =
        event->type() == QEvent::Move || event->type() == QEvent::WindowActivate;
    if (frameMayHaveChanged && isVisible() && frameGeometry().size() != laidOutFor)
        Form_Resize();
    return QWidget::event(event);
}

bool frmView::eventFilter(QObject *watched, QEvent *event) {
    if (watched == txbText1->viewport() && event->type() == QEvent::MouseButtonRelease)
        txbText1_MouseUp();
    return QWidget::eventFilter(watched, event);
}

void frmView::keyPressEvent(QKeyEvent *event) {
    // Escape leaves a viewer as Close does, wherever the focus stands in it.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        cmdClose_Click();
    else
        QWidget::keyPressEvent(event);
}

void frmView::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    // Not every display activates a window that is shown (the offscreen one never does), so
    // the loading steps also follow every showing; they run once either way.
    QTimer::singleShot(0, this, &frmView::Form_Activate);
}

void frmView::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmView::closeEvent(QCloseEvent *event) {
    Form_Unload();
    event->accept();
}

void frmView::Form_Activate() {
    // A modal message of a failed load activates the window again when it closes.
    if (blnFileDisplayed || loading || !isVisible())
        return;
    loading = true;
    cmdClose->setText(QStringLiteral("Close"));
    txbText1->clear();
    setCopyCaption(false);
    cmdCopyToClipboard->setVisible(!blnCopyToClipboardInvisible);
    if (!blnCopyToClipboardInvisible)
        cmdCopyToClipboard->setEnabled(true);
    makeTextReadOnly();
    Form_Resize();

    const FileReadResult read = platform.files.read(strFilename, ViewerText::charactersToRead);
    if (read.errorNumber != 0) {
        reportReadFailure(read.errorNumber, read.description);
    } else {
        txbText1->setPlainText(ViewerText::forDisplay(read.text));
        txbText1->moveCursor(QTextCursor::Start);
        txbText1->viewport()->update();
    }
    blnFileDisplayed = true;
    loading = false;
}

// Read-only resets how the text may be used: the caret and selection with the keyboard
// (and the copy shortcut with them) are given back each time.
void frmView::makeTextReadOnly() {
    txbText1->setReadOnly(true);
    txbText1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void frmView::reportReadFailure(int errorNumber, const QString &description) {
    // The current folder comes first on purpose: it says where a relative name was looked for.
    platform.messages.show(this, ViewerText::currentFolderMessage(QDir::currentPath()), QString(),
                           MessageIcon::None);
    if (errorNumber == FileError::PastEndOfFile)
        platform.messages.show(this, ViewerText::emptyFileMessage(strFilename),
                               ViewerText::emptyFileTitle(), MessageIcon::Exclamation);
    else
        platform.messages.show(this, ViewerText::readErrorMessage(errorNumber, description),
                               ViewerText::readErrorTitle(), MessageIcon::Exclamation);
    hide();
}

void frmView::Form_Resize() {
    if (isMinimized())
        return;
    // The minimum and the margins apply to the outer size, decorations included. Once the
    // window is up its decorations are known, and the window manager is told the minimum so
    // that the user cannot drag the window smaller.
    const QSize decorations = frameGeometry().size() - size();
    const QSize minimumOuter(toPixels(frmViewLayout::minimumWidth),
                             toPixels(frmViewLayout::minimumHeight));
    if (isVisible())
        setMinimumSize(minimumOuter - decorations);
    const QSize outer = frameGeometry().size().expandedTo(minimumOuter);
    if (outer != frameGeometry().size())
        resize(outer - decorations);
    laidOutFor = outer;

    const int textLeft = toPixels(frmViewLayout::txbText1.left);
    const int textTop = toPixels(frmViewLayout::txbText1.top);
    const int textWidth = std::max(0, outer.width() - toPixels(frmViewLayout::textWidthMargin));
    const int textHeight = std::max(0, outer.height() - toPixels(frmViewLayout::textHeightMargin));
    txbText1->setGeometry(textLeft, textTop, textWidth, textHeight);

    const int buttonsTop = textTop + textHeight + toPixels(frmViewLayout::buttonGap);
    cmdCopyToClipboard->move(textLeft, buttonsTop);
    cmdClose->move(textLeft + textWidth - cmdClose->width(), buttonsTop);
}

void frmView::Form_Unload() {
    blnFileDisplayed = false;
    blnUnloaded = true;
    cmdClose_Click();
}

void frmView::txbText1_MouseUp() {
    if (!cmdCopyToClipboard->isVisible() || !cmdCopyToClipboard->isEnabled())
        return;
    setCopyCaption(txbText1->textCursor().hasSelection());
}

void frmView::cmdCopyToClipboard_Click() {
    if (!txbText1->document()->isEmpty()) {
        platform.clipboard.clear();
        const QTextCursor cursor = txbText1->textCursor();
        QString text =
            cursor.hasSelection() ? cursor.selection().toPlainText() : txbText1->toPlainText();
        // The box keeps lines apart without CR; on the clipboard they end with CR LF, as the
        // program's other texts do.
        platform.clipboard.setText(text.replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
        setCopyCaption(false);
    }
    cmdClose->setFocus();
}

void frmView::cmdClose_Click() {
    hide();
}

void frmView::setCopyCaption(bool forSelection) {
    cmdCopyToClipboard->setText(forSelection ? QStringLiteral("Copy selected text to clipboard")
                                             : QStringLiteral("Copy to clipboard"));
    cmdCopyToClipboard->resize(toPixels(forSelection ? frmViewLayout::copySelectionWidth
                                                     : frmViewLayout::cmdCopyToClipboard.width),
                               cmdCopyToClipboard->height());
}

int frmView::toPixels(int twips) const {
    return Twips::toPixels(twips, platform.screen.logicalDpi());
}
