#pragma once

#include <QString>

// The help text's files: the English one is in the ANSI code page (Windows-1252), the
// translated ones in UTF-8, which also holds Cyrillic and Chinese.
enum class TextEncoding { Windows1252, Utf8 };

// A text file read, at most maxCharacters characters of it, so a huge file costs no more than
// a small one. Failures come as a number and a description:
// 53 "File not found", 76 "Path not found", 70 "Permission denied",
// 62 "Input past end of file" (empty file), 75 "Path/File access error" (not a plain file),
// 57 "Device I/O error" (the read failed).
struct FileReadResult {
    int errorNumber = 0; // 0 on success
    QString description;
    QString text;
    bool truncated = false; // the file holds more than maxCharacters
};

class FileReader {
public:
    virtual ~FileReader() = default;
    virtual FileReadResult read(const QString &path, qint64 maxCharacters,
                                TextEncoding encoding) = 0;
};
