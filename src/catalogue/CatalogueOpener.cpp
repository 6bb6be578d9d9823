#include "CatalogueOpener.h"

#include "frmQSsoftware.h"

CatalogueOpener::CatalogueOpener(QWidget *mainWindow, Platform &platform)
    : mainWindow(mainWindow), platform(platform) {}

CatalogueOpener::~CatalogueOpener() = default;

void CatalogueOpener::showModal() {
    if (!catalogue)
        catalogue = std::make_unique<frmQSsoftware>(mainWindow, platform);
    catalogue->blnIntroFontBold = false;
    catalogue->lngIntroForeColor = 65535;
    catalogue->lngTitleForeColor = 65535;
    catalogue->lngDescriptionForeColor = 16777215;
    catalogue->exec();
    if (catalogue->closedFromTitleBar())
        catalogue.reset();
}
