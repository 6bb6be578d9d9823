#pragma once

#include <QObject>

class TestCatalogue : public QObject {
    Q_OBJECT

private slots:
    void getFileExtension_data();
    void getFileExtension();
    void failureMessage_data();
    void failureMessage();
    void launchReportsOnce_data();
    void launchReportsOnce();

    void programList();
    void scrollStep_data();
    void scrollStep();
    void clickedEntry_data();
    void clickedEntry();

    void buildShowsEveryEntry();
    void buildTakesSettingsAndPlace();
    void scrolling_data();
    void scrolling();
    void scrollBarClicks_data();
    void scrollBarClicks();
    void thumbActsOnRelease();
    void valueAboveMaximumClamped();
    void entryClickRequestsPage_data();
    void entryClickRequestsPage();
    void redTitleStaysAcrossScrolling();
    void failedLaunchExplained();
    void closeHidesEscapeToo_data();
    void closeHidesEscapeToo();
    void reopenKeepsState();
    void titleBarCloseRebuilds();
    void slotsAreAccessibleLinks();

    void launcherExitStatus_data();
    void launcherExitStatus();
    void launcherPassesAddressUntouched();
    void launcherRefuses_data();
    void launcherRefuses();
    void launcherWithoutOpener();
    void launcherBoundedWait();
    void launcherLeavesNoZombie();
    void processEnderFlushesAndExits();

    void everyWayOutShowsCatalogue_data();
    void everyWayOutShowsCatalogue();
    void secondRequestToLeaveDoesNotNest();
    void catalogueButtonComesBack();
    void noticeOpensSite_data();
    void noticeOpensSite();
};
