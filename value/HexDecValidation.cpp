// SPDX-License-Identifier: GPL-3.0-or-later
// Checks of hexadecimal and decimal texts: each returns the normalised text
// when it is acceptable and "" when it is not.
#include "TextRules.h"

namespace value {

Boolean IsHexChar(Text KeyAscii) {
    // Whole texts are compared by code unit, so "A5" passes and "F0" does not.
    Boolean result = False;
    if (KeyAscii <= u"F" && KeyAscii >= u"A")
        result = True;
    if (KeyAscii <= u"f" && KeyAscii >= u"a")
        result = True;
    if (KeyAscii <= u"9" && KeyAscii >= u"0")
        result = True;
    return result;
}

Text IsHexStr(Text InputStr) {
    Text s = Trim(InputStr);
    if (s.size() > MaxTextLength)
        return {};
    const bool prefixed = HasHexPrefix(s);
    s = WithoutHexPrefix(s);
    if (s.empty() || s.size() > 8)
        return {};
    for (char16_t c : s) {
        if (IsHexChar(Text(1, c)) == False)
            return {};
    }
    return prefixed ? WithHexPrefix(s) : s;
}

Text RemoveHead0(Text InputStr) {
    // A single character is kept, so "0" stays "0" while "00" becomes "".
    if (InputStr.size() > 1)
        InputStr.erase(0, InputStr.find_first_not_of(u'0'));
    return InputStr;
}

namespace detail {

Text WholeNumberText(const Text& InputStr, const EntryRules& rules) {
    Text s = Trim(InputStr);
    if (s.empty() || s.size() > MaxTextLength)
        return {};
    for (char16_t c : s) {
        if (!IsDecimalDigit(c))
            return {};
    }
    s = RemoveHead0(s);
    if (s.size() > static_cast<std::size_t>(rules.digits) || DecStr2DoubleValue(s) >= rules.limit)
        return {};
    return s;
}

} // namespace detail

Text IsDecStr(Text InputStr) {
    return detail::WholeNumberText(InputStr, DecEntry);
}

Boolean IsDot(Text InputStr) {
    return Trim(InputStr).find(u'.') == Text::npos ? False : True;
}

} // namespace value
