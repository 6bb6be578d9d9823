#pragma once

#include "DesignLayout.h"

#include <array>

// The viewer's design, in twips.
namespace frmViewLayout {

inline constexpr int clientWidth = 11670;
inline constexpr int clientHeight = 6585;
// The places at the design size; the text box and the buttons below it then follow the
// window's size through the margins below.
inline constexpr std::array<DesignPlace, 3> places{{
    {"txbText1", {105, 105, 11460, 5760}},
    {"cmdClose", {9825, 6000, 1740, 330}},
    {"cmdCopyToClipboard", {120, 6000, 3270, 330}},
}};
inline constexpr Twips::Rect txbText1 = DesignLayout::placeOf(places, "txbText1");
inline constexpr Twips::Rect cmdCopyToClipboard =
    DesignLayout::placeOf(places, "cmdCopyToClipboard");

inline constexpr int minimumWidth = 8000; // outer size, kept on every resize
inline constexpr int minimumHeight = 2000;
inline constexpr int textWidthMargin = 450; // text box width = outer width - margin
inline constexpr int textHeightMargin = 1200;
inline constexpr int buttonGap = 100;           // between the text box and the buttons below it
inline constexpr int copySelectionWidth = 4425; // the copy button while text is selected

inline constexpr double fontPoints = 9.75;

} // namespace frmViewLayout
