#include "ViewerText.h"

#include <QCoreApplication>

namespace ViewerText {

namespace {

// The notes' lines end with CR LF, as the file's own lines do.
QString withCrLf(QString text) {
    return text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

} // namespace

QString cutHeader() {
    return withCrLf(QCoreApplication::translate(
        "ViewerText", "NOTE: This file is too large to display entirely in this textbox.\n"
                      "To view the entire contents of the file load it into NotePad,\n"
                      "WordPad or some other text editor.\n\n"));
}

QString cutFooter() {
    return withCrLf(QCoreApplication::translate(
        "ViewerText", "NOTE: Entire contents of file have not been displayed.\n"));
}

qsizetype cutKeptLength() {
    return charactersToRead - cutHeader().size() - cutFooter().size();
}

QString forDisplay(const QString &content) {
    if (content.size() <= largestShownWhole)
        return content;
    qsizetype kept = cutKeptLength();
    // A character of two UTF-16 halves is kept whole or not at all.
    if (kept > 0 && content.at(kept - 1).isHighSurrogate())
        --kept;
    return cutHeader() + content.left(kept) + QStringLiteral("\r\n\r\n") + cutFooter();
}

QString currentFolderMessage(const QString &currentPath) {
    return currentPath.isEmpty()
               ? QCoreApplication::translate("ViewerText", "The current folder no longer exists.")
               : currentPath;
}

QString readErrorMessage(int number, const QString &description) {
    const QString digits =
        number >= 0 ? QLatin1Char(' ') + QString::number(number) : QString::number(number);
    //: %1 is the error number with its blank (" 53"), %2 the description.
    return QCoreApplication::translate("ViewerText", "Error%1.  %2").arg(digits, description);
}

QString readErrorTitle() {
    return QCoreApplication::translate("ViewerText", "Error reading file", "title");
}

QString emptyFileMessage(const QString &path) {
    return QCoreApplication::translate("ViewerText",
                                       "The file\n%1\nis empty, so there is no text to show.")
        .arg(path);
}

QString emptyFileTitle() {
    return QCoreApplication::translate("ViewerText", "Empty file", "title");
}

} // namespace ViewerText
