#include "XdgWebLauncher.h"

#include <QEventLoop>
#include <QProcess>
#include <QTimer>

namespace {

constexpr int FileNotFound = 2;

// What the opener can report, beside its own exit statuses.
constexpr int OpenerMissing = -1;
constexpr int OpenerCrashed = -2;
constexpr int OtherStatus = -3;

struct Mapping {
    int outcome;
    int code;
};

// The opener's outcomes as the result codes the failure messages know.
constexpr Mapping Outcomes[] = {
    {0, XdgWebLauncher::Succeeded},
    {1, 11},             // syntax error: the address is not in a form the opener takes
    {2, FileNotFound},   // the file or address does not exist
    {3, 31},             // no program is set up for this kind of address
    {4, 29},             // the program was found but failed to open the address
    {5, 5},              // no permission to read the file
    {OpenerMissing, 31}, // without an opener no program is associated with anything
    {OpenerCrashed, 29},
    {OtherStatus, 29},
};

int codeFor(int outcome) {
    for (const Mapping &m : Outcomes) {
        if (m.outcome == outcome)
            return m.code;
    }
    return codeFor(OtherStatus);
}

// An address the opener could take for an option, or one with control characters, is not
// passed on at all.
bool refused(const QString &address) {
    if (address.isEmpty() || address.startsWith(QLatin1Char('-')))
        return true;
    for (const QChar ch : address) {
        if (ch.category() == QChar::Other_Control)
            return true;
    }
    return false;
}

} // namespace

XdgWebLauncher::XdgWebLauncher(std::chrono::milliseconds bound) : bound(bound) {}

int XdgWebLauncher::open(const QString &address) {
    if (refused(address))
        return FileNotFound;

    auto *process = new QProcess;
    process->setProgram(QStringLiteral("xdg-open"));
    process->setArguments({address});
    process->setStandardInputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->start();
    if (!process->waitForStarted()) {
        delete process;
        return codeFor(OpenerMissing);
    }

    if (process->state() != QProcess::NotRunning) {
        // The window goes on working while the opener decides: Escape and Close act at once,
        // and a click meanwhile finds the launch pending and is dropped.
        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        wait = &loop;
        const auto done = [this, &loop] {
            loop.quit();
            if (wait == &loop)
                wait = nullptr;
        };
        QObject::connect(&timer, &QTimer::timeout, &loop, done);
        QObject::connect(process, &QProcess::finished, &loop, done);
        timer.start(bound);
        loop.exec();
        if (wait == &loop)
            wait = nullptr;
    }

    if (process->state() != QProcess::NotRunning) {
        // Left to run on; it is reaped and freed when it ends.
        QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
        return Succeeded;
    }
    const int code = process->exitStatus() == QProcess::CrashExit ? codeFor(OpenerCrashed)
                                                                  : codeFor(process->exitCode());
    delete process;
    return code;
}

void XdgWebLauncher::stopWaiting() {
    if (wait)
        wait->quit();
    wait = nullptr;
}
