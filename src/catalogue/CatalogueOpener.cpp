#include "CatalogueOpener.h"

#include "WindowsColour.h"
#include "frmQSsoftware.h"

CatalogueOpener::CatalogueOpener(QWidget *mainWindow, Platform &platform)
    : mainWindow(mainWindow), platform(platform) {}

CatalogueOpener::~CatalogueOpener() = default;

void CatalogueOpener::showModal() {
    if (!catalogue)
        catalogue = std::make_unique<frmQSsoftware>(
            mainWindow, platform,
            CatalogueSettings{.blnIntroFontBold = false,
                              .lngIntroForeColor = WindowsColour::Yellow,
                              .lngTitleForeColor = WindowsColour::Yellow,
                              .lngDescriptionForeColor = WindowsColour::White});
    catalogue->exec();
    if (catalogue->closedFromTitleBar())
        catalogue.reset();
}
