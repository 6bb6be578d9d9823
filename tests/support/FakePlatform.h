#pragma once

#include "Clipboard.h"
#include "FileReader.h"
#include "MessageBoxes.h"
#include "Platform.h"
#include "ProcessEnder.h"
#include "Screen.h"
#include "WebLauncher.h"

#include <QList>
#include <QMap>
#include <QStringList>

// Records every message box instead of showing it.
class FakeMessageBoxes : public MessageBoxes {
public:
    struct Shown {
        QString text;
        QString title;
        MessageIcon icon;
    };
    void show(QWidget *, const QString &text, const QString &title, MessageIcon icon) override {
        shown.append({text, title, icon});
    }
    QList<Shown> shown;
};

class FakeClipboard : public Clipboard {
public:
    void clear() override {
        text.clear();
        hasText = false;
        ++clears;
    }
    void setText(const QString &t) override {
        text = t;
        hasText = true;
    }
    QString text;
    bool hasText = false;
    int clears = 0;
};

class FakeScreen : public Screen {
public:
    QRect availableGeometry() const override { return available; }
    QRect availableGeometryAt(QPoint) const override { return available; }
    double logicalDpi() const override { return dpi; }
    QRect available{0, 0, 1024, 768};
    double dpi = 96.0;
};

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

// Records the addresses opened and answers with `result`.
class FakeWebLauncher : public WebLauncher {
public:
    int open(const QString &address) override {
        opened.append(address);
        return result;
    }
    void stopWaiting() override { ++stops; }
    int result = 42;
    QStringList opened;
    int stops = 0; // times a closing window let go of a page still being opened
};

// Records the end of the process instead of ending the test.
class FakeProcessEnder : public ProcessEnder {
public:
    void endProcess() override { ++ended; }
    int ended = 0;
};

// Every platform service as a recording fake, bundled for a window under test.
struct FakePlatform {
    FakeMessageBoxes messages;
    FakeClipboard clipboard;
    FakeScreen screen;
    FakeFileReader files;
    FakeWebLauncher web;
    FakeProcessEnder process;
    Platform platform{messages, clipboard, screen, files, web, process};
};
