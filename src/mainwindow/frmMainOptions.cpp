#include "frmMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

// The precision is the list position plus 5: one less than the number shown.
constexpr int PrecisionOfFirstEntry = 5;

} // namespace

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
    optDecDegrees->setEnabled(chkDecimal->isChecked());
    optDecMinutes->setEnabled(chkDecimal->isChecked());
    if (cmdRad2Deg->isVisible() && cmdRad2Deg->isEnabled())
        cmdRad2Deg->setFocus();
}

void frmMain::chkDecimal_Click() {
    chkRoundToMinutes->setEnabled(!chkDecimal->isChecked());
    optDecDegrees->setEnabled(chkDecimal->isChecked());
    optDecMinutes->setEnabled(chkDecimal->isChecked());
    if (cmdRad2Deg->isVisible() && cmdRad2Deg->isEnabled())
        cmdRad2Deg->setFocus();
}
