#include "frmMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

frmMain::frmMain(Platform &platform, QWidget *parent) : QWidget(parent), platform(platform) {
    createControls();
    applyLayout();
    connectHandlers();
}

void frmMain::connectHandlers() {
    connect(cmdRad2Deg, &QPushButton::clicked, this, &frmMain::cmdRad2Deg_Click);
    connect(cmdDeg2Rad, &QPushButton::clicked, this, &frmMain::cmdDeg2Rad_Click);
    for (int index = 0; index < static_cast<int>(cmdPlusMinus.size()); ++index)
        connect(cmdPlusMinus[index], &QPushButton::clicked, this,
                [this, index] { cmdPlusMinus_Click(index); });
    for (int index = 0; index < static_cast<int>(cmdClear.size()); ++index)
        connect(cmdClear[index], &QPushButton::clicked, this,
                [this, index] { cmdClear_Click(index); });
    connect(cmdChangeSign, &QPushButton::clicked, this, &frmMain::cmdChangeSign_Click);
    connect(cmdCopyToClipboard, &QPushButton::clicked, this, &frmMain::cmdCopyToClipboard_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &frmMain::cmdHelp_Click);
    connect(cmdQuit, &QPushButton::clicked, this, &frmMain::cmdQuit_Click);
    connect(cmdQSsoftware, &QPushButton::clicked, this, &frmMain::cmdQSsoftware_Click);

    // Only a choice from the list changes the precision; see createControls for the text.
    connect(cboDecimalPlaces, &QComboBox::activated, this, &frmMain::cboDecimalPlaces_Click);
    // toggled, not clicked: a value change made by the program runs the handler too.
    connect(chkRoundToMinutes, &QCheckBox::toggled, this, &frmMain::chkRoundToMinutes_Click);
    connect(chkDecimal, &QCheckBox::toggled, this, &frmMain::chkDecimal_Click);

    for (QLineEdit *field : {txbRadians, txbDegrees, txbMinutes, txbSeconds})
        field->installEventFilter(this);
    connect(lblCopyright, &ClickLabel::clicked, this, &frmMain::lblCopyright_Click);
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, &frmMain::sessionEnding);
}
