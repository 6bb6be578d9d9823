#pragma once

#include "ProgramList.h"

#include <QDialog>
#include <vector>

class ClickLabel;
class QLabel;
class QPushButton;
class QScrollBar;
struct Platform;

// The catalogue of the maker's other programs. Built the first time it is shown, from the
// settings its opener assigned; its Close button only hides it, so a later showing finds it
// as it was left. Closing it from its title bar ends this instance.
class frmQSsoftware : public QDialog {
    Q_OBJECT
public:
    frmQSsoftware(QWidget *opener, Platform &platform);

    bool blnIntroFontBold = false;
    quint32 lngIntroForeColor = 0;
    quint32 lngTitleForeColor = 0;
    quint32 lngDescriptionForeColor = 0;

    void RequestWebPage(const QString &strURL);

    bool closedFromTitleBar() const { return titleBarClosed; }

    QLabel *lblIntro = nullptr;
    QWidget *PicBox = nullptr;
    QScrollBar *VScroll = nullptr;
    std::vector<ClickLabel *> lblTitle;
    std::vector<ClickLabel *> lblDescription;
    QPushButton *cmdClose = nullptr;

    qint16 TopIndex = 0;
    qint16 ProgramCount = 0;

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void connectHandlers();
    ClickLabel *newSlotLabel(ClickLabel *model);
    void takeKeyboardAndWheel();
    bool titleKeyEvent(int slot, QEvent *event);

    void Form_Load();
    void VScroll_Change();
    void lblTitle_Click(int Index);
    void lblDescription_Click(int Index);
    void cmdClose_Click();

    QWidget *opener;
    Platform &platform;
    double dpi;
    bool built = false;
    bool titleBarClosed = false;
    ProgramTable Programs;
};
