#pragma once

#include "DesignLayout.h"

#include <array>

// frmMain's design, in twips within the client area.
namespace frmMainLayout {

inline constexpr int clientWidth = 11955;
inline constexpr int clientHeight = 3585;

inline constexpr std::array<DesignPlace, 31> places{{
    {"Label1", {500, 195, 1095, 255}},
    {"txbRadians", {1400, 150, 1600, 360}},
    {"Label2", {495, 1320, 1095, 360}},
    {"txbDegrees", {1400, 1320, 900, 360}},
    {"Label3", {2400, 1365, 1095, 360}},
    {"txbMinutes", {3200, 1320, 550, 360}},
    {"Label4", {3850, 1365, 1050, 360}},
    {"txbSeconds", {4750, 1320, 550, 360}},
    {"cmdRad2Deg", {120, 600, 2340, 375}},
    {"cmdDeg2Rad", {120, 1900, 2340, 375}},
    {"txbOutput", {6720, 600, 5055, 2775}},
    {"cmdQuit", {5070, 2480, 1450, 375}},
    {"cmdClear(0)", {1785, 2480, 1450, 375}},
    {"cmdClear(1)", {120, 2480, 1450, 375}},
    {"lblSign", {120, 1320, 255, 255}},
    {"chkRoundToMinutes", {2520, 600, 1935, 375}},
    {"cmdQSsoftware", {3405, 3060, 3120, 315}},
    {"cmdCopyToClipboard", {2640, 1900, 3880, 375}},
    {"chkDecimal", {4560, 600, 2055, 375}},
    {"txbToAdd", {4920, 120, 1600, 360}},
    {"cmdPlusMinus(0)", {3210, 120, 400, 360}},
    {"cmdPlusMinus(1)", {3720, 120, 400, 360}},
    {"cmdPlusMinus(2)", {4270, 120, 480, 360}},
    {"cmdHelp", {3400, 2480, 1450, 375}},
    {"chkShowPlusMinus", {6720, 120, 1815, 375}},
    {"cboDecimalPlaces", {11145, 160, 615, 315}},
    {"Label5", {9375, 195, 1695, 375}},
    {"cmdChangeSign", {5430, 1340, 1095, 360}},
    {"optDecDegrees", {4560, 900, 1095, 375}},
    {"optDecMinutes", {5640, 900, 1095, 375}},
    {"lblCopyright", {120, 3100, 3135, 255}},
}};

static_assert(DesignLayout::eachOnce(places), "each control once");

} // namespace frmMainLayout
