#pragma once

#include "WebLauncher.h"

#include <chrono>

class QEventLoop;

// Opens addresses with the desktop's `xdg-open`, found on PATH, given the address as its one
// argument. Some desktops' openers stay in the foreground until the browser is closed, so
// the wait for their verdict is bounded; one still running then counts as a success.
class XdgWebLauncher : public WebLauncher {
public:
    static constexpr int Succeeded = 42;

    explicit XdgWebLauncher(std::chrono::milliseconds bound = std::chrono::milliseconds(3000));

    int open(const QString &address) override;
    bool pending() const override { return wait != nullptr; }
    void stopWaiting() override;

private:
    std::chrono::milliseconds bound;
    QEventLoop *wait = nullptr;
};
