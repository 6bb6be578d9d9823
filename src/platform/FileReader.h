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

// The help text's files: the English one is in the ANSI code page (Windows-1252), the
// translated ones in UTF-8, which also holds Cyrillic and Chinese.
enum class TextEncoding { Windows1252, Utf8 };

// A text file read, at most maxCharacters characters of it, so a huge file costs no more than
// a small one. A failure comes as a FileError number and its description.
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
