#pragma once

#include "Twips.h"

#include <array>
#include <string_view>

// frmMain's design, in twips within the client area.
namespace frmMainLayout {

// A control's place and its place in the keyboard order (labels hold places but take no
// focus). `name` is the control's objectName.
struct Place {
    std::string_view name;
    Twips::Rect rect;
    int tabIndex;
};

inline constexpr int clientWidth = 11955;
inline constexpr int clientHeight = 3585;

// In keyboard order.
inline constexpr std::array<Place, 31> places{{
    {"Label1", {500, 195, 1095, 255}, 0},
    {"txbRadians", {1400, 150, 1600, 360}, 1},
    {"Label2", {495, 1320, 1095, 360}, 2},
    {"txbDegrees", {1400, 1320, 900, 360}, 3},
    {"Label3", {2400, 1365, 1095, 360}, 4},
    {"txbMinutes", {3200, 1320, 550, 360}, 5},
    {"Label4", {3850, 1365, 1050, 360}, 6},
    {"txbSeconds", {4750, 1320, 550, 360}, 7},
    {"cmdRad2Deg", {120, 600, 2340, 375}, 8},
    {"cmdDeg2Rad", {120, 1900, 2340, 375}, 9},
    {"txbOutput", {6720, 600, 5055, 2775}, 10},
    {"cmdQuit", {5070, 2480, 1450, 375}, 11},
    {"cmdClear(0)", {1785, 2480, 1450, 375}, 12},
    {"cmdClear(1)", {120, 2480, 1450, 375}, 13},
    {"lblSign", {120, 1320, 255, 255}, 14},
    {"chkRoundToMinutes", {2520, 600, 1935, 375}, 15},
    {"cmdQSsoftware", {3405, 3060, 3120, 315}, 16},
    {"cmdCopyToClipboard", {2640, 1900, 3880, 375}, 17},
    {"chkDecimal", {4560, 600, 2055, 375}, 18},
    {"txbToAdd", {4920, 120, 1600, 360}, 19},
    {"cmdPlusMinus(0)", {3210, 120, 400, 360}, 20},
    {"cmdPlusMinus(1)", {3720, 120, 400, 360}, 21},
    {"cmdPlusMinus(2)", {4270, 120, 480, 360}, 22},
    {"cmdHelp", {3400, 2480, 1450, 375}, 23},
    {"chkShowPlusMinus", {6720, 120, 1815, 375}, 24},
    {"cboDecimalPlaces", {11145, 160, 615, 315}, 25},
    {"Label5", {9375, 195, 1695, 375}, 26},
    {"cmdChangeSign", {5430, 1340, 1095, 360}, 27},
    {"optDecDegrees", {4560, 900, 1095, 375}, 28},
    {"optDecMinutes", {5640, 900, 1095, 375}, 29},
    {"lblCopyright", {120, 3100, 3135, 255}, 30},
}};

constexpr bool inKeyboardOrder() {
    for (std::size_t i = 0; i < places.size(); ++i) {
        if (places[i].tabIndex != static_cast<int>(i))
            return false;
        for (std::size_t j = 0; j < i; ++j) {
            if (places[j].name == places[i].name)
                return false;
        }
    }
    return true;
}
static_assert(inKeyboardOrder(), "each control once, listed in the keyboard order");

} // namespace frmMainLayout
