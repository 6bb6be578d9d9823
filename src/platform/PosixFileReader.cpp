#include "PosixFileReader.h"

#include "Utf8Text.h"
#include "Windows1252.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileReadResult failure(int number, const char *description) {
    FileReadResult result;
    result.errorNumber = number;
    result.description = QCoreApplication::translate("PosixFileReader", description);
    return result;
}

FileReadResult fileNotFound() {
    return failure(53, QT_TRANSLATE_NOOP("PosixFileReader", "File not found"));
}
FileReadResult pathNotFound() {
    return failure(76, QT_TRANSLATE_NOOP("PosixFileReader", "Path not found"));
}
FileReadResult permissionDenied() {
    return failure(70, QT_TRANSLATE_NOOP("PosixFileReader", "Permission denied"));
}
FileReadResult accessError() {
    return failure(75, QT_TRANSLATE_NOOP("PosixFileReader", "Path/File access error"));
}
FileReadResult pastEndOfFile() {
    return failure(62, QT_TRANSLATE_NOOP("PosixFileReader", "Input past end of file"));
}
FileReadResult ioError() {
    return failure(57, QT_TRANSLATE_NOOP("PosixFileReader", "Device I/O error"));
}

FileReadResult openFailure(int error, const QString &path) {
    switch (error) {
    case ENOENT:
        // A missing file in an existing folder differs from a missing folder.
        return QFileInfo(QFileInfo(path).absolutePath()).isDir() ? fileNotFound() : pathNotFound();
    case ENOTDIR:
    case ENAMETOOLONG:
        return pathNotFound();
    case EACCES:
    case EPERM:
        return permissionDenied();
    case EMFILE:
    case ENFILE:
        return failure(67, QT_TRANSLATE_NOOP("PosixFileReader", "Too many files"));
    default:
        return accessError();
    }
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd(fd) {}
    ~Descriptor() {
        if (fd >= 0)
            ::close(fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    const int fd;
};

} // namespace

FileReadResult PosixFileReader::read(const QString &path, qint64 maxCharacters,
                                     TextEncoding encoding) {
    if (path.isEmpty())
        return fileNotFound();
    // O_NONBLOCK: a named pipe in the file's place must not hang the program on open.
    const Descriptor file(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (file.fd < 0)
        return openFailure(errno, path);

    struct stat info {};
    if (::fstat(file.fd, &info) != 0)
        return ioError();
    if (!S_ISREG(info.st_mode))
        return accessError();

    const qint64 characters = maxCharacters < 0 ? 0 : maxCharacters;
    // One byte a character in Windows-1252; up to four in UTF-8, after a byte order mark.
    const qint64 wanted = encoding == TextEncoding::Utf8 ? characters * 4 + 3 : characters;
    QByteArray bytes(wanted, Qt::Uninitialized);
    qint64 got = 0;
    while (got < wanted) {
        const ssize_t n = ::read(file.fd, bytes.data() + got, static_cast<size_t>(wanted - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return ioError();
        if (n == 0)
            break;
        got += n;
    }
    if (got == 0 && wanted > 0)
        return pastEndOfFile();

    FileReadResult result;
    const QByteArrayView read(bytes.constData(), got);
    const bool moreFollow = info.st_size > got;
    if (encoding == TextEncoding::Utf8) {
        const Utf8Text::Bounded text = Utf8Text::decode(read, characters, moreFollow);
        result.text = text.text;
        result.truncated = text.cut;
    } else {
        result.text = Windows1252::decode(read);
        result.truncated = moreFollow;
    }
    return result;
}
