#include "Operations.h"
#include "OutputBox.h"
#include "PointWatch.h"
#include "SignChange.h"
#include "frmMain.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

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
    field->end(false);
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
