#include "SignChange.h"

#include "StrProc.h"

namespace SignChange {

Fields changeSign(const Fields &fields) {
    Fields changed = fields;
    changed.degrees = StrProc::trimBlanks(fields.degrees);
    changed.minutes = StrProc::trimBlanks(fields.minutes);
    changed.seconds = StrProc::trimBlanks(fields.seconds);
    if (!changed.degrees.empty() || !changed.minutes.empty() || !changed.seconds.empty())
        changed.sign = fields.sign == "-" ? std::string() : std::string("-");
    return changed;
}

} // namespace SignChange
