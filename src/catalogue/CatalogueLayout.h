#pragma once

#include "Twips.h"

// The catalogue window's design values in twips.
namespace CatalogueLayout {

using TwipsRect = Twips::Rect;

inline constexpr int ClientWidth = 9195;
inline constexpr int ClientHeight = 6420;
// Offset of the window from the main window's top left corner.
inline constexpr int OffsetLeft = 100;
inline constexpr int OffsetTop = 400;

inline constexpr TwipsRect lblIntro{120, 120, 9000, 810};
inline constexpr TwipsRect PicBox{120, 1200, 8775, 4455};
inline constexpr TwipsRect VScroll{8400, 0, 255, 4095};
inline constexpr TwipsRect lblTitle{0, 0, 5835, 300};
inline constexpr TwipsRect lblDescription{0, 360, 7005, 1050};
inline constexpr TwipsRect cmdClose{2280, 5880, 1125, 360};

inline constexpr double FontPoints = 9.75;

// The window is drawn without a frame of its own, so its outer width is the client width.
struct Geometry {
    TwipsRect intro;
    TwipsRect picBox;
    TwipsRect vScroll;
    TwipsRect title0;
    TwipsRect description0;
    TwipsRect close;
    int slotPitch;
};

constexpr Geometry geometry() {
    Geometry g{lblIntro, PicBox, VScroll, lblTitle, lblDescription, cmdClose, 0};
    g.intro.width = ClientWidth - 200 - g.intro.left;
    g.picBox.left = g.intro.left;
    g.picBox.width = g.intro.width;
    g.title0.width = g.picBox.width - g.vScroll.width - 100;
    g.description0.width = g.title0.width;
    g.close.left = (ClientWidth - g.close.width) / 2;
    g.vScroll.left = g.picBox.width - g.vScroll.width;
    g.vScroll.height = g.picBox.height;
    g.slotPitch = g.description0.height + g.title0.height + 200;
    return g;
}

// Slot i's title sits at i × the pitch; its description right below the title.
constexpr int slotTitleTop(int slot) {
    return slot * geometry().slotPitch;
}
constexpr int slotDescriptionTop(int slot) {
    return slotTitleTop(slot) + geometry().title0.height;
}

static_assert(geometry().slotPitch == 1550);

} // namespace CatalogueLayout
