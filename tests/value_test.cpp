// SPDX-License-Identifier: GPL-3.0-or-later
// Unit tests of the Value library, one table a rule.
#include "Value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace value;

namespace {

std::string Narrow(const Text& text) {
    return {text.begin(), text.end()};
}

// Runs function over rows of {input, expected}.
template <typename Function, typename Expected>
void ExpectAll(Function function, std::initializer_list<std::pair<Text, Expected>> rows) {
    for (const auto& [input, expected] : rows)
        EXPECT_EQ(function(input), expected) << "input \"" << Narrow(input) << '"';
}

constexpr const EntryRules &Hex = HexEntry, &Dec = DecEntry, &KB = KBEntry, &MB = MBEntry, &GB = GBEntry;

} // namespace

// clang-format off
TEST(Validation, TextChecks) {
    ExpectAll<Text (*)(Text), Text>(IsHexStr, {{u"", u""}, {u"   ", u""}, {u"0", u"0"}, {u"0X1f", u"0x1f"}, {u" 0xABcd ", u"0xABcd"}, {u"00000000", u"00000000"},
        {u"0x00000001", u"0x00000001"}, {u"123456789", u""}, {u"0x123456789", u""}, {u"0x", u""}, {u"x1F", u""}, {u"0x0x1", u""}, {u"1 2", u""}, {u"0xG", u""}});
    ExpectAll<Text (*)(Text), Text>(IsDecStr, {{u"", u""}, {u"0", u"0"}, {u"00", u""}, {u" 007 ", u"7"}, {u"4294967295", u"4294967295"}, {u"4294967296", u""},
        {u"00004294967295", u"4294967295"}, {u"12345678901", u""}, {u"-1", u""}, {u"1.0", u""}, {u"1 2", u""}});
    ExpectAll<Text (*)(Text), Text>(IsKBStr, {{u"00", u""}, {u" 12 ", u"12"}, {u"4194303", u"4194303"}, {u"4194304", u""}, {u"0004194303", u"4194303"}, {u"1.5", u""}});
    ExpectAll<Text (*)(Text), Text>(IsMBStr, {{u"4095", u"4095"}, {u"4096", u""}, {u"04095", u"4095"}, {u"10000", u""}, {u"2.5", u""}});
    ExpectAll<Text (*)(Text), Text>(IsGBStr, {{u"0", u"0"}, {u" 3 ", u"3"}, {u"4", u""}, {u"03", u""}, {u"a", u""}, {u"", u""}});
    ExpectAll<Boolean (*)(Text), Boolean>(IsDot, {{u"1.5", True}, {u"1..2", True}, {u"15", False}, {u"1\uFF0E5", False}});
    const Text longDigits(40000, u'1'); // too long to measure: refused
    for (auto check : {IsHexStr, IsDecStr, IsKBStr, IsMBStr, IsGBStr})
        EXPECT_EQ(check(longDigits), u"");
    EXPECT_EQ(IsDot(longDigits + u"."), True);
}

