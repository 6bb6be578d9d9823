#pragma once

#include "DesignLayout.h"

#include <array>

// The catalogue window's design, in twips. The window is drawn without a frame of its own, so
// its outer width is the client width.
namespace CatalogueLayout {

inline constexpr int clientWidth = 9195;
inline constexpr int clientHeight = 6420;
// Offset of the window from the main window's top left corner.
inline constexpr int offsetLeft = 100;
inline constexpr int offsetTop = 400;

// The scroll bar and the first slot's title and description lie within PicBox. The titles in
// view follow Close in the keyboard order.
inline constexpr std::array<DesignPlace, 6> places{{
    {"lblIntro", {120, 120, 8875, 810}},
    {"PicBox", {120, 1200, 8875, 4455}},
    {"VScroll", {8620, 0, 255, 4455}},
    {"cmdClose", {4035, 5880, 1125, 360}},
    {"lblTitle(0)", {0, 0, 8520, 300}},
    {"lblDescription(0)", {0, 300, 8520, 1050}},
}};
inline constexpr Twips::Rect lblIntro = DesignLayout::placeOf(places, "lblIntro");
inline constexpr Twips::Rect PicBox = DesignLayout::placeOf(places, "PicBox");
inline constexpr Twips::Rect VScroll = DesignLayout::placeOf(places, "VScroll");
inline constexpr Twips::Rect cmdClose = DesignLayout::placeOf(places, "cmdClose");
inline constexpr Twips::Rect lblTitle = DesignLayout::placeOf(places, "lblTitle(0)");
inline constexpr Twips::Rect lblDescription = DesignLayout::placeOf(places, "lblDescription(0)");

// How the places hang together: 200 to spare on the right, the list below the introduction
// and as wide, the scroll bar down the list's right edge, 100 between the entries and the bar,
// each description right below its title, the button centred.
static_assert(lblIntro.left + lblIntro.width == clientWidth - 200);
static_assert(PicBox.left == lblIntro.left && PicBox.width == lblIntro.width);
static_assert(VScroll.left + VScroll.width == PicBox.width && VScroll.height == PicBox.height);
static_assert(lblTitle.width == VScroll.left - 100 && lblDescription.width == lblTitle.width);
static_assert(lblDescription.top == lblTitle.top + lblTitle.height);
static_assert(cmdClose.left == (clientWidth - cmdClose.width) / 2);

inline constexpr double fontPoints = 9.75;

// Slot i's title sits at i × the pitch; its description right below the title.
inline constexpr int slotPitch = lblDescription.height + lblTitle.height + 200;
constexpr int slotTitleTop(int slot) {
    return slot * slotPitch;
}
constexpr int slotDescriptionTop(int slot) {
    return slotTitleTop(slot) + lblDescription.top;
}

static_assert(slotPitch == 1550);

} // namespace CatalogueLayout
