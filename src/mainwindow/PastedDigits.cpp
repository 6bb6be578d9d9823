#include "PastedDigits.h"

namespace {

constexpr char16_t ArabicDecimalSeparator = 0x066B;

// Marks of written angles that compatibility normalisation would change: the masculine
// ordinal, given for the degree mark, would become "o" and the double prime two primes.
bool keptAsWritten(QChar ch) {
    return ch == QChar(0x00BA) || ch == QChar(0x2033);
}

} // namespace

namespace PastedDigits {

QString ascii(const QString &pasted) {
    QString normalised;
    normalised.reserve(pasted.size());
    qsizetype start = 0;
    for (qsizetype at = 0; at <= pasted.size(); ++at) {
        if (at < pasted.size() && !keptAsWritten(pasted[at]))
            continue;
        normalised += pasted.mid(start, at - start).normalized(QString::NormalizationForm_KC);
        if (at < pasted.size())
            normalised += pasted[at];
        start = at + 1;
    }
    QString result;
    result.reserve(normalised.size());
    for (qsizetype at = 0; at < normalised.size(); ++at) {
        const char32_t code = normalised[at].isHighSurrogate() && at + 1 < normalised.size()
                                  ? QChar::surrogateToUcs4(normalised[at], normalised[at + 1])
                                  : normalised[at].unicode();
        const bool pair = code > 0xFFFF;
        if (QChar::category(code) == QChar::Number_DecimalDigit)
            result += QChar(u'0' + QChar::digitValue(code));
        else if (code == ArabicDecimalSeparator)
            result += u'.';
        else
            result += normalised.mid(at, pair ? 2 : 1);
        at += pair ? 1 : 0;
    }
    return result;
}

} // namespace PastedDigits
