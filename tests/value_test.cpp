// SPDX-License-Identifier: GPL-3.0-or-later
// Unit tests of the Value library as tables: the text rules in one, keyed by
// rule; the key filter, the chords, the errors and the values as programmers
// write them in others.
#include "Value.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bitset>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

using namespace value;

namespace {

std::string Narrow(const Text& text) {
    return {text.begin(), text.end()};
}

// A double as plain digits, without the library's formatting.
Text Digits(double x) {
    char digits[64];
    std::snprintf(digits, sizeof digits, "%.17g", x);
    return {digits, digits + std::char_traits<char>::length(digits)};
}

double Double(const Text& digits) {
    return std::stod(Narrow(digits));
}

// The rules that answer other than with a text, their answer as one (a
// number given as digits).
using Rule = std::function<Text(const Text&)>;
const Rule IsDotYesNo = [](const Text& t) { return Text(IsDot(t) == True ? u"yes" : u"no"); };
const Rule TakesHex = [](const Text& t) { return Text(IsEntry(HexEntry, t) ? u"yes" : u"no"); };
const Rule TakesDec = [](const Text& t) { return Text(IsEntry(DecEntry, t) ? u"yes" : u"no"); };
const Rule LeadingNumberOf = [](const Text& t) { return Digits(LeadingNumber(t)); };
const Rule SignificantLengthOf = [](const Text& t) { return Digits(SignificantLength(t)); };
const Rule DecStrValue = [](const Text& t) { return Digits(DecStr2DoubleValue(t)); };
const Rule HexStrValue = [](const Text& t) { return Digits(HexStr2DecDoubleValue(t)); };
const Rule General = [](const Text& t) { return GeneralNumberText(Double(t)); };
const Rule Fixed4 = [](const Text& t) { return FixedText(Double(t), 4); };
const Rule SizeField = [](const Text& t) { return SizeFieldText(Double(t)); };
const Rule LongValue = [](const Text& t) { return Digits(DoubleValue2LongValue(Double(t))); };
const Rule KBinMB = [](const Text& t) { return ConvertedSizeText(Double(t), 1024, 1048576); };
const Rule GBinKB = [](const Text& t) { return ConvertedSizeText(Double(t), 1073741824, 1024); };

} // namespace

TEST(Value, TextRules) {
    const std::tuple<Rule, Text, Text> rows[] = {
        {Trim, u" \t1 2 ", u"\t1 2"},
        {TrimLine, u" \t\r\n7f \t\r\n", u"7f"},
        {RemoveHead0, u"0", u"0"},
        {WithoutHexPrefix, u"0x", u"0x"},
        {IsHexStr, u" 0xABcd ", u"0xABcd"},
        {IsHexStr, u"123456789", u""},
        {IsHexStr, u"0x0x1", u""},
        {IsHexStr, u"0xG", u""},
        {IsDecStr, u" 007 ", u"7"},
        {IsDecStr, u"00004294967295", u"4294967295"},
        {IsDecStr, u"1.0", u""},
        {IsKBStr, u"4194303", u"4194303"},
        {IsKBStr, u"4194304", u""},
        {IsMBStr, u"4095", u"4095"},
        {IsMBStr, u"4096", u""},
        {IsGBStr, u"4", u""},
        {IsGBStr, u" 3 ", u"3"},
        {IsGBStr, u"03", u""},
        {HexStr2BinStr, u"x1 g2", u"1 0010"},
        {GetFormatBinStr, u" 1 0\t1", u"10\t1"},
        {IsDotYesNo, u" 1.5 ", u"yes"},
        {TakesHex, u"x0", u"yes"},
        {TakesHex, u"123456789", u"no"},
        {TakesDec, u"1.5", u"no"},
        {TakesDec, Text(40000, u'0'), u"no"},
        {LeadingNumberOf, u"12ab", u"12"},
        {LeadingNumberOf, u"1.5.2", u"1.5"},
        {SignificantLengthOf, u"000", u"0"},
        {DecStrValue, u"1.5", u"105"},
        {DecStrValue, Text(400, u'0') + u"8", u"8"},
        {HexStrValue, u"50x12", u"327698"},
        {General, u"0.30000000000000004", u".3"},
        {Fixed4, u"0.03125", u"0.0313"},
        {Fixed4, u"-0.00001", u"0.0000"},
        {SizeField, u"0.999755859375", u"0.9997"},
        {LongValue, u"2.5", u"2"},
        {LongValue, u"3.5", u"4"},
        {KBinMB, u"32", u"0.0313"},
        {KBinMB, u"4096", u"4"},
        {GBinKB, u"3", u"3145728"},
    };
    for (const auto& [rule, input, expected] : rows)
        EXPECT_EQ(Narrow(rule(input)), Narrow(expected)) << Narrow(input);
}

