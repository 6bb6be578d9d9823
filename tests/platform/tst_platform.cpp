#include "DataTable.h"
#include "ExitProcessEnder.h"
#include "PosixFileReader.h"
#include "StandInOpener.h"
#include "Utf8Text.h"
#include "Windows1252.h"
#include "XdgWebLauncher.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <optional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {

// What the code page makes of the bytes 0x80 to 0x9F; the undefined five stay C1 controls.
const QString High = QStringLiteral(
    u"\u20AC\u0081\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030\u0160\u2039\u0152\u008D"
    u"\u017D\u008F\u0090\u2018\u2019\u201C\u201D\u2022\u2013\u2014\u02DC\u2122\u0161\u203A"
    u"\u0153\u009D\u017E\u0178");

// The bytes 0x80 to 0xFF, then CR LF lines, `length` bytes in all.
QByteArray highBytesThenLines(int length) {
    QByteArray bytes = QByteArray("line\r\n").repeated(length / 6 + 1);
    for (int i = 0x80; i < 0x100; ++i)
        bytes[i - 0x80] = char(i);
    bytes.resize(length);
    return bytes;
}

// Bytes this process has read so far, as the kernel counts them, or -1. Asking is itself a
// read, counted from the next time on, so `cost` tells how many bytes it took.
qint64 bytesRead(qint64 &cost) {
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return -1;
    const QByteArray all = io.read(4095);
    cost = all.size();
    const qsizetype at = all.indexOf("rchar: ");
    return at < 0 ? -1 : all.mid(at + 7, all.indexOf('\n', at) - at - 7).toLongLong();
}

// Root reads any file, so a file it may not read needs another effective user.
struct NotRoot {
    const bool wasRoot = ::geteuid() == 0;
    const bool dropped = wasRoot && ::seteuid(65534) == 0;
    ~NotRoot() {
        if (dropped && ::seteuid(0) != 0)
            qFatal("cannot become root again");
    }
};

// Files of every kind the reader meets, made once for the whole table.
struct Files {
    QTemporaryDir dir;

    bool make() {
        const auto write = [this](const QString &name, const QByteArray &bytes) {
            QFile file(dir.filePath(name));
            return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
        };
        bool made = dir.isValid() &&
                    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                          QFile::ExeOwner | QFile::ExeOther);
        for (const int length : {65529, 65530, 65531})
            made = made && write(QString::number(length), highBytesThenLines(length));
        return made && write("empty.txt", {}) && write("plain.txt", "x") &&
               write("locked.txt", "secret") &&
               QFile::setPermissions(dir.filePath("locked.txt"), {}) &&
               QDir(dir.path()).mkdir(QStringLiteral("folder.txt")) &&
               ::mkfifo(QFile::encodeName(dir.filePath("pipe.txt")), 0600) == 0;
    }
    QString path(const QString &name) const { return QDir(dir.path()).filePath(name); }
};

} // namespace

class TestPlatform : public QObject {
    Q_OBJECT

    Files files;

private slots:
    // The file rows below decode every byte from 0x80 up; NUL is a character as well.
    void decodesNulAsACharacter() {
        QCOMPARE(Windows1252::decode(QByteArray("a\0b", 3)), QString::fromUtf16(u"a\0b", 3));
    }

    // A file made here, read with the viewer's bound of 65 530 bytes.
    void readsFileOrNamesTheFailure_data() {
        columns<QString, int, QString, QString, bool>("path", "errorNumber", "description", "text",
                                                      "truncated");
        QVERIFY(files.make());
        for (const int length : {65529, 65530, 65531}) {
            const QString text = High + QString::fromLatin1(highBytesThenLines(length).mid(32));
            QTest::addRow("%d bytes", length) << files.path(QString::number(length)) << 0
                                              << QString() << text.left(65530) << (length > 65530);
        }
        const auto fails = [&](const char *name, const QString &path, int number, QString why) {
            row(name, path, number, why, QString(), false);
        };
        fails("no name", "", 53, "File not found");
        fails("missing file", files.path("absent.txt"), 53, "File not found");
        fails("missing folder", files.path("nowhere/ang_help.txt"), 76, "Path not found");
        fails("file in a folder's place", files.path("plain.txt/a.txt"), 76, "Path not found");
        fails("unreadable file", files.path("locked.txt"), 70, "Permission denied");
        fails("folder in the file's place", files.path("folder.txt"), 75, "Path/File access error");
        fails("named pipe does not hang", files.path("pipe.txt"), 75, "Path/File access error");
        if (QFile::exists(QStringLiteral("/proc/self/mem")))
            fails("read failure", "/proc/self/mem", 57, "Device I/O error");
        fails("empty file", files.path("empty.txt"), 62, "Input past end of file");
    }
    void readsFileOrNamesTheFailure() {
        QFETCH(QString, path);
        std::optional<NotRoot> notRoot;
        if (path.endsWith(QStringLiteral("locked.txt")) && notRoot.emplace().wasRoot &&
            !notRoot->dropped)
            QSKIP("running as root without leave to change the effective user");
        const FileReadResult result =
            PosixFileReader().read(path, 65530, TextEncoding::Windows1252);
        QTEST(result.errorNumber, "errorNumber");
        QTEST(result.description, "description");
        QTEST(result.text, "text");
        QTEST(result.truncated, "truncated");
    }

