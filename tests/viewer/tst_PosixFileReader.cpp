#include "PosixFileReader.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void writeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Bytes this process has read so far, from the kernel's own count. Reading the count is
// itself a read, so the caller learns how many bytes that took.
qint64 bytesReadByProcess(qint64 &costOfAsking) {
    const int fd = ::open("/proc/self/io", O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    char buffer[4096];
    const ssize_t n = ::read(fd, buffer, sizeof buffer - 1);
    ::close(fd);
    if (n <= 0)
        return -1;
    costOfAsking = n;
    buffer[n] = '\0';
    const char *rchar = std::strstr(buffer, "rchar: ");
    return rchar ? std::atoll(rchar + 7) : -1;
}

// Root reads any file, so a file it may not read needs another effective user.
class NotRoot {
public:
    NotRoot() : wasRoot(::geteuid() == 0) {
        if (wasRoot)
            dropped = ::seteuid(65534) == 0;
    }
    ~NotRoot() {
        if (wasRoot && dropped && ::seteuid(0) != 0)
            qFatal("cannot become root again");
    }
    NotRoot(const NotRoot &) = delete;
    NotRoot &operator=(const NotRoot &) = delete;
    bool possible() const { return !wasRoot || dropped; }

private:
    bool wasRoot;
    bool dropped = false;
};

} // namespace

class tst_PosixFileReader : public QObject {
    Q_OBJECT
private slots:
    void readsText_data();
    void readsText();
    void reportsFailure_data();
    void reportsFailure();
    void reportsUnreadableFile();
    void decodesHighBytesAsWindows1252();
    void takesOnlyTheBeginningOfAHugeFile();

private:
    QTemporaryDir dir;
};

void tst_PosixFileReader::readsText_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("maxBytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("truncated");
    QTest::newRow("lines kept with CR LF") << QByteArray("one\r\ntwo\r\n") << qint64(65530)
                                           << QStringLiteral("one\r\ntwo\r\n") << false;
    QTest::newRow("exactly the limit")
        << QByteArray("0123456789") << qint64(10) << QStringLiteral("0123456789") << false;
    QTest::newRow("beyond the limit")
        << QByteArray("0123456789A") << qint64(10) << QStringLiteral("0123456789") << true;
}

void tst_PosixFileReader::readsText() {
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, maxBytes);
    QFETCH(QString, text);
    QFETCH(bool, truncated);
    const QString path = dir.filePath(QStringLiteral("text.txt"));
    writeFile(path, bytes);
    const FileReadResult result = PosixFileReader().read(path, maxBytes);
    QCOMPARE(result.errorNumber, 0);
    QCOMPARE(result.text, text);
    QCOMPARE(result.truncated, truncated);
}

void tst_PosixFileReader::reportsFailure_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("errorNumber");
    QTest::addColumn<QString>("description");

    QVERIFY(dir.isValid());
    writeFile(dir.filePath(QStringLiteral("empty.txt")), {});
    writeFile(dir.filePath(QStringLiteral("plain.txt")), "x");
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.txt")));
    const QString pipe = dir.filePath(QStringLiteral("pipe.txt"));
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);

    QTest::newRow("missing file") << dir.filePath(QStringLiteral("absent.txt")) << 53
                                  << QStringLiteral("File not found");
    QTest::newRow("missing folder") << dir.filePath(QStringLiteral("nowhere/ang_help.txt")) << 76
                                    << QStringLiteral("Path not found");
    QTest::newRow("file in a folder's place")
        << dir.filePath(QStringLiteral("plain.txt/ang_help.txt")) << 76
        << QStringLiteral("Path not found");
    QTest::newRow("no name at all") << QString() << 53 << QStringLiteral("File not found");
    QTest::newRow("empty file") << dir.filePath(QStringLiteral("empty.txt")) << 62
                                << QStringLiteral("Input past end of file");
    QTest::newRow("folder in the file's place") << dir.filePath(QStringLiteral("folder.txt")) << 75
                                                << QStringLiteral("Path/File access error");
    QTest::newRow("named pipe does not hang")
        << pipe << 75 << QStringLiteral("Path/File access error");
    if (QFile::exists(QStringLiteral("/proc/self/mem")))
        QTest::newRow("read failure")
            << QStringLiteral("/proc/self/mem") << 57 << QStringLiteral("Device I/O error");
}

