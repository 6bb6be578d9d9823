#pragma once

#include "ProcessEnder.h"

// Ends the process on the spot: no window's closing steps run, no nested event loop gets to
// resume the code that was waiting in it, and a browser started for the user keeps running.
class ExitProcessEnder : public ProcessEnder {
public:
    [[noreturn]] void endProcess() override;
};