    // The translated help texts: the bound counts characters, and a cut splits none.
    void readsUtf8Bounded_data() {
        columns<QByteArray, int, bool, QString, bool>("bytes", "bound", "moreFollow", "text",
                                                      "cut");
        row("whole text", QByteArray("Bogenma\xC3\x9F"), 10, false, u"Bogenmaß"_qs, false);
        row("byte order mark dropped",
            QByteArray("\xEF\xBB\xBF"
                       "ab"),
            10, false, "ab", false);
        row("cut at the bound", QByteArray("\xD0\xB0\xD0\xB1\xD0\xB2"), 2, false, u"аб"_qs, true);
        row("character broken off by the byte bound", QByteArray("a\xE4\xB8"), 10, true, "a", true);
        row("pair of halves kept whole", QByteArray("a\xF0\x9F\x98\x80"), 2, false, "a", true);
        row("bad bytes shown as such",
            QByteArray("a\xFF"
                       "b"),
            10, false, u"a\uFFFDb"_qs, false);
    }
    void readsUtf8Bounded() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, bound);
        QFETCH(bool, moreFollow);
        const Utf8Text::Bounded read = Utf8Text::decode(bytes, bound, moreFollow);
        QTEST(read.text, "text");
        QTEST(read.cut, "cut");
    }
    void readsUtf8FileByCharacters() {
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("ang_help.zh_CN.txt")));
        const QByteArray chinese = u"角"_qs.toUtf8().repeated(65531);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(chinese) == chinese.size());
        file.close();
        const FileReadResult read =
            PosixFileReader().read(file.fileName(), 65530, TextEncoding::Utf8);
        QCOMPARE(read.text, u"角"_qs.repeated(65530));
        QVERIFY(read.truncated);
    }

    void takesOnlyTheBeginningOfAHugeFile() {
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("huge.txt")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("start") == 5);
        if (!file.resize(qint64(3) << 30))
            QSKIP("this file system holds no sparse 3 GiB file");
        file.close();
        qint64 costBefore = 0, costAfter = 0;
        const qint64 before = bytesRead(costBefore);
        if (before < 0)
            QSKIP("the kernel does not tell this process how much it reads");
        const FileReadResult result =
            PosixFileReader().read(file.fileName(), 65530, TextEncoding::Windows1252);
        const qint64 readByReader = bytesRead(costAfter) - before - costBefore;
        QCOMPARE(result.text.size(), 65530);
        QVERIFY(result.text.startsWith(QStringLiteral("start")) && result.truncated);
        QVERIFY2(readByReader <= 65530, qPrintable(QString::number(readByReader)));
    }

    // The opener's exit status mapped onto the codes the messages know. An empty body: no
    // xdg-open at all.
    void launcher_data() {
        columns<QString, QString, int, bool>("body", "address", "code", "runs");
        const QString site = QStringLiteral("https://example/"), opens = "exit 0";
        const int ok = XdgWebLauncher::Succeeded;
        row("opened", opens, site, ok, true);
        row("syntax error", "exit 1", site, 11, true);
        row("file not found", "exit 2", site, 2, true);
        row("no tool for the type", "exit 3", site, 31, true);
        row("action failed", "exit 4", site, 29, true);
        row("no permission", "exit 5", site, 5, true);
        row("status it does not document", "exit 77", site, 29, true);
        row("killed by a signal", "kill -KILL $$", site, 29, true);
        row("xdg-open missing", "", site, 31, false);
        row("one argument, no shell", opens, "https://x/a b;$(true)'?ä", ok, true);
        row("empty refused", opens, "", 2, false);
        row("option refused", opens, "--help", 2, false);
        row("control character refused", opens, "https://x/\nrm", 2, false);
    }
    void launcher() {
        QFETCH(QString, body);
        QFETCH(QString, address);
        QFETCH(bool, runs);
        StandInOpener opener(body);
        QTEST(XdgWebLauncher().open(address), "code");
        QCOMPARE(opener.read("args"), runs ? address.toUtf8() + '\n' : QByteArray());
    }

    void launcherBoundedWait() {
        StandInOpener sleeper("echo $$ > \"$(dirname \"$0\")/pid\"\nexec /bin/sleep 60");
        bool repainted = false;
        QTimer::singleShot(50ms, [&] { repainted = true; });
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(XdgWebLauncher(500ms).open(QStringLiteral("https://example/")),
                 XdgWebLauncher::Succeeded);
        QVERIFY(clock.elapsed() < 2500);
        QVERIFY(repainted);
        const int pid = sleeper.read("pid").trimmed().toInt();
        QCOMPARE(::kill(pid, SIGTERM), 0); // left running on its own
        // Once it ends it is reaped, so not even a zombie is left.
        QTRY_VERIFY(!QFile::exists(QStringLiteral("/proc/%1").arg(pid)));
    }

    void processEnderFlushesAndExits() {
        QTemporaryFile out;
        QVERIFY(out.open());
        std::fflush(stdout); // the child must not write this process's pending output again
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            // Whatever fails here, the child never returns into the test.
            if (::dup2(out.handle(), STDOUT_FILENO) >= 0 && std::fputs("buffered", stdout) >= 0)
                ExitProcessEnder().endProcess();
            ::_exit(99);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
        QVERIFY(out.seek(0));
        QCOMPARE(out.readAll(), QByteArray("buffered"));
    }
};

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
