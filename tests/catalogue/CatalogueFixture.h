#pragma once

#include "CatalogueOpener.h"
#include "ClickLabel.h"
#include "FakePlatform.h"
#include "ProgramList.h"
#include "Twips.h"
#include "frmQSsoftware.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>

// A stand-in main window with colours and a place of its own, and the catalogue it opens.
struct CatalogueFixture {
    static constexpr quint32 MainBack = 0x800000; // navy
    static constexpr quint32 MainFore = 0xFFFFFF;

    CatalogueFixture() {
        QPalette palette = main.palette();
        palette.setColor(QPalette::Window, fromWindowsColour(MainBack));
        palette.setColor(QPalette::WindowText, fromWindowsColour(MainFore));
        main.setPalette(palette);
        main.move(200, 150);
        BuildProgramList(SiteURL, Programs);
    }

    // Shows a catalogue built with the settings both openers give it, without a modal loop.
    frmQSsoftware &shown() {
        window = std::make_unique<frmQSsoftware>(&main, fake.platform);
        window->blnIntroFontBold = false;
        window->lngIntroForeColor = 65535;
        window->lngTitleForeColor = 65535;
        window->lngDescriptionForeColor = 16777215;
        window->show();
        QApplication::setActiveWindow(window.get());
        return *window;
    }

    // Runs `step` inside the opener's modal showing; the step must hide or close the window.
    bool duringModal(const std::function<void(frmQSsoftware &)> &step) {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            frmQSsoftware *w = opener.window();
            if (!w || !w->isModal() || !w->isVisible()) {
                if (w)
                    w->hide();
                return;
            }
            ran = true;
            step(*w);
            if (w->isVisible()) {
                ran = false;
                w->hide();
            }
        });
        opener.showModal();
        return ran;
    }

    QString shownEntry(int entry) const { return Programs[static_cast<std::size_t>(entry)].Title; }
    QString shownDescription(int entry) const {
        return DescriptionCaption(Programs[static_cast<std::size_t>(entry)]);
    }

    FakePlatform fake;
    QWidget main;
    ProgramTable Programs;
    std::unique_ptr<frmQSsoftware> window;
    CatalogueOpener opener{&main, fake.platform};
};

inline QColor textColour(const QWidget *widget) {
    return widget->palette().color(QPalette::WindowText);
}
