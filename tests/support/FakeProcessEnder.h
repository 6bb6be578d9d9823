#pragma once

#include "ProcessEnder.h"

// Records the end of the process instead of ending the test.
class FakeProcessEnder : public ProcessEnder {
public:
    void endProcess() override { ++ended; }
    int ended = 0;
};
