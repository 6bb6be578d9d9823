#pragma once

#include <QString>

// Opens an address with the user's associated program. Returns a code: above 32 on
// success, 2 file not found, 31 no program for the type, other codes as they come.
class WebLauncher {
public:
    virtual ~WebLauncher() = default;
    virtual int open(const QString &address) = 0;

    // True while the verdict of an opener is still awaited; the window goes on meanwhile,
    // and a further request is dropped rather than started or queued.
    virtual bool pending() const { return false; }
    // Stops awaiting the verdict at once: the opener runs on and counts as a success.
    virtual void stopWaiting() {}
};
