#include "PastingField.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

std::optional<QString> PastingField::handled(const QString &pasted) const {
    return pasteHandler ? pasteHandler(pasted) : std::optional<QString>(pasted);
}

// Moving the caret is what ends a step of typing; a selection is left as it is.
void PastingField::closeUndoStep() {
    if (hasSelectedText() || text().isEmpty())
        return;
    const int at = cursorPosition();
    setCursorPosition(at > 0 ? at - 1 : at + 1);
    setCursorPosition(at);
}

void PastingField::insertAsStep(const QString &text) {
    closeUndoStep();
    insert(text);
    closeUndoStep();
}

void PastingField::replaceAsStep(const QString &text) {
    closeUndoStep();
    selectAll();
    insert(text);
    closeUndoStep();
}

void PastingField::pasteFrom(QClipboard::Mode mode) {
    if (isReadOnly())
        return;
    if (const auto text = handled(QGuiApplication::clipboard()->text(mode)))
        insertAsStep(*text);
}

void PastingField::keyPressEvent(QKeyEvent *event) {
    if (!event->matches(QKeySequence::Paste)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // Where the key scheme pastes the selection with Ctrl+Shift+Insert, so does the field.
    const bool selection = event->key() == Qt::Key_Insert &&
                           event->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier) &&
                           QGuiApplication::clipboard()->supportsSelection();
    pasteFrom(selection ? QClipboard::Selection : QClipboard::Clipboard);
    event->accept();
}

void PastingField::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection() &&
        !isReadOnly()) {
        deselect();
        pasteFrom(QClipboard::Selection);
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void PastingField::contextMenuEvent(QContextMenuEvent *event) {
    QMenu *menu = createStandardContextMenu();
    // The entry is known by its caption as the field gives it, in any language: Qt's own text,
    // looked up as Qt looks it up (not a literal, so that it is no text of ours to translate).
    static const char *const qtPaste = "&Paste";
    for (QAction *action : menu->actions()) {
        if (action->text().section(u'\t', 0, 0) !=
            QCoreApplication::translate("QLineEdit", qtPaste))
            continue;
        disconnect(action, &QAction::triggered, this, nullptr);
        connect(action, &QAction::triggered, this, [this] { pasteFrom(QClipboard::Clipboard); });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void PastingField::dropEvent(QDropEvent *event) {
    // Text moved or copied within the field is editing, not a paste.
    if (event->source() == this || !event->mimeData()->hasText() || isReadOnly()) {
        QLineEdit::dropEvent(event);
        return;
    }
    const auto text = handled(event->mimeData()->text());
    if (!text) {
        // Taken whole: only the drop caret must go.
        QDragLeaveEvent leave;
        QLineEdit::dragLeaveEvent(&leave);
        event->acceptProposedAction();
        return;
    }
    QMimeData data;
    data.setText(*text);
    QDropEvent drop(event->position(), event->possibleActions(), &data, event->buttons(),
                    event->modifiers(), event->type());
    drop.setDropAction(event->dropAction());
    closeUndoStep();
    QLineEdit::dropEvent(&drop);
    closeUndoStep();
    event->setDropAction(drop.dropAction());
    event->setAccepted(drop.isAccepted());
}
