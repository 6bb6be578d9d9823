#pragma once

#include <QClipboard>
#include <QLineEdit>
#include <functional>
#include <optional>

// A one-line field whose every paste, by keys, context menu, middle button (the X11
// selection) or drop from elsewhere, passes through one handler. Typing is left as it is.
class PastingField : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

    // Gets the pasted text; returns the text to put in instead, or nothing when it has dealt
    // with the paste itself.
    using Handler = std::function<std::optional<QString>(const QString &pasted)>;
    void setPasteHandler(Handler handler) { pasteHandler = std::move(handler); }

    // Put in at the caret (in place of the selection), or in place of the whole text, as an
    // undo step of its own, as a paste is: typing just before or after it is undone apart.
    void insertAsStep(const QString &text);
    void replaceAsStep(const QString &text);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void pasteFrom(QClipboard::Mode mode);
    void closeUndoStep();
    std::optional<QString> handled(const QString &pasted) const;

    Handler pasteHandler;
};
