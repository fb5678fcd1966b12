// SPDX-License-Identifier: GPL-3.0-or-later
// A register value as programmers write it in C, C++ and assembler, read from
// outside the boxes (the command line), and every view of a value as text.
#include "TextRules.h"

#include <optional>
#include <string_view>

namespace value {

namespace {

constexpr std::uint64_t Beyond32Bits = 0x100000000;

bool IsDigitOf(char16_t c, int base) {
    const int digit = detail::HexDigitValue(c);
    return digit >= 0 && digit < base;
}

// The digits with each separator (' or _) taken out; none when one stands
// anywhere but between two digits of the base (one before another is
// followed by no digit).
std::optional<Text> WithoutSeparators(const Text& digits, int base) {
    Text out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const char16_t c = digits[i];
        if (c != u'\'' && c != u'_') {
            out += c;
        } else if (i == 0 || i + 1 == digits.size() || !IsDigitOf(digits[i + 1], base)) {
            return std::nullopt;
        }
    }
    return out;
}

// The number the digits spell in the base; none for no digits, another
// character, or a number beyond 32 bits.
std::optional<std::uint64_t> DigitsValue(const Text& digits, int base) {
    if (digits.empty())
        return std::nullopt;
    std::uint64_t n = 0;
    for (char16_t c : digits) {
        if (!IsDigitOf(c, base))
            return std::nullopt;
        n = n * static_cast<unsigned>(base) + static_cast<unsigned>(detail::HexDigitValue(c));
        if (n >= Beyond32Bits)
            return std::nullopt;
    }
    return n;
}

// C's integer suffixes, in either case, longest first.
Text WithoutIntegerSuffix(Text s) {
    static constexpr std::u16string_view suffixes[] = {u"ull", u"llu", u"ul", u"lu",
                                                       u"ll",  u"u",   u"l"};
    Text lower = s.substr(s.size() < 3 ? 0 : s.size() - 3);
    for (char16_t& c : lower)
        c = c == u'U' ? u'u' : c == u'L' ? u'l' : c;
    for (std::u16string_view suffix : suffixes) {
        if (s.size() > suffix.size() && lower.ends_with(suffix)) {
            s.resize(s.size() - suffix.size());
            break;
        }
    }
    return s;
}

bool HasBinaryPrefix(const Text& s) {
    return s.size() > 2 && s[0] == u'0' && (s[1] == u'b' || s[1] == u'B');
}

Text DecimalText(std::uint64_t n) {
    const std::string digits = std::to_string(n);
    return Text(digits.begin(), digits.end());
}

} // namespace

std::optional<ArgumentValue> ReadValueText(const Text& argument) {
    Text s = TrimLine(argument);
    const bool negative = !s.empty() && s[0] == u'-';
    int base = 10;
    if (negative) {
        s = WithoutIntegerSuffix(s.substr(1));
    } else if (s.size() > 1 && (s.back() == u'h' || s.back() == u'H')) { // assembler's 0FFh
        s.pop_back();
        base = 16;
    } else {
        s = WithoutIntegerSuffix(s);
        base = HasHexPrefix(s) ? 16 : HasBinaryPrefix(s) ? 2 : 10;
        if (base != 10)
            s.erase(0, 2);
    }
    const std::optional<Text> digits = WithoutSeparators(s, base);
    std::optional<std::uint64_t> n = digits ? DigitsValue(*digits, base) : std::nullopt;
    if (!n || (negative && *n > Beyond32Bits / 2))
        return std::nullopt;
    if (negative) // its 32-bit two's complement
        n = (Beyond32Bits - *n) % Beyond32Bits;
    return ArgumentValue{static_cast<std::int32_t>(static_cast<std::uint32_t>(*n)), base != 10};
}

Text ValueArgument(const Text& argument) {
    const std::optional<ArgumentValue> read = ReadValueText(argument);
    if (!read)
        return {};
    return read->hexadecimal ? HexText(read->pattern)
                             : DecimalDigits(HexValue2DoubleVal(read->pattern));
}

Text SizeText(const Text& decimalDigits, const EntryRules& size) {
    return SizeFieldText(DecStr2DoubleValue(decimalDigits) / size.unit);
}

Views ViewsOf(std::int32_t pattern) {
    Views views{HexText(pattern),
                DecimalDigits(HexValue2DoubleVal(pattern)),
                HexValue2BinStr(pattern),
                {},
                {}};
    for (std::int16_t k = 31; k >= 0; --k) {
        if (BitIsSet(pattern, k) == True)
            views.setBits += (views.setBits.empty() ? u"" : u" ") + DecimalText(std::uint64_t(k));
    }
    if (views.setBits.empty())
        views.setBits = u"none";
    const EntryRules* sizes[] = {&KBEntry, &MBEntry, &GBEntry};
    for (std::size_t i = 0; i < 3; ++i)
        views.sizes[i] = SizeText(views.dec, *sizes[i]);
    return views;
}

Text ViewsText(std::int32_t pattern) {
    const Views views = ViewsOf(pattern);
    return u"hex  " + views.hex + u"\ndec  " + views.dec + u"\nbin  " + views.bin + u"\nbits " +
           views.setBits + u"\nKB   " + views.sizes[0] + u"\nMB   " + views.sizes[1] + u"\nGB   " +
           views.sizes[2] + u"\n";
}

} // namespace value
