#include "SpecifySoftware.h"

#include <QString>
#include <QWidget>

SoftwareIdentityRecord SoftwareIdentity;

namespace SpecifySoftware {

std::string VersionText(int major, int minor) {
    return std::to_string(major) + "." + std::to_string(minor) + "0";
}

void SetSoftwareIdentity() {
    SoftwareIdentity.Title = "Angulor";
    SoftwareIdentity.Version = VersionText(ANGULOR_VERSION_MAJOR, ANGULOR_VERSION_MINOR);
}

void SetMainCaption(QWidget &mainWindow) {
    mainWindow.setWindowTitle(
        QString::fromStdString(SoftwareIdentity.Title + " " + SoftwareIdentity.Version));
}

} // namespace SpecifySoftware
