// SPDX-License-Identifier: GPL-3.0-or-later
// The hexadecimal and binary texts of the register value.
#include "TextRules.h"

#include <cstdint>

namespace value {

namespace {

constexpr char16_t HexDigits[] = u"0123456789ABCDEF";

// Drops leading "0" and space characters; "0" when nothing is left.
Text WithoutLeadingZeros(Text s) {
    s.erase(0, s.find_first_not_of(u"0 "));
    return s.empty() ? Text(u"0") : s;
}

// " 0000" to " 1111": a digit's four bits, most significant first, with the
// space that separates binary groups in front.
void AppendGroup(Text& out, unsigned digit) {
    out += u' ';
    for (int bit = 3; bit >= 0; --bit)
        out += (digit >> bit) & 1u ? u'1' : u'0';
}

} // namespace

Text HexVal2HexStr(std::int32_t Hex) {
    const auto bits = static_cast<std::uint32_t>(Hex);
    Text s;
    for (int k = 31; k >= 3; k -= 4)
        s += HexDigits[(bits >> (k - 3)) & 0xFu];
    return WithoutLeadingZeros(s);
}

Text HexValue2BinStr(std::int32_t Hex) {
    const auto bits = static_cast<std::uint32_t>(Hex);
    Text s;
    for (int k = 31; k >= 3; k -= 4)
        AppendGroup(s, (bits >> (k - 3)) & 0xFu);
    return WithoutLeadingZeros(s);
}

Text HexStr2BinStr(Text Hex) {
    // Every hexadecimal digit gives its group; anything else (the "x" of the
    // prefix, a space) is skipped. There is no limit on the digit count.
    Text out;
    out.reserve(Hex.size() * 5);
    for (char16_t c : Hex) {
        const int digit = detail::HexDigitValue(c);
        if (digit >= 0)
            AppendGroup(out, static_cast<unsigned>(digit));
    }
    return WithoutLeadingZeros(out);
}

Text GetFormatBinStr(Text InBinStr) {
    // Every space goes; every other character, a tab included, stays in order.
    std::erase(InBinStr, u' ');
    return InBinStr;
}

} // namespace value
