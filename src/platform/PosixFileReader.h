#pragma once

#include "FileReader.h"

class PosixFileReader : public FileReader {
public:
    FileReadResult read(const QString &path, qint64 maxCharacters, TextEncoding encoding) override;
};
