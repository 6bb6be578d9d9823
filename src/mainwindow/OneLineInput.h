#pragma once

#include <QValidator>

// Keeps a one-line field to one line: of a text put in at once (a paste, a drop) only the
// part before its first line break is kept, and other control characters are dropped.
// Typing never brings such characters, so it is left as it is.
class OneLineInput : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;

    // `pos` is the caret, which stands right after the text just put in.
    State validate(QString &input, int &pos) const override;
};
