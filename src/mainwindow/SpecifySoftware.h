#pragma once

#include <string>

class QWidget;

struct SoftwareIdentityRecord {
    std::string Title;
    std::string Version;
};

// The program's title and version, filled once at start.
extern SoftwareIdentityRecord SoftwareIdentity;

namespace SpecifySoftware {

// "4.00" for 4.0: the minor number in plain digits followed by "0" (4.12 gives "4.120").
std::string VersionText(int major, int minor);

void SetSoftwareIdentity();

// The main window's caption: the title, one blank, the version.
void SetMainCaption(QWidget &mainWindow);

} // namespace SpecifySoftware
