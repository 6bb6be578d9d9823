#pragma once

#include "OperationResult.h"

// The core speaks English: a result as the person reads it has its message, its title and the
// words of its result line in the person's language. Numbers and marks stay as they are.
OperationResult Translated(OperationResult result);
