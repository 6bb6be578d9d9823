#include "CatalogueScroll.h"

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

} // namespace CatalogueScroll
