#pragma once

#include <QString>

// Opens an address with the user's associated program. Returns a code: above 32 on
// success, 2 file not found, 31 no program for the type, other codes as they come.
class WebLauncher {
public:
    virtual ~WebLauncher() = default;
    virtual int open(const QString &address) = 0;
};
