#pragma once

#include <QByteArrayView>
#include <QString>

namespace Utf8Text {

struct Bounded {
    QString text;
    bool cut = false; // characters were left off
};

// At most maxCharacters characters of UTF-8 bytes, a leading byte order mark dropped. A cut
// never splits a character: neither a sequence that the byte bound broke off (`moreFollow`:
// the bytes are only the beginning of the file) nor a pair of UTF-16 halves. Bytes that are
// not UTF-8 become U+FFFD.
Bounded decode(QByteArrayView bytes, qsizetype maxCharacters, bool moreFollow);

} // namespace Utf8Text
