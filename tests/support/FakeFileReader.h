#pragma once

#include "FileReader.h"

#include <QList>
#include <QMap>
#include <QStringList>

// Answers with `next`, or what `byPath` holds for the path, and records every read.
class FakeFileReader : public FileReader {
public:
    FileReadResult read(const QString &path, qint64 maxCharacters, TextEncoding encoding) override {
        paths.append(path);
        limits.append(maxCharacters);
        encodings.append(encoding);
        return byPath.value(path, next);
    }
    FileReadResult next;
    QMap<QString, FileReadResult> byPath; // answers for these paths instead of `next`
    QStringList paths;
    QList<qint64> limits;
    QList<TextEncoding> encodings;
};
