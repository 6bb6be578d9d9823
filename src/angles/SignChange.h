#pragma once

#include "OperationResult.h"

namespace SignChange {

// "Change sign ": the degree, minute and second texts lose their surrounding blanks; the
// sign flips between "-" and empty when one of them still holds something.
Fields changeSign(const Fields &fields);

} // namespace SignChange