void tst_PosixFileReader::reportsFailure() {
    QFETCH(QString, path);
    QFETCH(int, errorNumber);
    QFETCH(QString, description);
    const FileReadResult result = PosixFileReader().read(path, 65530);
    QCOMPARE(result.errorNumber, errorNumber);
    QCOMPARE(result.description, description);
    QVERIFY(result.text.isEmpty());
}

void tst_PosixFileReader::reportsUnreadableFile() {
    QTemporaryDir open;
    QVERIFY(QFile::setPermissions(open.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                   QFile::ExeOwner | QFile::ReadOther |
                                                   QFile::ExeOther));
    const QString path = open.filePath(QStringLiteral("locked.txt"));
    writeFile(path, "secret");
    QVERIFY(QFile::setPermissions(path, {}));

    FileReadResult result;
    {
        const NotRoot notRoot;
        if (!notRoot.possible())
            QSKIP("running as root without leave to change the effective user, so no file is "
                  "unreadable");
        result = PosixFileReader().read(path, 65530);
    }
    QCOMPARE(result.errorNumber, 70);
    QCOMPARE(result.description, QStringLiteral("Permission denied"));
}

void tst_PosixFileReader::decodesHighBytesAsWindows1252() {
    QByteArray bytes;
    for (int b = 0x80; b <= 0xFF; ++b)
        bytes.append(static_cast<char>(b));
    const QString path = dir.filePath(QStringLiteral("high.txt"));
    writeFile(path, bytes);

    QString expected = QStringLiteral(
        u"\u20AC\u0081\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030\u0160\u2039\u0152\u008D"
        u"\u017D\u008F\u0090\u2018\u2019\u201C\u201D\u2022\u2013\u2014\u02DC\u2122\u0161\u203A"
        u"\u0153\u009D\u017E\u0178");
    for (char16_t c = 0xA0; c <= 0xFF; ++c)
        expected.append(QChar(c));

    const FileReadResult result = PosixFileReader().read(path, 65530);
    QCOMPARE(result.errorNumber, 0);
    QCOMPARE(result.text.size(), 128);
    QCOMPARE(result.text, expected);
}

void tst_PosixFileReader::takesOnlyTheBeginningOfAHugeFile() {
    const QString path = dir.filePath(QStringLiteral("huge.txt"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("start");
        if (!file.resize(qint64(3) << 30))
            QSKIP("this file system holds no sparse 3 GiB file");
    }
    qint64 costBefore = 0;
    qint64 costAfter = 0;
    const qint64 before = bytesReadByProcess(costBefore);
    if (before < 0)
        QSKIP("the kernel does not tell this process how much it reads");

    QElapsedTimer clock;
    clock.start();
    const FileReadResult result = PosixFileReader().read(path, 65530);
    const qint64 elapsed = clock.elapsed();
    const qint64 readByReader = bytesReadByProcess(costAfter) - before - costBefore;

    QCOMPARE(result.errorNumber, 0);
    QCOMPARE(result.text.size(), 65530);
    QVERIFY(result.text.startsWith(QStringLiteral("start")));
    QVERIFY(result.truncated);
    QVERIFY2(readByReader <= 65530, qPrintable(QString::number(readByReader)));
    qInfo("read %lld bytes of 3 GiB in %lld ms", readByReader, elapsed);
    QVERIFY(QFile::remove(path));
}

int runPosixFileReaderTests(int argc, char **argv) {
    tst_PosixFileReader test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_PosixFileReader.moc"
