#pragma once

#include "Conversion.h"

#include <optional>
#include <string>
#include <vector>

// The command line, read before any window system is touched so that --help, --version and
// the conversions work without a display.
namespace CommandLine {

struct Reading {
    bool start = true;              // false: the process ends now with `status`
    int status = 0;                 // 0 after --help or --version, 2 after a mistake
    bool windowSystemNamed = false; // -platform or -display names where the windows go
    std::optional<Conversion::Request> conversion; // converts instead of opening the window
    std::vector<std::string> qtArguments;          // the arguments for the GUI application
};

// Prints the help, the version or the mistake itself. Qt's own options (-platform, -display,
// -style, ...) are accepted and handed on in qtArguments, their "=" form split in two as the
// GUI application takes them.
Reading read(int argc, char *argv[]);

} // namespace CommandLine
