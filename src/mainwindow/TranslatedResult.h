#pragma once

#include "OperationResult.h"

// The core speaks English: a result as the person reads it has its message, its title and the
// words of its result line in the person's language. Numbers and marks stay as they are.
OperationResult translated(OperationResult result);
Message translated(Message message);
// One English text of ours, looked up under its context.
std::string translated(const char *context, const std::string &text);
