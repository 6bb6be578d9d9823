#pragma once

#include "Twips.h"

// The viewer's design, in twips.
namespace frmViewLayout {

using Rect = Twips::Rect;

constexpr int clientWidth = 11670;
constexpr int clientHeight = 6585;
constexpr Rect txbText1{105, 105, 11460, 5760};
constexpr Rect cmdClose{9825, 6000, 1740, 330};
constexpr Rect cmdCopyToClipboard{120, 6000, 2220, 330};

constexpr int minimumWidth = 8000; // outer size, kept on every resize
constexpr int minimumHeight = 2000;
constexpr int textWidthMargin = 450; // text box width = outer width - margin
constexpr int textHeightMargin = 1200;
constexpr int buttonGap = 100; // between the text box and the buttons below it
constexpr int copyWidth = 3270;
constexpr int copySelectionWidth = 4425;

constexpr double fontPoints = 9.75;

} // namespace frmViewLayout
