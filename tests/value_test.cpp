// SPDX-License-Identifier: GPL-3.0-or-later
// Unit tests of the Value library, one table a rule.
#include "Value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <string>

using namespace value;

namespace {

std::string Narrow(const Text& text) {
    return {text.begin(), text.end()};
}

Text YesNo(bool yes) {
    return yes ? u"yes" : u"no";
}

// A double as plain digits, without the library's formatting.
Text Number(double x) {
    char digits[64];
    std::snprintf(digits, sizeof digits, "%.17g", x);
    return {digits, digits + std::char_traits<char>::length(digits)};
}

// Every rule on a text, by name, its answer as a text.
const std::map<std::string, std::function<Text(const Text&)>> Rules = {
    {"Trim", Trim},
    {"TrimLine", TrimLine},
    {"RemoveHead0", RemoveHead0},
    {"WithoutHexPrefix", WithoutHexPrefix},
    {"IsHexStr", IsHexStr},
    {"IsDecStr", IsDecStr},
    {"IsKBStr", IsKBStr},
    {"IsMBStr", IsMBStr},
    {"IsGBStr", IsGBStr},
    {"ValueArgument", ValueArgument},
    {"HexStr2BinStr", HexStr2BinStr},
    {"GetFormatBinStr", GetFormatBinStr},
    {"IsDot", [](const Text& t) { return YesNo(IsDot(t) == True); }},
    {"IsHexChar", [](const Text& t) { return YesNo(IsHexChar(t) == True); }},
    {"IsHexEntry", [](const Text& t) { return YesNo(IsEntry(HexEntry, t)); }},
    {"IsDecEntry", [](const Text& t) { return YesNo(IsEntry(DecEntry, t)); }},
    {"LeadingNumber", [](const Text& t) { return Number(LeadingNumber(t)); }},
    {"SignificantLength", [](const Text& t) { return Number(SignificantLength(t)); }},
    {"DecStr2DoubleValue", [](const Text& t) { return Number(DecStr2DoubleValue(t)); }},
    {"HexStr2DecDoubleValue", [](const Text& t) { return Number(HexStr2DecDoubleValue(t)); }},
};

// Every rule on a double, by name.
const std::map<std::string, std::function<Text(double)>> NumberRules = {
    {"GeneralNumberText", GeneralNumberText},
    {"FixedText 4", [](double x) { return FixedText(x, 4); }},
    {"DecimalDigits", DecimalDigits},
    {"SizeFieldText", SizeFieldText},
    {"DoubleValue2LongValue", [](double x) { return Number(DoubleValue2LongValue(x)); }},
};

} // namespace

TEST(Value, TextRules) {
    const std::tuple<const char*, Text, Text> rows[] = {
        {"Trim", u" \t1 2 ", u"\t1 2"},
        {"TrimLine", u" \t\r\n7f \t\r\n", u"7f"},
        {"RemoveHead0", u"0", u"0"},
        {"RemoveHead0", u"00", u""},
        {"WithoutHexPrefix", u"0X1", u"1"},
        {"WithoutHexPrefix", u"0x", u"0x"},
        {"IsHexStr", u"   ", u""},
        {"IsHexStr", u"0X1f", u"0x1f"},
        {"IsHexStr", u" 0xABcd ", u"0xABcd"},
        {"IsHexStr", u"0x00000001", u"0x00000001"},
        {"IsHexStr", u"123456789", u""},
        {"IsHexStr", u"x1F", u""},
        {"IsHexStr", u"0x0x1", u""},
        {"IsHexStr", u"0xG", u""},
        {"IsDecStr", u"0", u"0"},
        {"IsDecStr", u" 007 ", u"7"},
        {"IsDecStr", u"00004294967295", u"4294967295"},
        {"IsDecStr", u"4294967296", u""},
        {"IsDecStr", u"12345678901", u""},
        {"IsDecStr", u"1.0", u""},
        {"IsKBStr", u"0004194303", u"4194303"},
        {"IsKBStr", u"4194304", u""},
        {"IsMBStr", u"4096", u""},
        {"IsGBStr", u" 3 ", u"3"},
        {"IsGBStr", u"03", u""},
        {"IsGBStr", u"4", u""},
        {"ValueArgument", u"0X1f", u"0x1f"},
        {"ValueArgument", u"31", u"31"},
        {"ValueArgument", u"1F", u""},
        {"HexStr2BinStr", u"x1 g2", u"1 0010"},
        {"GetFormatBinStr", u" 1 0\t1", u"10\t1"},
        {"IsDot", u" 1.5 ", u"yes"},
        {"IsDot", u"1\uFF0E5", u"no"},
        {"IsHexChar", u"A5", u"yes"},
        {"IsHexChar", u"F0", u"no"},
        {"IsHexEntry", u"x0", u"yes"},
        {"IsHexEntry", u"0X00000000FFFFFFFF", u"yes"},
        {"IsHexEntry", u"123456789", u"no"},
        {"IsHexEntry", u"00x1", u"no"},
        {"IsDecEntry", u"4294967295", u"yes"},
        {"IsDecEntry", u"1.5", u"no"},
        {"IsDecEntry", Text(40000, u'0'), u"no"},
        {"LeadingNumber", u"12ab", u"12"},
        {"LeadingNumber", u"1.5.2", u"1.5"},
        {"SignificantLength", u"0012", u"2"},
        {"SignificantLength", u"000", u"0"},
        {"DecStr2DoubleValue", u"1.5", u"105"},
        {"DecStr2DoubleValue", u"12 ", u"120"},
        {"DecStr2DoubleValue", Text(400, u'0') + u"8", u"8"},
        {"HexStr2DecDoubleValue", u"50x12", u"327698"},
    };
    for (const auto& [rule, input, expected] : rows)
        EXPECT_EQ(Narrow(Rules.at(rule)(input)), Narrow(expected)) << rule << " " << Narrow(input);
}

