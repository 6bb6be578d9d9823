#include "OperationResult.h"

#include "NumberText.h"

OutputEdit editOutput(std::string_view earlier, const OperationResult &result) {
    OutputEdit edit;
    if (!result.outputToComma) {
        edit.appended = result.append;
        return edit;
    }
    for (std::size_t at = earlier.find('.'); at != std::string_view::npos;
         at = earlier.find('.', at + 1))
        edit.commas.push_back(at);
    edit.appended = NumberText::normaliseSeparator(result.append, true);
    return edit;
}

std::string applyToOutput(std::string_view output, const OperationResult &result) {
    const OutputEdit edit = editOutput(output, result);
    std::string text(output);
    for (const std::size_t at : edit.commas)
        text[at] = ',';
    return text + edit.appended;
}
