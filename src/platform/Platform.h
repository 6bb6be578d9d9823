#pragma once

#include "Clipboard.h"
#include "FileReader.h"
#include "MessageBoxes.h"
#include "ProcessEnder.h"
#include "Screen.h"
#include "WebLauncher.h"

// The services the windows reach the system through; the program passes the real ones,
// tests pass recording fakes.
struct Platform {
    MessageBoxes &messages;
    Clipboard &clipboard;
    Screen &screen;
    FileReader &files;
    WebLauncher &web;
    ProcessEnder &process;
};
