#pragma once

// Ends the process at once, without any window's closing steps.
class ProcessEnder {
public:
    virtual ~ProcessEnder() = default;
    virtual void endProcess() = 0;
};
