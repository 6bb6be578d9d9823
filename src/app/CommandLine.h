#pragma once

// The command line, read before any window system is touched so that --help and --version
// work without a display.
namespace CommandLine {

struct Reading {
    bool start;             // false: the process ends now with `status`
    int status;             // 0 after --help or --version, 2 after a mistake
    bool windowSystemNamed; // -platform or -display names where the windows go
};

// Prints the help, the version or the mistake itself. Qt's own options (-platform, -display,
// -style, ...) are accepted and left in argv for the GUI application to take.
Reading read(int argc, char *argv[]);

} // namespace CommandLine
