#include "ExitProcessEnder.h"
#include "TestCatalogue.h"
#include "XdgWebLauncher.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {

// A folder holding a stand-in `xdg-open`, put first on PATH while it lives; the script
// writes its arguments, one a line, to `args` beside it.
class StandInOpener {
public:
    explicit StandInOpener(const QString &body, bool install = true) : savedPath(qgetenv("PATH")) {
        if (install) {
            QFile script(dir.filePath("xdg-open"));
            script.open(QIODevice::WriteOnly);
            script.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"" + dir.filePath("args").toUtf8() +
                         "\"\n" + body.toUtf8() + "\n");
            script.close();
            script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        // Without the stand-in the folder is the whole PATH, so no opener can be found.
        qputenv("PATH", install ? dir.path().toUtf8() + ":/usr/bin:/bin" : dir.path().toUtf8());
    }
    ~StandInOpener() { qputenv("PATH", savedPath); }

    QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }
    bool launched() const { return QFile::exists(path("args")); }
    QByteArray arguments() const {
        QFile file(path("args"));
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }

private:
    QTemporaryDir dir;
    QByteArray savedPath;
};

// This process's children, as pid and state letter from /proc.
QList<QPair<int, char>> childProcesses() {
    QList<QPair<int, char>> found;
    const QStringList entries = QDir("/proc").entryList(QDir::Dirs);
    for (const QString &entry : entries) {
        bool isPid = false;
        const int pid = entry.toInt(&isPid);
        if (!isPid)
            continue;
        QFile stat("/proc/" + entry + "/stat");
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1 && fields[1].toInt() == getpid())
            found.append({pid, fields[0].at(0)});
    }
    return found;
}

int readPid(const QString &file) {
    QFile pidFile(file);
    return pidFile.open(QIODevice::ReadOnly) ? pidFile.readAll().trimmed().toInt() : 0;
}

} // namespace

void TestCatalogue::launcherExitStatus_data() {
    QTest::addColumn<QString>("body");
    QTest::addColumn<int>("code");
    QTest::newRow("opened") << "exit 0" << XdgWebLauncher::Succeeded;
    QTest::newRow("syntax error") << "exit 1" << 11;
    QTest::newRow("file not found") << "exit 2" << 2;
    QTest::newRow("no tool for the type") << "exit 3" << 31;
    QTest::newRow("action failed") << "exit 4" << 29;
    QTest::newRow("no permission") << "exit 5" << 5;
    QTest::newRow("status it does not document") << "exit 77" << 29;
    QTest::newRow("killed by a signal") << "kill -KILL $$" << 29;
}

void TestCatalogue::launcherExitStatus() {
    QFETCH(QString, body);
    QFETCH(int, code);
    StandInOpener opener(body);
    XdgWebLauncher launcher;
    QCOMPARE(launcher.open("https://www.quevrin-systems.example/"), code);
    QVERIFY(opener.launched());
}

void TestCatalogue::launcherPassesAddressUntouched() {
    StandInOpener opener("exit 0");
    const QString address =
        QStringLiteral("https://x.example/a b;touch \"%1\" $(touch \"%1\") 'q'?k=ä&v=1")
            .arg(opener.path("shell-ran"));
    XdgWebLauncher launcher;
    QCOMPARE(launcher.open(address), XdgWebLauncher::Succeeded);
    QCOMPARE(opener.arguments(), address.toUtf8() + '\n');
    QVERIFY(!QFile::exists(opener.path("shell-ran")));
}

void TestCatalogue::launcherRefuses_data() {
    QTest::addColumn<QString>("address");
    QTest::newRow("empty") << "";
    QTest::newRow("looks like an option") << "--help";
    QTest::newRow("line feed") << "https://x.example/\nrm";
    QTest::newRow("carriage return") << "https://x.example/\r";
    QTest::newRow("tab") << "https://x.example/\tx";
    QTest::newRow("delete") << QString("https://x.example/") + QChar(0x7F);
    QTest::newRow("nul") << QString("https://x.example/") + QChar(0);
}

void TestCatalogue::launcherRefuses() {
    QFETCH(QString, address);
    StandInOpener opener("exit 0");
    XdgWebLauncher launcher;
    QCOMPARE(launcher.open(address), 2);
    QVERIFY(!opener.launched());
}

void TestCatalogue::launcherWithoutOpener() {
    StandInOpener empty({}, false);
    XdgWebLauncher launcher;
    QCOMPARE(launcher.open("https://www.quevrin-systems.example/"), 31);
}

void TestCatalogue::launcherBoundedWait() {
    // The script's pid goes beside it, so it can be ended by its id afterwards.
    StandInOpener sleeper(
        QStringLiteral("echo $$ > \"$(dirname \"$0\")/pid\"\nexec /bin/sleep 60"));
    bool repainted = false;
    QTimer::singleShot(50ms, [&] { repainted = true; });
    XdgWebLauncher launcher(500ms);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(launcher.open("https://www.quevrin-systems.example/"), XdgWebLauncher::Succeeded);
    const qint64 took = clock.elapsed();
    QVERIFY2(took >= 450 && took < 2500, qPrintable(QString::number(took)));
    QVERIFY(repainted); // timers and repaints ran while it waited

    const int pid = readPid(sleeper.path("pid"));
    QVERIFY(pid > 0);
    QVERIFY(childProcesses().contains(qMakePair(pid, 'S')));
    ::kill(pid, SIGTERM);
    QTRY_VERIFY(childProcesses().isEmpty());
}

void TestCatalogue::launcherLeavesNoZombie() {
    StandInOpener opener("/bin/sleep 1\nexit 0");
    XdgWebLauncher launcher(200ms);
    QCOMPARE(launcher.open("https://www.quevrin-systems.example/"), XdgWebLauncher::Succeeded);
    QCOMPARE(childProcesses().size(), 1);
    // Once the opener ends on its own, it is reaped: neither running nor a zombie.
    QTRY_VERIFY_WITH_TIMEOUT(childProcesses().isEmpty(), 5000);
}

void TestCatalogue::processEnderFlushesAndExits() {
    int pipeFds[2];
    QCOMPARE(::pipe(pipeFds), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeFds[0]);
        ::dup2(pipeFds[1], STDOUT_FILENO);
        std::fputs("buffered", stdout);
        ExitProcessEnder().endProcess();
    }
    ::close(pipeFds[1]);
    char text[16] = {};
    const ssize_t got = ::read(pipeFds[0], text, sizeof text - 1);
    ::close(pipeFds[0]);
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 0);
    QCOMPARE(QByteArray(text, static_cast<int>(got)), QByteArray("buffered"));
}
