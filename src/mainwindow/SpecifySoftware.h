#pragma once

#include <string>

class QWidget;

struct SoftwareIdentityRecord {
    std::string Title;
    std::string Version;
};

namespace SpecifySoftware {

// "4.00" for 4.0: the minor number in plain digits followed by "0" (4.12 gives "4.120").
std::string versionText(int major, int minor);

// The program's title and version, fixed when it is built.
SoftwareIdentityRecord SoftwareIdentity();

// The main window's caption: the title, one blank, the version.
void SetMainCaption(QWidget &mainWindow, const SoftwareIdentityRecord &identity);

} // namespace SpecifySoftware
