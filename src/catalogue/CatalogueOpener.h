#pragma once

#include <memory>

class QWidget;
class frmQSsoftware;
struct Platform;

// Keeps the catalogue window between showings: made on first use, kept while only hidden,
// dropped after a close from its title bar so that the next showing builds it afresh.
class CatalogueOpener {
public:
    CatalogueOpener(QWidget *mainWindow, Platform &platform);
    ~CatalogueOpener();

    // Builds the window, when there is none, with the four settings both openers use, and
    // shows it modally; returns when it has been hidden or closed.
    void showModal();

    // The window as it stands, or null before the first showing and after a title-bar close.
    frmQSsoftware *window() const { return catalogue.get(); }

private:
    QWidget *mainWindow;
    Platform &platform;
    std::unique_ptr<frmQSsoftware> catalogue;
};
