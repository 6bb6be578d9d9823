#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// A stand-in `xdg-open` first on PATH while it lives, or none at all for an empty body; it
// writes its arguments, one a line, to `args` beside it.
struct StandInOpener {
    QTemporaryDir dir;
    QByteArray savedPath = qgetenv("PATH");

    explicit StandInOpener(const QString &body) {
        QFile script(dir.filePath("xdg-open"));
        if (!body.isEmpty() && script.open(QIODevice::WriteOnly)) {
            script.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$(dirname \"$0\")/args\"\n" +
                         body.toUtf8() + "\n");
            script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        qputenv("PATH", dir.path().toUtf8() + (body.isEmpty() ? "" : ":/usr/bin:/bin"));
    }
    ~StandInOpener() { qputenv("PATH", savedPath); }
    StandInOpener(const StandInOpener &) = delete;
    StandInOpener &operator=(const StandInOpener &) = delete;

    QByteArray read(const char *name) const {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};
