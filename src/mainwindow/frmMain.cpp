#include "frmMain.h"

#include "KeyRelease.h"
#include "Operations.h"
#include "OutputBox.h"
#include "PointWatch.h"
#include "ProgramList.h"
#include "QS_common.h"
#include "SignChange.h"
#include "SpecifySoftware.h"
#include "WindowPlacement.h"
#include "WindowsColour.h"
#include "weblink.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSessionManager>

namespace {

// The precision is the list position plus 5: one less than the number shown.
constexpr int PrecisionOfFirstEntry = 5;

// The key code as the KeyUp handlers read it: 13 for Enter and Return (keypad included).
constexpr int enterKeyCode = 13;

std::string utf8(const QString &text) {
    return text.toStdString();
}

void setIfChanged(QLineEdit *field, const std::string &text) {
    const QString newText = QString::fromStdString(text);
    if (field->text() != newText)
        field->setText(newText);
}

} // namespace

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

    watchFieldKeys();
    connect(lblCopyright, &ClickLabel::clicked, this, &frmMain::lblCopyright_Click);
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, &frmMain::sessionEnding);
}

void frmMain::Form_Load() {
    blnStartUpCompleted = false;
    InitOptions();
    cmdQSsoftware->hide();
    SpecifySoftware::SetMainCaption(*this, SpecifySoftware::SoftwareIdentity());
    move(WindowPlacement::startPosition(platform.screen.availableGeometry(), size(),
                                        platform.screen.logicalDpi()));

    QS_common::SetControlsBackColor(*this, WindowsColour::Teal);
    QS_common::SetControlsForeColor(*this, WindowsColour::White);
    QS_common::SetControlsFontSize(*this, 10);
    QS_common::setFontSize(*cmdChangeSign, 8);
    QS_common::setFontSize(*lblCopyright, 8);
    constexpr bool includeTextBoxes = false;
    constexpr bool includeButtons = true;
    QS_common::SetControlsFontName(*this, QStringLiteral("Arial"), includeTextBoxes,
                                   includeButtons);
    QS_common::setForeColor(*lblCopyright, WindowsColour::NoticeBlue);
    QS_common::setFontSize(*txbOutput, 8);
    QS_common::setFontSize(*cmdQSsoftware, 8);
    for (QPushButton *button : cmdPlusMinus) {
        QS_common::setFontName(*button, QStringLiteral("Courier New"));
        QS_common::setFontSize(*button, 12);
    }
    // The arrow is the Unicode character; "Symbol" maps to a font that has it.
    QS_common::setFontName(*cmdPlusMinus[2], QStringLiteral("Symbol"));
    cmdPlusMinus[2]->setText(QStringLiteral("\u2192"));

    show();
    cmdQSsoftware->show();
    txbRadians->setFocus();
    cboDecimalPlaces->setCurrentIndex(2);
    cboDecimalPlaces_Click();
    blnStartUpCompleted = true;
}

void frmMain::InitOptions() {
    ClearInput();
    chkRoundToMinutes->setChecked(false);
    optDecDegrees->setChecked(true);
    optDecDegrees->setEnabled(false);
    optDecMinutes->setEnabled(false);
    chkShowPlusMinus->setChecked(true);
    chkDecimal->setChecked(false);
    cboDecimalPlaces->clear();
    cboDecimalPlaces->addItems(
        {QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("8"), QStringLiteral("9")});
}

OutputOptions frmMain::currentOutputOptions() const {
    OutputOptions options;
    options.precision = precision;
    options.decimalOutput = chkDecimal->isChecked();
    options.decimalUnit = optDecMinutes->isChecked() ? DecimalUnit::Minutes : DecimalUnit::Degrees;
    options.roundToMinutes = chkRoundToMinutes->isChecked();
    options.showPlusMinus = chkShowPlusMinus->isChecked();
    return options;
}

void frmMain::cboDecimalPlaces_Click() {
    const int position = cboDecimalPlaces->currentIndex();
    if (position >= 0)
        precision = static_cast<std::int16_t>(position + PrecisionOfFirstEntry);
    if (blnStartUpCompleted)
        focusAtEnd(txbRadians);
}

void frmMain::chkRoundToMinutes_Click() {
    chkDecimal->setEnabled(!chkRoundToMinutes->isChecked());
    decimalUnitsFollowChoice();
}

void frmMain::chkDecimal_Click() {
    chkRoundToMinutes->setEnabled(!chkDecimal->isChecked());
    decimalUnitsFollowChoice();
}

// The units are offered only with decimal output; the focus goes back to the conversion.
void frmMain::decimalUnitsFollowChoice() {
    optDecDegrees->setEnabled(chkDecimal->isChecked());
    optDecMinutes->setEnabled(chkDecimal->isChecked());
    if (cmdRad2Deg->isVisible() && cmdRad2Deg->isEnabled())
        cmdRad2Deg->setFocus();
}

Fields frmMain::readFields() const {
    return {utf8(txbRadians->text()), utf8(txbToAdd->text()),   utf8(txbDegrees->text()),
            utf8(txbMinutes->text()), utf8(txbSeconds->text()), utf8(lblSign->text())};
}

QLineEdit *frmMain::fieldFor(Field field) const {
    switch (field) {
    case Field::Radians:
        return txbRadians;
    case Field::ToAdd:
        return txbToAdd;
    case Field::Degrees:
        return txbDegrees;
    case Field::Minutes:
        return txbMinutes;
    case Field::Seconds:
        return txbSeconds;
    case Field::None:
        break;
    }
    return nullptr;
}

