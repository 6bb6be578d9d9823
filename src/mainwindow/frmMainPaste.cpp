#include "PastedDigits.h"
#include "PastingField.h"
#include "TranslatedResult.h"
#include "frmMain.h"

#include <QLabel>

std::optional<QString> frmMain::fieldPasted(Paste::Into into, const QString &pasted) {
    const auto limit = [](const QLineEdit *field) {
        return static_cast<std::size_t>(field->maxLength());
    };
    const Paste::Outcome outcome =
        Paste::decide(PastedDigits::ascii(pasted).toStdString(), into,
                      {limit(txbDegrees), limit(txbMinutes), limit(txbSeconds)});
    if (outcome.message) {
        Message message = translated(*outcome.message);
        message.text = QString::fromStdString(message.text).arg(outcome.limit).toStdString();
        showMessage(message);
        return std::nullopt;
    }
    if (outcome.angle) {
        const auto replace = [](PastingField *field, const std::string &text) {
            const QString newText = QString::fromStdString(text);
            if (field->text() != newText)
                field->replaceAsStep(newText);
        };
        replace(txbDegrees, outcome.angle->degrees);
        replace(txbMinutes, outcome.angle->minutes);
        replace(txbSeconds, outcome.angle->seconds);
        lblSign->setText(QString::fromStdString(outcome.angle->sign));
        return std::nullopt;
    }
    return QString::fromStdString(outcome.text.value_or(std::string{}));
}
