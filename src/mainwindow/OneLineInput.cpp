#include "OneLineInput.h"

namespace {

bool isLineBreak(QChar ch) {
    return ch == u'\n' || ch == u'\r' || ch == u'\v' || ch == u'\f' || ch == QChar(0x85) ||
           ch == QChar::LineSeparator || ch == QChar::ParagraphSeparator;
}

} // namespace

QValidator::State OneLineInput::validate(QString &input, int &pos) const {
    qsizetype at = 0;
    while (at < input.size() && !isLineBreak(input[at]))
        ++at;
    // The field held no break before, so a break before the caret lies in the text just put
    // in: the rest of that text goes, what stood after it in the field stays.
    if (at < pos) {
        input.remove(at, pos - at);
        pos = static_cast<int>(at);
    }
    for (qsizetype i = input.size() - 1; i >= 0; --i) {
        if (input[i].category() == QChar::Other_Control || isLineBreak(input[i])) {
            input.remove(i, 1);
            if (i < pos)
                --pos;
        }
    }
    return Acceptable;
}
