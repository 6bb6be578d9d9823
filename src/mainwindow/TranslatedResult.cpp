#include "TranslatedResult.h"

#include "CoreText.h"
#include "StrProc.h"

#include <QCoreApplication>

std::string translated(const char *context, const std::string &text) {
    return QCoreApplication::translate(context, text.c_str()).toStdString();
}

Message translated(Message message) {
    message.text = translated("Operations", message.text);
    message.title = translated("Operations", message.title);
    return message;
}

OperationResult translated(OperationResult result) {
    if (result.message)
        result.message = translated(std::move(*result.message));
    // A result line holds no letters but its words.
    for (const std::string_view word : ResultWords::All) {
        const std::string translation = translated("ResultLine", std::string(word));
        if (translation != word)
            result.append = StrProc::replaceAll(result.append, word, translation);
    }
    return result;
}
