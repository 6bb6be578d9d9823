#pragma once

#include <QString>

// Digits and separators of other scripts in a pasted text ("１．５", "١٫٥") brought to ASCII
// digits, "." and ",", so that they read as the numbers they show. Typing never goes through
// it.
namespace PastedDigits {
QString ascii(const QString &pasted);
}
