#pragma once

#include "Twips.h"

#include <array>
#include <span>
#include <string_view>

class QWidget;

// A control's place in a window's design, in twips. `name` is the control's objectName.
struct DesignPlace {
    std::string_view name;
    Twips::Rect rect;
};

// Every window lays out its controls from one table of DesignPlace, listed in the keyboard
// order (controls that take no focus hold a place in it too).
namespace DesignLayout {

// Puts each control of `window` the table names at its place, and lets those that take the
// keyboard focus follow each other in the Tab order as listed. A name that names no control
// is a fault of the table and stops the program.
void apply(QWidget &window, std::span<const DesignPlace> places, double logicalDpi);

// The place of the control named `name`; a name the table lacks does not compile.
template <std::size_t N>
consteval Twips::Rect placeOf(const std::array<DesignPlace, N> &places, std::string_view name) {
    for (const DesignPlace &place : places) {
        if (place.name == name)
            return place.rect;
    }
    throw "no such control in the table";
}

template <std::size_t N> constexpr bool eachOnce(const std::array<DesignPlace, N> &places) {
    for (std::size_t i = 0; i < N; ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            if (places[j].name == places[i].name)
                return false;
        }
    }
    return true;
}

} // namespace DesignLayout
