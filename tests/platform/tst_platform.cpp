#include "DataTable.h"
#include "PosixFileReader.h"
#include "StandInOpener.h"
#include "Utf8Text.h"
#include "Windows1252.h"
#include "XdgWebLauncher.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <optional>
#include <sys/stat.h>
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
        return made && write("empty.txt", {}) && write("plain.txt", QByteArray("a\0b", 3)) &&
               write("ang_help.zh_CN.txt", u"角"_qs.toUtf8().repeated(65531)) &&
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
    // A file made here, read with the viewer's bound of 65 530 characters.
    void readsFileOrNamesTheFailure_data() {
        columns<QString, int, QString, QString, bool>("path", "errorNumber", "description", "text",
                                                      "truncated");
        QVERIFY(files.make());
        for (const int length : {65529, 65530, 65531}) {
            const QString text = High + QString::fromLatin1(highBytesThenLines(length).mid(32));
            QTest::addRow("%d bytes", length) << files.path(QString::number(length)) << 0
                                              << QString() << text.left(65530) << (length > 65530);
        }
        row("NUL is a character", files.path("plain.txt"), 0, QString(),
            QString::fromUtf16(u"a\0b", 3), false);
        // A translated help text: the bound counts characters, not bytes.
        row("UTF-8 by characters", files.path("ang_help.zh_CN.txt"), 0, QString(),
            u"角"_qs.repeated(65530), true);
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
        const FileReadResult result = PosixFileReader().read(
            path, 65530,
            path.endsWith(".zh_CN.txt") ? TextEncoding::Utf8 : TextEncoding::Windows1252);
        QTEST(result.errorNumber, "errorNumber");
        QTEST(result.description, "description");
        QTEST(result.text, "text");
        QTEST(result.truncated, "truncated");
    }

    // The translated help texts: the bound counts characters, and a cut splits none.
    void readsUtf8Bounded_data() {
        columns<QByteArray, int, bool, QString, bool>("bytes", "bound", "moreFollow", "text",
                                                      "cut");
        row("byte order mark dropped", QByteArray("\357\273\277ab"), 10, false, "ab", false);
        row("cut at the bound", QByteArray("\320\260\320\261\320\262"), 2, false, u"аб"_qs, true);
        row("character broken off by the byte bound", QByteArray("a\344\270"), 10, true, "a", true);
        row("pair of halves kept whole", QByteArray("a\360\237\230\200"), 2, false, "a", true);
        row("bad bytes shown as such", QByteArray("a\377b"), 10, false, u"a\uFFFDb"_qs, false);
    }
    void readsUtf8Bounded() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, bound);
        QFETCH(bool, moreFollow);
        const Utf8Text::Bounded read = Utf8Text::decode(bytes, bound, moreFollow);
        QTEST(read.text, "text");
        QTEST(read.cut, "cut");
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

    // An opener that does not end is waited for no longer than the bound, then left running.
    void launcherBoundedWait() {
        StandInOpener sleeper("echo $$ > \"$(dirname \"$0\")/pid\"\nexec /bin/sleep 60");
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(XdgWebLauncher(500ms).open(QStringLiteral("https://example/")),
                 XdgWebLauncher::Succeeded);
        QVERIFY(clock.elapsed() < 2500);
        const int pid = sleeper.read("pid").trimmed().toInt();
        QCOMPARE(::kill(pid, SIGTERM), 0); // left running on its own
        // Once it ends it is reaped, so not even a zombie is left.
        QTRY_VERIFY(!QFile::exists(QStringLiteral("/proc/%1").arg(pid)));
    }
};

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
