#pragma once

#include "CatalogueOpener.h"
#include "ClickLabel.h"
#include "HelpCommand.h"
#include "OperationResult.h"
#include "OutputOptions.h"
#include "Paste.h"
#include "Platform.h"

#include <QWidget>
#include <array>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class PastingField;
class PointWatch;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSessionManager;

// The calculator window: reads its controls, runs the angle operations and applies their
// results; the services of the system come in through `platform`.
class frmMain : public QWidget {
    Q_OBJECT
public:
    explicit frmMain(Platform &platform, QWidget *parent = nullptr);

    void Form_Load();

    // The options as an operation reads them at the moment it runs.
    OutputOptions currentOutputOptions() const;
    bool startUpCompleted() const { return blnStartUpCompleted; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void applyLayout();
    void connectHandlers();

    void ClearInput();
    void InitOptions();

    void cmdRad2Deg_Click();
    void cmdDeg2Rad_Click();
    void cmdPlusMinus_Click(int Index);
    void cmdChangeSign_Click();
    void cmdClear_Click(int Index);
    void cmdCopyToClipboard_Click();
    void cmdHelp_Click();
    void cmdQuit_Click();
    void cmdQSsoftware_Click();
    void lblCopyright_Click();
    void sessionEnding(QSessionManager &manager);
    void Form_Unload();

    void cboDecimalPlaces_Click();
    void chkRoundToMinutes_Click();
    void chkDecimal_Click();
    void decimalUnitsFollowChoice();

    void txbRadians_KeyUp(int KeyCode);
    void txbDegrees_KeyUp(int KeyCode);
    void txbMinutes_KeyUp(int KeyCode);
    void txbSeconds_KeyUp(int KeyCode);
    void watchFieldKeys();
    void fieldKeyUp(QLineEdit *field, int keyCode);

    std::optional<QString> fieldPasted(Paste::Into into, const QString &pasted);

    Fields readFields() const;
    void applyResult(const OperationResult &result);
    void showMessage(const Message &message);
    QLineEdit *fieldFor(Field field) const;
    void focusAtEnd(QLineEdit *field);

    Platform &platform;
    CatalogueOpener catalogue{this, platform};
    HelpCommand help{*this, platform};
    // Set once the quit sequence has begun, so that a second request to leave cannot start it
    // again inside its own catalogue window.
    bool quitting = false;

    bool blnStartUpCompleted = false;
    std::int16_t precision = 7;

    QLabel *Label1 = nullptr;
    PastingField *txbRadians = nullptr;
    std::array<QPushButton *, 3> cmdPlusMinus{};
    PastingField *txbToAdd = nullptr;
    QCheckBox *chkShowPlusMinus = nullptr;
    QLabel *Label5 = nullptr;
    QComboBox *cboDecimalPlaces = nullptr;
    QPushButton *cmdRad2Deg = nullptr;
    QCheckBox *chkRoundToMinutes = nullptr;
    QCheckBox *chkDecimal = nullptr;
    QRadioButton *optDecDegrees = nullptr;
    QRadioButton *optDecMinutes = nullptr;
    QPlainTextEdit *txbOutput = nullptr;
    PointWatch *outputPoints = nullptr; // where comma mode must look in txbOutput
    QLabel *lblSign = nullptr;
    QLabel *Label2 = nullptr;
    PastingField *txbDegrees = nullptr;
    QLabel *Label3 = nullptr;
    PastingField *txbMinutes = nullptr;
    QLabel *Label4 = nullptr;
    PastingField *txbSeconds = nullptr;
    QPushButton *cmdChangeSign = nullptr;
    QPushButton *cmdDeg2Rad = nullptr;
    QPushButton *cmdCopyToClipboard = nullptr;
    std::array<QPushButton *, 2> cmdClear{};
    QPushButton *cmdHelp = nullptr;
    QPushButton *cmdQuit = nullptr;
    ClickLabel *lblCopyright = nullptr;
    QPushButton *cmdQSsoftware = nullptr;
};
