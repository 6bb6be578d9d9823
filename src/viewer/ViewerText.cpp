#include "ViewerText.h"

namespace ViewerText {

const QString &cutHeader() {
    static const QString header =
        QStringLiteral("NOTE: This file is too large to display entirely in this textbox.\r\n"
                       "To view the entire contents of the file load it into NotePad,\r\n"
                       "WordPad or some other text editor.\r\n\r\n");
    return header;
}

const QString &cutFooter() {
    static const QString footer =
        QStringLiteral("NOTE: Entire contents of file have not been displayed.\r\n");
    return footer;
}

qsizetype cutKeptLength() {
    return charactersToRead - cutHeader().size() - cutFooter().size();
}

QString forDisplay(const QString &content) {
    if (content.size() <= largestShownWhole)
        return content;
    return cutHeader() + content.left(cutKeptLength()) + QStringLiteral("\r\n\r\n") + cutFooter();
}

QString currentFolderMessage(const QString &currentPath) {
    return currentPath.isEmpty() ? QStringLiteral("The current folder no longer exists.")
                                 : currentPath;
}

QString readErrorMessage(int number, const QString &description) {
    const QString digits =
        number >= 0 ? QLatin1Char(' ') + QString::number(number) : QString::number(number);
    return QStringLiteral("Error") + digits + QStringLiteral(".  ") + description;
}

QString readErrorTitle() {
    return QStringLiteral("Error reading file");
}

QString emptyFileMessage(const QString &path) {
    return QStringLiteral("The file\n%1\nis empty, so there is no text to show.").arg(path);
}

QString emptyFileTitle() {
    return QStringLiteral("Empty file");
}

} // namespace ViewerText
