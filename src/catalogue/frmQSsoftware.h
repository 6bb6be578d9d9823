#pragma once

#include "ProgramList.h"

#include <QDialog>
#include <vector>

class ClickLabel;
class QLabel;
class QPushButton;
class QScrollBar;
struct Platform;

// The four settings its opener gives the catalogue.
struct CatalogueSettings {
    bool blnIntroFontBold = false;
    quint32 lngIntroForeColor = 0;
    quint32 lngTitleForeColor = 0;
    quint32 lngDescriptionForeColor = 0;
};

// The catalogue of the maker's other programs, built whole from the settings its opener
// gives it, beside the opener; its Close button only hides it, so a later showing finds it as
// it was left. Closing it from its title bar ends this instance.
class frmQSsoftware : public QDialog {
    Q_OBJECT
public:
    frmQSsoftware(QWidget *opener, Platform &platform, const CatalogueSettings &settings);

    void RequestWebPage(const QString &strURL);

    bool closedFromTitleBar() const { return titleBarClosed; }

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void connectHandlers();
    ClickLabel *newSlotLabel(ClickLabel *model, const QString &name);
    void takeKeyboardAndWheel();
    bool titleKeyEvent(int slot, QEvent *event);

    void Form_Load();
    void VScroll_Change();
    void lblTitle_Click(int Index);
    void lblDescription_Click(int Index);
    void cmdClose_Click();

    const bool blnIntroFontBold;
    const quint32 lngIntroForeColor;
    const quint32 lngTitleForeColor;
    const quint32 lngDescriptionForeColor;
    QWidget *opener;
    Platform &platform;
    double dpi;
    bool titleBarClosed = false;

    QLabel *lblIntro = nullptr;
    QWidget *PicBox = nullptr;
    QScrollBar *VScroll = nullptr;
    std::vector<ClickLabel *> lblTitle;
    std::vector<ClickLabel *> lblDescription;
    QPushButton *cmdClose = nullptr;

    qint16 TopIndex = 0;
    qint16 ProgramCount = 0;
    ProgramTable Programs;
};
