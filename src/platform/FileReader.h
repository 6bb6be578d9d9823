#pragma once

#include <QString>

// The numbers of a failed read; the reader gives each with its description.
namespace FileError {

inline constexpr int FileNotFound = 53;     // "File not found"
inline constexpr int PathNotFound = 76;     // "Path not found"
inline constexpr int PermissionDenied = 70; // "Permission denied"
inline constexpr int PastEndOfFile = 62;    // "Input past end of file": the file is empty
inline constexpr int AccessError = 75;      // "Path/File access error": not a plain file
inline constexpr int DeviceIOError = 57;    // "Device I/O error": the read failed
inline constexpr int TooManyFiles = 67;     // "Too many files"

} // namespace FileError

// A text file read in the ANSI code page (Windows-1252), at most maxBytes of it, so a huge
// file costs no more than a small one. A failure comes as a FileError number and its
// description.
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
