#include "frmMain.h"

#include "Operations.h"
#include "OutputBox.h"
#include "PointWatch.h"
#include "ProgramList.h"
#include "QS_common.h"
#include "SignChange.h"
#include "SpecifySoftware.h"
#include "TranslatedResult.h"
#include "WindowPlacement.h"
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

constexpr quint32 Teal = 0x00808000;
constexpr quint32 White = 0x00FFFFFF;
constexpr quint32 NoticeBlue = 0x00D8AD6E;

// The precision is the list position plus 5: one less than the number shown.
constexpr int PrecisionOfFirstEntry = 5;

std::string utf8(const QString &text) {
    return text.toStdString();
}

void setIfChanged(QLineEdit *field, const std::string &text) {
    const QString newText = QString::fromStdString(text);
    if (field->text() != newText)
        field->setText(newText);
}

BoxIcon toBoxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return BoxIcon::Information;
    case MessageIcon::Exclamation:
        return BoxIcon::Exclamation;
    case MessageIcon::None:
        break;
    }
    return BoxIcon::None;
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

    for (QLineEdit *field : {txbRadians, txbDegrees, txbMinutes, txbSeconds})
        field->installEventFilter(this);
    connect(lblCopyright, &ClickLabel::clicked, this, &frmMain::lblCopyright_Click);
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, &frmMain::sessionEnding);
}

void frmMain::Form_Load() {
    blnStartUpCompleted = false;
    InitOptions();
    cmdQSsoftware->hide();
    SpecifySoftware::SetMainCaption(*this, SpecifySoftware::SoftwareIdentity());
    move(WindowPlacement::StartPosition(platform.screen.availableGeometry(), size(),
                                        platform.screen.logicalDpi()));

    QS_common::SetControlsBackColor(*this, Teal);
    QS_common::SetControlsForeColor(*this, White);
    QS_common::SetControlsFontSize(*this, 10);
    QS_common::SetFontSize(*cmdChangeSign, 8);
    QS_common::SetFontSize(*lblCopyright, 8);
    constexpr bool includeTextBoxes = false;
    constexpr bool includeButtons = true;
    QS_common::SetControlsFontName(*this, QStringLiteral("Arial"), includeTextBoxes,
                                   includeButtons);
    QS_common::SetForeColor(*lblCopyright, NoticeBlue);
    QS_common::SetFontSize(*txbOutput, 8);
    QS_common::SetFontSize(*cmdQSsoftware, 8);
    for (QPushButton *button : cmdPlusMinus) {
        QS_common::SetFontName(*button, QStringLiteral("Courier New"));
        QS_common::SetFontSize(*button, 12);
    }
    // The arrow is the Unicode character; "Symbol" maps to a font that has it.
    QS_common::SetFontName(*cmdPlusMinus[2], QStringLiteral("Symbol"));
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

void frmMain::applyResult(const OperationResult &coreResult) {
    const OperationResult result = Translated(coreResult);
    setIfChanged(txbRadians, result.fields.radians);
    setIfChanged(txbToAdd, result.fields.toAdd);
    setIfChanged(txbDegrees, result.fields.degrees);
    setIfChanged(txbMinutes, result.fields.minutes);
    setIfChanged(txbSeconds, result.fields.seconds);
    const QString sign = QString::fromStdString(result.fields.sign);
    if (lblSign->text() != sign)
        lblSign->setText(sign);

    // A comma-mode result also turns the points of earlier lines into commas, in place;
    // only the lines that may still hold one are read. Any other result only appends.
    if (result.outputToComma) {
        OutputBox::Apply(*txbOutput, outputPoints->from(), result);
        outputPoints->noneLeft();
    } else if (!result.append.empty()) {
        OutputBox::Apply(*txbOutput, std::nullopt, result);
    }

    if (!result.message)
        return;
    const Message &message = *result.message;
    platform.messages.show(this, QString::fromStdString(message.text),
                           QString::fromStdString(message.title), toBoxIcon(message.icon));
    if (QLineEdit *field = fieldFor(message.focus))
        focusAtEnd(field);
}

void frmMain::cmdRad2Deg_Click() {
    applyResult(Operations::RadiansToDegrees(readFields(), currentOutputOptions()));
}

void frmMain::cmdDeg2Rad_Click() {
    applyResult(Operations::DegreesToRadians(readFields(), currentOutputOptions()));
}

void frmMain::cmdPlusMinus_Click(int Index) {
    applyResult(Operations::PlusMinus(Index, readFields(), currentOutputOptions()));
}

void frmMain::cmdChangeSign_Click() {
    OperationResult result;
    result.fields = SignChange::ChangeSign(readFields());
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
        OutputBox::Clear(*txbOutput);
    else
        ClearInput();
}

void frmMain::cmdCopyToClipboard_Click() {
    platform.clipboard.clear();
    // An empty output leaves the clipboard without text, so a paste inserts nothing.
    const QString text = OutputBox::Text(*txbOutput);
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
