#pragma once

#include "FileReader.h"

#include <QList>
#include <QStringList>

// Answers with `next` and records every read.
class FakeFileReader : public FileReader {
public:
    FileReadResult read(const QString &path, qint64 maxBytes) override {
        paths.append(path);
        limits.append(maxBytes);
        return next;
    }
    FileReadResult next;
    QStringList paths;
    QList<qint64> limits;
};
