#include "weblink.h"

#include "Platform.h"

#include <QCoreApplication>

namespace weblink {

QString LaunchFailureTitle() {
    return QCoreApplication::translate("weblink", "Cannot launch web browser", "title");
}

QString GetFileExtension(const QString &path, bool lowerCase) {
    const QString name = path.mid(path.lastIndexOf(QLatin1Char('\\')) + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return {};
    const QString extension = name.mid(dot + 1);
    return lowerCase ? extension.toLower() : extension;
}

std::optional<QString> LaunchFailureMessage(int code, const QString &address, Caller caller) {
    if (code > HighestFailureCode)
        return std::nullopt;
    // A code of 0 or more is written with one leading blank, a negative one with its minus.
    //: The error number follows after a blank.
    QString message =
        QCoreApplication::translate("weblink", "Error launching web browser, error code =") +
        (code >= 0 ? QStringLiteral(" ") : QString()) + QString::number(code) + QLatin1Char('.');
    QString sentence;
    switch (code) {
    case 31: {
        constexpr bool lowerCase = true;
        const QString extension = GetFileExtension(address, lowerCase);
        sentence =
            caller == Caller::Notice
                ? QCoreApplication::translate(
                      "weblink",
                      "File extension '%1' is not associated with any application program.")
                      .arg(extension)
                : QCoreApplication::translate(
                      "weblink",
                      "The web page file type %1 is not associated with any browser program.")
                      .arg(extension);
        break;
    }
    case 8:
        sentence = QCoreApplication::translate("weblink", "Out of memory.");
        break;
    case 2:
        sentence = QCoreApplication::translate("weblink", "Please try once more.");
        break;
    default:
        return message;
    }
    return message + QStringLiteral("\r\n\r\n") + sentence;
}

void Launch(const QString &address, Caller caller, Platform &platform, QWidget *parent) {
    if (platform.web.pending())
        return;
    const int code = platform.web.open(address);
    if (const auto message = LaunchFailureMessage(code, address, caller))
        platform.messages.show(parent, *message, LaunchFailureTitle(), BoxIcon::Exclamation);
}

void OpenWebPage(const QString &url, Platform &platform, QWidget *parent) {
    Launch(url, Caller::Notice, platform, parent);
}

} // namespace weblink
