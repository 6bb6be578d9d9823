#include "SignChange.h"

#include "StrProc.h"

namespace SignChange {

Fields ChangeSign(const Fields &fields) {
    Fields changed = fields;
    changed.degrees = StrProc::TrimBlanks(fields.degrees);
    changed.minutes = StrProc::TrimBlanks(fields.minutes);
    changed.seconds = StrProc::TrimBlanks(fields.seconds);
    if (!changed.degrees.empty() || !changed.minutes.empty() || !changed.seconds.empty())
        changed.sign = fields.sign == "-" ? std::string() : std::string("-");
    return changed;
}

} // namespace SignChange
