#pragma once

#include "WebLauncher.h"

#include <QStringList>

// Records the addresses opened and answers with `result`.
class FakeWebLauncher : public WebLauncher {
public:
    int open(const QString &address) override {
        opened.append(address);
        return result;
    }
    int result = 42;
    QStringList opened;
};