// What a key press types into a box: the character it leaves (0 for none),
// and whether it sets the box to "0" (Esc) or moves the focus on (Enter).
TEST(Value, KeyFilter) {
    const struct {
        const EntryRules& rules;
        Text text;
        std::size_t start, length;
        int key, typed;
        bool zero = false, on = false;
    } rows[] = {
        {HexEntry, u"0x12345678", 2, 1, u'a', u'A'},
        {HexEntry, u"0x12345678", 0, 2, u'5', 0},
        {HexEntry, u"0x00000000", 10, 0, u'1', u'1'},
        {HexEntry, u"0x12345678", 10, 0, keys::Backspace, keys::Backspace},
        {HexEntry, u"0x1F", 4, 0, keys::Escape, 0, true},
        {HexEntry, u" 0 ", 1, 0, keys::Escape, 0},
        {HexEntry, u"0x1", 3, 0, keys::Enter, 0, false, true},
        {DecEntry, u"1234567890", 10, 0, u'1', 0},
        {DecEntry, u"000000000000", 12, 0, u'1', u'1'},
        {GBEntry, u"", 0, 0, u'4', 0},
    };
    for (const auto& row : rows) {
        const EditState box{row.text, row.start + row.length, row.start, row.length};
        const KeyOutcome out = FilterKey(row.rules, box, static_cast<std::int16_t>(row.key));
        const auto seen = std::tuple(int{out.KeyAscii}, out.resetsToZero, out.movesOn);
        EXPECT_EQ(seen, std::tuple(row.typed, row.zero, row.on))
            << Narrow(row.text) << " " << row.key;
    }
}

// Of every printable character but the digits, typed at the end of a text:
// those the box takes, as it takes them (the size boxes as the decimal box).
TEST(Value, KeyFilterPrintables) {
    const std::tuple<const EntryRules&, Text, Text> rows[] = {
        {HexEntry, u"0x1", u"ABCDEFABCDEF"},
        {HexEntry, u"0", u"ABCDEFXABCDEFx"},
        {DecEntry, u"0", u""},
    };
    for (const auto& [rules, text, taken] : rows) {
        Text seen;
        for (char16_t c = u' '; c <= u'~'; ++c)
            if (const auto typed = FilterKey(rules, {text, text.size(), text.size(), 0}, c);
                typed.KeyAscii && (c < u'0' || c > u'9'))
                seen += static_cast<char16_t>(typed.KeyAscii);
        EXPECT_EQ(Narrow(seen), Narrow(taken)) << Narrow(text);
    }
}

// Arithmetic that leaves the register's range raises the library's own errors.
TEST(Value, Errors) {
    EXPECT_THROW(DecStr2DoubleValue(Text(u"1").append(400, u'0')), FloatingPointError);
    EXPECT_THROW(HexStr2DecDoubleValue(Text(u"1").append(300, u'0')), FloatingPointError);
    EXPECT_THROW(DecStr2DoubleValue(Text(32768, u'0')), OverflowError);
    for (double refused : {4294967295.5, -2147483649.0, std::nan("")})
        EXPECT_THROW(DoubleValue2LongValue(refused), OverflowError) << refused;
}

