#include "OperationResult.h"

#include "NumberText.h"

std::vector<std::size_t> CommasInPlace(std::string_view earlier, const OperationResult &result) {
    std::vector<std::size_t> offsets;
    if (!result.outputToComma)
        return offsets;
    for (std::size_t at = earlier.find('.'); at != std::string_view::npos;
         at = earlier.find('.', at + 1))
        offsets.push_back(at);
    return offsets;
}

std::string AppendedText(const OperationResult &result) {
    return result.outputToComma ? NumberText::NormaliseSeparator(result.append, true)
                                : result.append;
}

std::string ApplyToOutput(std::string_view output, const OperationResult &result) {
    std::string text(output);
    for (const std::size_t at : CommasInPlace(output, result))
        text[at] = ',';
    return text + AppendedText(result);
}
