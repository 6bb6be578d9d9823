#pragma once

#include "FakeClipboard.h"
#include "FakeFileReader.h"
#include "FakeMessageBoxes.h"
#include "FakeProcessEnder.h"
#include "FakeScreen.h"
#include "FakeWebLauncher.h"
#include "Platform.h"

// Every platform service as a recording fake, bundled for a window under test.
struct FakePlatform {
    FakeMessageBoxes messages;
    FakeClipboard clipboard;
    FakeScreen screen;
    FakeFileReader files;
    FakeWebLauncher web;
    FakeProcessEnder process;
    Platform platform{messages, clipboard, screen, files, web, process};
};
