#include "CatalogueScroll.h"

#include <algorithm>

namespace CatalogueScroll {

int maximum(int programCount) {
    return programCount - VisibleSlots;
}

Step vScrollStep(const ProgramTable &Programs, int programCount, int value) {
    Step step;
    step.topIndex = value;
    if (value > maximum(programCount)) {
        step.clampTo = maximum(programCount);
        return step;
    }
    for (int j = 0; j < RewrittenSlots; ++j) {
        const int k = value + j;
        if (k >= 0 && k < programCount) {
            const ProgramEntry &entry = Programs[static_cast<std::size_t>(k)];
            step.captions[static_cast<std::size_t>(j)] = {entry.Title, descriptionCaption(entry)};
        }
    }
    return step;
}

std::optional<int> clickedEntry(int topIndex, int index, int programCount) {
    const int entry = topIndex + index;
    if (index < 0 || index >= VisibleSlots || entry < 0 || entry >= programCount)
        return std::nullopt;
    return entry;
}

TitleMove moveFromTitle(int topIndex, int slot, int step, int programCount) {
    const int last = std::max(programCount - 1, 0);
    const int target = std::clamp(topIndex + slot + step, 0, last);
    int top = std::abs(step) >= VisibleSlots ? topIndex + step : topIndex;
    top = std::clamp(top, target - (VisibleSlots - 1), target);
    top = std::clamp(top, 0, std::max(maximum(programCount), 0));
    return {top, target - top};
}

} // namespace CatalogueScroll
