#pragma once

#include <QString>

// Maps the font names the windows ask for ("Arial", "Courier New", "MS Sans Serif", "Symbol",
// "Tahoma", "Lucida Sans") onto installed look-alikes. Run once before any window is built.
void installFontSubstitutes();

// The installed family that stands for `requested`: itself when installed, else its first
// installed substitute, else `requested` (the font matcher then finds something near).
QString installedFamily(const QString &requested);
