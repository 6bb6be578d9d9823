#include "TranslatedResult.h"

#include "CoreText.h"
#include "StrProc.h"

#include <QCoreApplication>

namespace {

std::string translated(const char *context, const std::string &text) {
    return QCoreApplication::translate(context, text.c_str()).toStdString();
}

} // namespace

OperationResult Translated(OperationResult result) {
    if (result.message) {
        result.message->text = translated("Operations", result.message->text);
        result.message->title = translated("Operations", result.message->title);
    }
    // A result line holds no letters but its words.
    for (const std::string_view word : ResultWords::All) {
        const std::string translation = translated("ResultLine", std::string(word));
        if (translation != word)
            result.append = StrProc::ReplaceAll(result.append, word, translation);
    }
    return result;
}