// A value as programmers write it, as its box shows it ("" for none).
TEST(Value, ValueArgument) {
    const std::pair<Text, Text> rows[] = {
        {u" \t42\r\n", u"42"},
        {u"010", u"10"},
        {u"0X1f", u"0x1F"},
        {u"0x00000000FFFFFFFF", u"0xFFFFFFFF"},
        {u"0xdead_beef", u"0xDEADBEEF"},
        {u"1'000'000", u"1000000"},
        {u"0x1FUL", u"0x1F"},
        {u"DEADBEEFh", u"0xDEADBEEF"},
        {u"Fh", u"0xF"},
        {u"0b1010", u"0xA"},
        {u"0b1", u"0x1"},
        {u"0B1F", u""},
        {u"-1", u"4294967295"},
        {u"-2147483648", u"2147483648"},
        {u"-2147483649", u""},
        {u"4294967295", u"4294967295"},
        {u"4294967296", u""},
        {u"0x1FFFFFFFF", u""},
        {u"1F", u""},
        {u"0x_1", u""},
        {u"0x", u""},
        {u"_1", u""},
        {u"1_", u""},
        {u"-1L", u"4294967295"},
        {u"-1h", u""},
        {u"0b11111111111111111111111111111111", u"0xFFFFFFFF"},
        {u"0b100000000000000000000000000000000", u""},
    };
    for (const auto& [argument, shown] : rows)
        EXPECT_EQ(Narrow(ValueArgument(argument)), Narrow(shown)) << Narrow(argument);
}

// Powers of two and their neighbours, every nibble value at every nibble
// position, the ends of the signed and unsigned ranges, and a walk over the
// whole range by a prime stride.
std::vector<std::uint32_t> Sample() {
    std::vector<std::uint32_t> values{0x7FFFFFFF, 0x80000000, 0xFFFFFFFF};
    for (std::uint32_t bit = 0; bit < 32; ++bit) {
        for (const std::uint32_t d : {-1u, 0u, 1u})
            values.push_back((1u << bit) + d);
    }
    for (std::uint32_t nibble = 0; nibble < 8; ++nibble) {
        for (std::uint32_t digit = 0; digit < 16; ++digit)
            values.push_back(digit << 4 * nibble);
    }
    for (std::uint64_t v = 0; v < (std::uint64_t{1} << 32); v += 65521)
        values.push_back(static_cast<std::uint32_t>(v));
    return values;
}

// The conversions and formatters against formatting that shares no code with
// the library.
TEST(Value, ConversionsOnASampleOfTheRange) {
    for (const std::uint32_t v : Sample()) {
        std::string bits = std::bitset<32>(v).to_string(), grouped;
        bits.erase(0, std::min<std::size_t>(bits.find('1'), 31)); // leading zeros, not the last
        for (std::size_t i = 0; i < bits.size(); ++i)
            grouped += std::string(i > 0 && (bits.size() - i) % 4 == 0 ? " " : "") + bits[i];
        char hex[16];
        std::snprintf(hex, sizeof hex, "%X", v);
        const auto pattern = DoubleValue2LongValue(v);
        const auto seen = std::tuple(static_cast<std::uint32_t>(pattern),
                                     HexValue2DoubleVal(pattern), Narrow(HexText(pattern)),
                                     Narrow(DecimalDigits(v)), Narrow(HexValue2BinStr(pattern)),
                                     Narrow(HexStr2BinStr(Text(hex, hex + std::strlen(hex)))),
                                     Narrow(GetFormatBinStr(Text(grouped.begin(), grouped.end()))));
        ASSERT_EQ(seen, std::tuple(v, double(v), "0x" + std::string(hex), std::to_string(v),
                                   grouped, grouped, bits))
            << v;
    }
}
