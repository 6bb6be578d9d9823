#pragma once

#include "ProgramList.h"

#include <QString>
#include <array>
#include <optional>

// What the scroll bar and the captions of the catalogue do, apart from any widget.
namespace CatalogueScroll {

// Slots 0 to 3 are rewritten by a scroll; only 0 to 2 lie inside the box.
inline constexpr int RewrittenSlots = 4;
inline constexpr int VisibleSlots = 3;

struct SlotCaptions {
    QString title;
    QString description;
};

struct Step {
    // Set when the value lies past the last full page: the bar is put back there and the
    // change that follows redraws the captions.
    std::optional<int> clampTo;
    int topIndex = 0;
    std::array<SlotCaptions, RewrittenSlots> captions;
};

int maximum(int programCount);

Step vScrollStep(const ProgramTable &Programs, int programCount, int value);

// The entry shown in a clicked slot; nothing for a slot out of view or past the list, so
// an unseen label never requests an empty address.
std::optional<int> clickedEntry(int topIndex, int index, int programCount);

} // namespace CatalogueScroll