TEST(EntryRules, KeysChordsAndShapes) {
    const struct { const EntryRules& rules; Text text; std::size_t start, length; int key, typed; bool zero = false, on = false; } rows[] = {
        {Hex, u"0x1", 3, 0, u'f', u'F'}, {Hex, u"0x1", 3, 0, u'g', 0}, {Hex, u"0x12345678", 10, 0, u'1', 0}, {Hex, u"0x12345678", 2, 1, u'a', u'A'},
        {Hex, u"0x12345678", 0, 2, u'5', 0}, {Hex, u"0x00000000", 10, 0, u'1', u'1'}, {Hex, u"0x00000001", 2, 0, u'F', 0}, {Hex, u"0X1234567", 9, 0, u'8', u'8'}, {Hex, u"0", 1, 0, u'x', u'x'},
        {Hex, u"0x1", 3, 0, u'X', 0}, {Hex, u"", 0, 0, u'x', 0}, {Hex, u"0x12345678", 10, 0, keys::Backspace, keys::Backspace},
        {Hex, u"0x1F", 4, 0, keys::Escape, 0, true}, {Hex, u" 0 ", 1, 0, keys::Escape, 0}, {Hex, u"0x1", 3, 0, keys::Enter, 0, false, true},
        {Dec, u"", 0, 0, u'a', 0}, {Dec, u"0", 1, 0, u'x', 0}, {Dec, u"1234567890", 10, 0, u'1', 0}, {Dec, u"000000000000", 12, 0, u'1', u'1'},
        {Dec, u"12", 2, 0, 3, 0}, {Dec, u"12", 2, 0, u'.', 0}, {Dec, u"1234567890", 0, 10, u'7', u'7'}, {KB, u"0001234567", 10, 0, u'8', 0},
        {KB, u"123456", 6, 0, u'7', u'7'}, {MB, u"4095", 4, 0, u'1', 0}, {GB, u"00", 2, 0, u'3', u'3'}, {GB, u"", 0, 0, u'4', 0},
        {GB, u"1", 1, 0, u'2', 0}, {GB, u"1", 0, 1, u'2', u'2'}};
    for (const auto& row : rows) {
        const KeyOutcome out = FilterKey(row.rules, {row.text, row.start + row.length, row.start, row.length}, std::int16_t(row.key));
        EXPECT_EQ(std::tuple(int(out.KeyAscii), out.resetsToZero, out.movesOn), std::tuple(row.typed, row.zero, row.on)) << Narrow(row.text) << " key " << row.key;
    }
    const struct { std::int16_t code, mask; Boolean copy, paste; } chords[] = {{keys::C, 2, True, False},
        {keys::Insert, 2, True, False}, {keys::C, 3, False, False}, {keys::C, 6, False, False}, {keys::C, 0, False, False},
        {keys::V, 2, False, True}, {keys::Insert, 1, False, True}, {keys::V, 3, False, False}, {keys::Insert, 3, False, False}};
    for (auto [code, mask, copy, paste] : chords)
        EXPECT_EQ(std::pair(IsCopyKey(code, mask), IsPasterKey(code, mask)), std::pair(copy, paste)) << code << " " << mask;
    ExpectAll([](const Text& t) { return IsEntry(Hex, t); }, std::initializer_list<std::pair<Text, bool>>{{u"", true},
        {u"0", true}, {u"0x", true}, {u"x0", true}, {u"0X00000000FFFFFFFF", true}, {u"123456789", false}, {u"50x12", false},
        {u"0x 1", false}, {u"00x1", false}});
    EXPECT_EQ(std::pair(IsEntry(MB, u"4095"), IsEntry(MB, Text(40000, u'0'))), std::pair(true, false)); // too long to measure
}

// Whole values round-trip in the exhaustive check; here what is no whole value or out of range.
TEST(Conversions, OddInputs) {
    ExpectAll<double (*)(Text), double>(DecStr2DoubleValue, {{u"", 0}, {u"007", 7}, {u"1.5", 105}, {u" 12", 12}, {u"12 ", 120}});
    EXPECT_EQ(std::pair(HexStr2DecDoubleValue(u"0xffffffff"), HexStr2DecDoubleValue(u"50x12")), std::pair(4294967295.0, 327698.0));
    EXPECT_EQ(DecStr2DoubleValue(Text(400, u'0').append(u"8")), 8); // found by fuzzing
    EXPECT_THROW(DecStr2DoubleValue(Text(u"1").append(400, u'0')), FloatingPointError);
    EXPECT_THROW(HexStr2DecDoubleValue(Text(u"1").append(300, u'0')), FloatingPointError);
    EXPECT_THROW(DecStr2DoubleValue(Text(32768, u'0')), OverflowError);
    // Bits beyond 0 to 31 (every bit of every value is in the exhaustive check).
    EXPECT_EQ(std::tuple(BitSet(5, 32), BitSet(5, -1), BitClear(-1, 32), BitIsSet(-1, 32)), std::tuple(5, 5, -1, False));
    for (double refused : {4294967295.5, 1e300, -2147483649.0, std::nan("")})
        EXPECT_THROW(DoubleValue2LongValue(refused), OverflowError) << refused;
}

TEST(NumberText, SizeTexts) {
    const std::pair<double, const char*> values[] = {{1, "0.0009|0.0000|0.0000"}, {1536, "1.5|0.0014|0.0000"}, {1048320, "1023.75|0.9997|0.0009"},
        {16777216, "16384|16|0.0156"}, {3221225472, "3145728|3072|3"}, {4294967295, "4194303.9990|4095.9999|3.9999"}};
    for (const auto& [v, texts] : values)
        EXPECT_EQ(Narrow(SizeFieldText(v / 1024) + u"|" + SizeFieldText(v / 1048576) + u"|" + SizeFieldText(v / 1073741824)), texts) << v;
    const std::tuple<double, double, double, Text> converted[] = {{32, 1024, 1048576, u"0.0313"}, {4096, 1024, 1048576, u"4"},
        {4194303, 1024, 1073741824, u"4.0000"}, {3, 1073741824, 1024, u"3145728"}};
    for (const auto& [units, from, to, expected] : converted)
        EXPECT_EQ(ConvertedSizeText(units, from, to), expected) << units << " " << from << " " << to;
}
// clang-format on