TEST(Value, NumberRules) {
    const std::tuple<const char*, double, Text> rows[] = {
        {"GeneralNumberText", 0.1 + 0.2, u".3"},
        {"GeneralNumberText", 0.0005, u".0005"},
        {"GeneralNumberText", 1e20, u"100000000000000000000"},
        {"FixedText 4", 0.03125, u"0.0313"},
        {"FixedText 4", -0.00001, u"0.0000"},
        {"DecimalDigits", 4294967295, u"4294967295"},
        {"SizeFieldText", 1048320 / 1048576.0, u"0.9997"},
        {"SizeFieldText", 1.5, u"1.5"},
        {"SizeFieldText", 4294967295 / 1024.0, u"4194303.9990"},
        {"DoubleValue2LongValue", 2.5, u"2"},
        {"DoubleValue2LongValue", 3.5, u"4"},
    };
    for (const auto& [rule, x, expected] : rows)
        EXPECT_EQ(Narrow(NumberRules.at(rule)(x)), Narrow(expected)) << rule << " " << x;
}

TEST(Value, ConvertedSizes) {
    const std::tuple<double, double, double, Text> rows[] = {
        {32, 1024, 1048576, u"0.0313"},
        {4096, 1024, 1048576, u"4"},
        {4194303, 1024, 1073741824, u"4.0000"},
        {3, 1073741824, 1024, u"3145728"},
    };
    for (const auto& [units, from, to, expected] : rows)
        EXPECT_EQ(Narrow(ConvertedSizeText(units, from, to)), Narrow(expected))
            << units << " " << to;
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
        {HexEntry, u"0x1", 3, 0, u'f', u'F'},
        {HexEntry, u"0x1", 3, 0, u'G', 0},
        {HexEntry, u"0x12345678", 10, 0, u'1', 0},
        {HexEntry, u"0x12345678", 2, 1, u'a', u'A'},
        {HexEntry, u"0x12345678", 0, 2, u'5', 0},
        {HexEntry, u"0x00000000", 10, 0, u'1', u'1'},
        {HexEntry, u"0", 1, 0, u'x', u'x'},
        {HexEntry, u"0x1", 3, 0, u'X', 0},
        {HexEntry, u"0x12345678", 10, 0, keys::Backspace, keys::Backspace},
        {HexEntry, u"0x1F", 4, 0, keys::Escape, 0, true},
        {HexEntry, u" 0 ", 1, 0, keys::Escape, 0},
        {HexEntry, u"0x1", 3, 0, keys::Enter, 0, false, true},
        {DecEntry, u"0", 1, 0, u'x', 0},
        {DecEntry, u"1234567890", 10, 0, u'1', 0},
        {DecEntry, u"000000000000", 12, 0, u'1', u'1'},
        {DecEntry, u"1234567890", 0, 10, u'7', u'7'},
        {KBEntry, u"0001234567", 10, 0, u'8', 0},
        {MBEntry, u"4095", 4, 0, u'1', 0},
        {GBEntry, u"", 0, 0, u'4', 0},
        {GBEntry, u"1", 0, 1, u'2', u'2'},
    };
    for (const auto& row : rows) {
        const EditState box{row.text, row.start + row.length, row.start, row.length};
        const KeyOutcome out = FilterKey(row.rules, box, static_cast<std::int16_t>(row.key));
        const auto seen = std::tuple(int{out.KeyAscii}, out.resetsToZero, out.movesOn);
        EXPECT_EQ(seen, std::tuple(row.typed, row.zero, row.on))
            << Narrow(row.text) << " " << row.key;
    }
}

// The modifier mask must match exactly.
TEST(Value, CopyAndPasteChords) {
    const std::tuple<std::int16_t, std::int16_t, Boolean, Boolean> rows[] = {
        {keys::C, keys::CtrlMask, True, False},
        {keys::Insert, keys::CtrlMask, True, False},
        {keys::C, keys::CtrlMask | keys::ShiftMask, False, False},
        {keys::V, keys::CtrlMask, False, True},
        {keys::Insert, keys::ShiftMask, False, True},
        {keys::V, keys::CtrlMask | keys::AltMask, False, False},
    };
    for (auto [code, mask, copy, paste] : rows) {
        const auto seen = std::pair(IsCopyKey(code, mask), IsPasterKey(code, mask));
        EXPECT_EQ(seen, std::pair(copy, paste)) << code << " " << mask;
    }
}

// Arithmetic that leaves the register's range raises the library's own errors.
TEST(Value, Errors) {
    EXPECT_THROW(DecStr2DoubleValue(Text(u"1").append(400, u'0')), FloatingPointError);
    EXPECT_THROW(HexStr2DecDoubleValue(Text(u"1").append(300, u'0')), FloatingPointError);
    EXPECT_THROW(DecStr2DoubleValue(Text(32768, u'0')), OverflowError);
    for (double refused : {4294967295.5, -2147483649.0, std::nan("")})
        EXPECT_THROW(DoubleValue2LongValue(refused), OverflowError) << refused;
    const auto beyond = std::tuple(BitSet(5, 32), BitClear(-1, -1), BitIsSet(-1, 32));
    EXPECT_EQ(beyond, std::tuple(5, -1, False));
}
