#pragma once

#include "Platform.h"
#include "frmViewLayout.h"

#include <QStringList>
#include <QWidget>
#include <utility>

class QPlainTextEdit;
class QPushButton;

// A read-only viewer of one text file. Its caller names the file, gives it a title and may
// hide the copy button; the file is read once per window, on the first activation.
class frmView : public QWidget {
    Q_OBJECT
public:
    explicit frmView(Platform &platform, QWidget *parent = nullptr);

    QString strFilename;
    // The text in the person's language, in UTF-8, tried in order before strFilename; a file
    // that is not there is passed over.
    QStringList translatedFilenames;
    bool blnCopyToClipboardInvisible = false;

    // What a screen reader calls the text box.
    void setTextName(const QString &name);

    bool fileDisplayed() const { return blnFileDisplayed; }
    // Closed with its close box: on its way to destruction, no longer to be shown.
    bool unloaded() const { return blnUnloaded; }

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void connectHandlers();
    void Form_Activate();
    void Form_Resize();
    void Form_Unload();
    void txbText1_MouseUp();
    void cmdCopyToClipboard_Click();
    void cmdClose_Click();

    void makeTextReadOnly();
    // The first file there is, and what reading it gave.
    std::pair<QString, FileReadResult> readText();
    void reportReadFailure(const QString &path, int errorNumber, const QString &description);
    void setCopyCaption(bool forSelection);
    void place(QWidget *control, const Twips::Rect &rect);
    int toPixels(int twips) const;

    Platform &platform;
    QPlainTextEdit *txbText1;
    QPushButton *cmdClose;
    QPushButton *cmdCopyToClipboard;
    bool blnFileDisplayed = false;
    bool blnUnloaded = false;
    bool loading = false;
    QSize laidOutFor; // the outer size the controls were last placed for
};
