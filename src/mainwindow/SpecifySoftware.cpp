#include "SpecifySoftware.h"

#include <QString>
#include <QWidget>

namespace SpecifySoftware {

std::string versionText(int major, int minor) {
    return std::to_string(major) + "." + std::to_string(minor) + "0";
}

SoftwareIdentityRecord SoftwareIdentity() {
    return {"Angulor", versionText(ANGULOR_VERSION_MAJOR, ANGULOR_VERSION_MINOR)};
}

void SetMainCaption(QWidget &mainWindow, const SoftwareIdentityRecord &identity) {
    mainWindow.setWindowTitle(QString::fromStdString(identity.Title + " " + identity.Version));
}

} // namespace SpecifySoftware
