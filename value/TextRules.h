// SPDX-License-Identifier: GPL-3.0-or-later
// Rules shared by the library's own files; not part of its interface.
#pragma once

#include "Value.h"

#include <cmath>
#include <cstddef>

namespace value::detail {

inline bool IsDecimalDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// A double operation whose result is no finite number raises the library's
// floating-point error.
inline void RequireFinite(double x) {
    if (!std::isfinite(x))
        throw FloatingPointError("floating-point overflow");
}

// The digit value of "0" to "9", "A" to "F" and "a" to "f"; -1 for any other.
inline int HexDigitValue(char16_t c) {
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    return -1;
}

// The checks shared by the decimal, kilobyte and megabyte texts: digits only,
// leading zeros removed, then at most the box's digits and below its limit.
Text WholeNumberText(const Text& InputStr, const EntryRules& rules);

} // namespace value::detail
