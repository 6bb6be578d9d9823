#include "Utf8Text.h"

#include <QStringDecoder>

namespace Utf8Text {

Bounded decode(QByteArrayView bytes, qsizetype maxCharacters, bool moreFollow) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    Bounded result;
    if (moreFollow) {
        // The decoder holds back a sequence that the bound broke off.
        QStringDecoder decoder(QStringDecoder::Utf8);
        result.text = decoder.decode(bytes);
        result.cut = true;
    } else {
        result.text = QString::fromUtf8(bytes);
    }
    const qsizetype limit = qMax<qsizetype>(0, maxCharacters);
    if (result.text.size() > limit) {
        qsizetype kept = limit;
        if (kept > 0 && result.text.at(kept - 1).isHighSurrogate())
            --kept;
        result.text.truncate(kept);
        result.cut = true;
    }
    return result;
}

} // namespace Utf8Text
