#pragma once

#include <QString>

// What the viewer shows and says, apart from any widget.
namespace ViewerText {

// Enough characters to tell whether a text must be cut, and all a cut display keeps.
constexpr qint64 charactersToRead = 65530;
constexpr qsizetype largestShownWhole = charactersToRead - 1;

// The text for the box: the content itself, or when it is too long a note, its first
// part, CR LF CR LF and a closing note, never more than 65534 characters.
QString forDisplay(const QString &content);

QString cutHeader();
QString cutFooter();
qsizetype cutKeptLength();

// The first message of a failed read names the current folder; a folder that has been
// deleted has no name, and an empty box would say nothing.
QString currentFolderMessage(const QString &currentPath);

// "Error 53.  File not found"
QString readErrorMessage(int number, const QString &description);
QString readErrorTitle();

QString emptyFileMessage(const QString &path);
QString emptyFileTitle();

} // namespace ViewerText
