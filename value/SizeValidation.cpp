// SPDX-License-Identifier: GPL-3.0-or-later
// Checks of kilobyte, megabyte and gigabyte texts: a whole number of the unit
// that fits in 32 bits, returned normalised, or "".
#include "TextRules.h"

namespace value {

Text IsKBStr(Text InputStr) {
    return detail::WholeNumberText(InputStr, 7, 4194303.0);
}

Text IsMBStr(Text InputStr) {
    return detail::WholeNumberText(InputStr, 4, 4095.0);
}

// Exactly one digit, 0 to 3; leading zeros are not removed ("03" is refused).
Text IsGBStr(Text InputStr) {
    const Text s = Trim(InputStr);
    if (s.size() != 1 || !detail::IsDecimalDigit(s[0]) || DecStr2DoubleValue(s) >= 4.0)
        return {};
    return s;
}

} // namespace value