void frmMain::focusAtEnd(QLineEdit *field) {
    field->setFocus();
    constexpr bool select = false;
    field->end(select);
}

void frmMain::applyResult(const OperationResult &result) {
    setIfChanged(txbRadians, result.fields.radians);
    setIfChanged(txbToAdd, result.fields.toAdd);
    setIfChanged(txbDegrees, result.fields.degrees);
    setIfChanged(txbMinutes, result.fields.minutes);
    setIfChanged(txbSeconds, result.fields.seconds);
    const QString sign = QString::fromStdString(result.fields.sign);
    if (lblSign->text() != sign)
        lblSign->setText(sign);

    OutputBox::apply(*txbOutput, *outputPoints, result);

    if (!result.message)
        return;
    const Message &message = *result.message;
    platform.messages.show(this, QString::fromStdString(message.text),
                           QString::fromStdString(message.title), message.icon);
    if (QLineEdit *field = fieldFor(message.focus))
        focusAtEnd(field);
}

void frmMain::cmdRad2Deg_Click() {
    applyResult(Operations::radiansToDegrees(readFields(), currentOutputOptions()));
}

void frmMain::cmdDeg2Rad_Click() {
    applyResult(Operations::degreesToRadians(readFields(), currentOutputOptions()));
}

void frmMain::cmdPlusMinus_Click(int Index) {
    applyResult(Operations::plusMinus(Index, readFields(), currentOutputOptions()));
}

void frmMain::cmdChangeSign_Click() {
    OperationResult result;
    result.fields = SignChange::changeSign(readFields());
    applyResult(result);
    if (cmdDeg2Rad->isVisible() && cmdDeg2Rad->isEnabled())
        cmdDeg2Rad->setFocus();
}

void frmMain::ClearInput() {
    for (QLineEdit *field : {txbRadians, txbToAdd, txbDegrees, txbMinutes, txbSeconds})
        field->clear();
    lblSign->clear();
}

void frmMain::cmdClear_Click(int Index) {
    if (Index == 0)
        OutputBox::clear(*txbOutput);
    else
        ClearInput();
}

void frmMain::cmdCopyToClipboard_Click() {
    platform.clipboard.clear();
    // An empty output leaves the clipboard without text, so a paste inserts nothing.
    const QString text = OutputBox::text(*txbOutput);
    if (!text.isEmpty())
        platform.clipboard.setText(text);
    focusAtEnd(txbRadians);
}

void frmMain::cmdHelp_Click() {
    help.run();
}

void frmMain::cmdQuit_Click() {
    if (quitting)
        return;
    quitting = true;
    hide();
    catalogue.showModal();
    // Any other window, the help viewer among them, goes with the process.
    platform.process.endProcess();
}

void frmMain::Form_Unload() {
    cmdQuit_Click();
}

// The close itself is refused: the quit sequence ends the process, and a window still in
// the middle of closing must not run the catalogue's modal loop.
void frmMain::closeEvent(QCloseEvent *event) {
    event->ignore();
    Form_Unload();
}

// The session may only show the catalogue when it lets this program talk to the user;
// otherwise, or when the quit sequence is already showing it, the program ends at once. The
// quit sequence ends the process itself.
void frmMain::sessionEnding(QSessionManager &manager) {
    if (manager.allowsInteraction() && !quitting)
        Form_Unload();
    else
        platform.process.endProcess();
}

void frmMain::cmdQSsoftware_Click() {
    hide();
    catalogue.showModal();
    show();
    activateWindow();
    cmdRad2Deg->setFocus();
    txbRadians->setCursorPosition(static_cast<int>(txbRadians->text().size()));
}

void frmMain::lblCopyright_Click() {
    weblink::OpenWebPage(SiteURL, platform, this);
}

// Enter in a field converts when it is let go, once however long it is held; the release is
// acted on after the events on their way, which tell a repeat of a held key from it.
void frmMain::watchFieldKeys() {
    for (QLineEdit *field : {txbRadians, txbDegrees, txbMinutes, txbSeconds})
        new KeyRelease(*field, KeyRelease::isEnter, KeyRelease::Timing::AfterPendingEvents,
                       [this, field] { fieldKeyUp(field, enterKeyCode); });
}

void frmMain::fieldKeyUp(QLineEdit *field, int keyCode) {
    if (field == txbRadians)
        txbRadians_KeyUp(keyCode);
    else if (field == txbDegrees)
        txbDegrees_KeyUp(keyCode);
    else if (field == txbMinutes)
        txbMinutes_KeyUp(keyCode);
    else if (field == txbSeconds)
        txbSeconds_KeyUp(keyCode);
}

void frmMain::txbRadians_KeyUp(int KeyCode) {
    if (KeyCode == enterKeyCode)
        cmdRad2Deg_Click();
}

void frmMain::txbDegrees_KeyUp(int KeyCode) {
    if (KeyCode == enterKeyCode)
        cmdDeg2Rad_Click();
}

void frmMain::txbMinutes_KeyUp(int KeyCode) {
    if (KeyCode == enterKeyCode)
        cmdDeg2Rad_Click();
}

void frmMain::txbSeconds_KeyUp(int KeyCode) {
    if (KeyCode == enterKeyCode)
        cmdDeg2Rad_Click();
}
