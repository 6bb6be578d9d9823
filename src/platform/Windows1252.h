#pragma once

#include <QByteArrayView>
#include <QString>

namespace Windows1252 {

// Every byte becomes one character, so counts of bytes and characters agree. The five bytes
// the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become their C1 controls.
QString decode(QByteArrayView bytes);

} // namespace Windows1252
