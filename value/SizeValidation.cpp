// SPDX-License-Identifier: GPL-3.0-or-later
// Checks of kilobyte, megabyte and gigabyte texts: a whole number of the unit
// that fits in 32 bits, returned normalised, or "".
#include "TextRules.h"

namespace value {

Text IsKBStr(Text InputStr) {
    return detail::WholeNumberText(InputStr, KBEntry);
}

Text IsMBStr(Text InputStr) {
    return detail::WholeNumberText(InputStr, MBEntry);
}

// As many digits as the box takes (one), below its limit; leading zeros are
// not removed ("03" is refused).
Text IsGBStr(Text InputStr) {
    const Text s = Trim(InputStr);
    if (s.size() != static_cast<std::size_t>(GBEntry.digits) || !detail::IsDecimalDigit(s[0]) ||
        DecStr2DoubleValue(s) >= GBEntry.limit)
        return {};
    return s;
}

} // namespace value
