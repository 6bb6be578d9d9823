#pragma once

// Maps the font names the windows ask for ("Arial", "Courier New", "MS Sans Serif", "Symbol",
// "Tahoma", "Lucida Sans") onto installed look-alikes. Run once before any window is built.
void InstallFontSubstitutes();
