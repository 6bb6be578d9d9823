#include "OperationResult.h"

#include "NumberText.h"

std::string ApplyToOutput(std::string_view output, const OperationResult &result) {
    std::string text(output);
    text += result.append;
    return result.outputToComma ? NumberText::NormaliseSeparator(text, true) : text;
}
