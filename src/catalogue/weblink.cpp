#include "weblink.h"

#include "Platform.h"

namespace weblink {

QString GetFileExtension(const QString &path, bool lowerCase) {
    const QString name = path.mid(path.lastIndexOf(QLatin1Char('\\')) + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return {};
    const QString extension = name.mid(dot + 1);
    return lowerCase ? extension.toLower() : extension;
}

std::optional<QString> launchFailureMessage(int code, const QString &address, Caller caller) {
    if (code > HighestFailureCode)
        return std::nullopt;
    // A code of 0 or more is written with one leading blank, a negative one with its minus.
    QString message = QStringLiteral("Error launching web browser, error code =") +
                      (code >= 0 ? QStringLiteral(" ") : QString()) + QString::number(code) +
                      QLatin1Char('.');
    QString sentence;
    switch (code) {
    case 31: {
        constexpr bool lowerCase = true;
        const QString extension = GetFileExtension(address, lowerCase);
        sentence = caller == Caller::Notice
                       ? QStringLiteral("File extension '") + extension +
                             QStringLiteral("' is not associated with any application program.")
                       : QStringLiteral("The web page file type ") + extension +
                             QStringLiteral(" is not associated with any browser program.");
        break;
    }
    case 8:
        sentence = QStringLiteral("Out of memory.");
        break;
    case 2:
        sentence = QStringLiteral("Please try once more.");
        break;
    default:
        return message;
    }
    return message + QStringLiteral("\r\n\r\n") + sentence;
}

void launch(const QString &address, Caller caller, Platform &platform, QWidget *parent) {
    if (platform.web.pending())
        return;
    const int code = platform.web.open(address);
    if (const auto message = launchFailureMessage(code, address, caller))
        platform.messages.show(parent, *message, LaunchFailureTitle, MessageIcon::Exclamation);
}

void OpenWebPage(const QString &url, Platform &platform, QWidget *parent) {
    launch(url, Caller::Notice, platform, parent);
}

} // namespace weblink
