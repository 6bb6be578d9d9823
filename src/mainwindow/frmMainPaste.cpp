#include "PastedDigits.h"
#include "PastingField.h"
#include "TranslatedResult.h"
#include "frmMain.h"

#include <QLabel>

namespace {

// Replaced as an edit of its own, so that undo in the field brings its old text back.
void replaceUndoably(QLineEdit *field, const std::string &text) {
    const QString newText = QString::fromStdString(text);
    if (field->text() == newText)
        return;
    field->selectAll();
    field->insert(newText);
}

} // namespace

std::optional<QString> frmMain::fieldPasted(Paste::Into into, const QString &pasted) {
    const auto limit = [](const QLineEdit *field) {
        return static_cast<std::size_t>(field->maxLength());
    };
    const Paste::Outcome outcome =
        Paste::Decide(PastedDigits::ascii(pasted).toStdString(), into,
                      {limit(txbDegrees), limit(txbMinutes), limit(txbSeconds)});
    if (outcome.message) {
        Message message = Translated(*outcome.message);
        message.text = QString::fromStdString(message.text).arg(outcome.limit).toStdString();
        showMessage(message);
        return std::nullopt;
    }
    if (outcome.angle) {
        replaceUndoably(txbDegrees, outcome.angle->degrees);
        replaceUndoably(txbMinutes, outcome.angle->minutes);
        replaceUndoably(txbSeconds, outcome.angle->seconds);
        lblSign->setText(QString::fromStdString(outcome.angle->sign));
        return std::nullopt;
    }
    return QString::fromStdString(outcome.text.value_or(std::string{}));
}
