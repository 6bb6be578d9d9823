#pragma once

#include <QString>

// A text file read in the ANSI code page (Windows-1252), at most maxBytes of it, so a huge
// file costs no more than a small one. Failures come as a number and a description:
// 53 "File not found", 76 "Path not found", 70 "Permission denied",
// 62 "Input past end of file" (empty file), 75 "Path/File access error" (not a plain file),
// 57 "Device I/O error" (the read failed).
struct FileReadResult {
    int errorNumber = 0; // 0 on success
    QString description;
    QString text;           // one character per byte read
    bool truncated = false; // the file holds more than maxBytes
};

class FileReader {
public:
    virtual ~FileReader() = default;
    virtual FileReadResult read(const QString &path, qint64 maxBytes) = 0;
};
