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

constexpr std::int32_t Min32 = -2147483647 - 1;

} // namespace

// clang-format off
TEST(Validation, TextChecks) {
    ExpectAll<Text (*)(Text), Text>(IsHexStr, {{u"", u""}, {u"   ", u""}, {u"0", u"0"}, {u"0X1f", u"0x1f"}, {u" 0xABcd ", u"0xABcd"},
        {u"00000000", u"00000000"}, {u"0x00000001", u"0x00000001"}, {u"123456789", u""}, {u"0x123456789", u""},
        {u"0x", u""}, {u"x1F", u""}, {u"0x0x1", u""}, {u"1 2", u""}, {u"0xG", u""}, {u"\t1", u""}});
    ExpectAll<Text (*)(Text), Text>(IsDecStr, {{u"", u""}, {u"0", u"0"}, {u"00", u""}, {u" 007 ", u"7"}, {u"4294967295", u"4294967295"},
        {u"4294967296", u""}, {u"00004294967295", u"4294967295"}, {u"12345678901", u""}, {u"-1", u""}, {u"1.0", u""}, {u"1 2", u""}});
    ExpectAll<Text (*)(Text), Text>(IsKBStr, {{u"0", u"0"}, {u"00", u""}, {u" 12 ", u"12"}, {u"4194303", u"4194303"}, {u"4194304", u""},
        {u"0004194303", u"4194303"}, {u"12345678", u""}, {u"1.5", u""}});
    ExpectAll<Text (*)(Text), Text>(IsMBStr, {{u"4095", u"4095"}, {u"4096", u""}, {u"04095", u"4095"}, {u"10000", u""}, {u"2.5", u""}});
    ExpectAll<Text (*)(Text), Text>(IsGBStr, {{u"0", u"0"}, {u" 3 ", u"3"}, {u"4", u""}, {u"03", u""}, {u"a", u""}, {u"", u""}});
    ExpectAll<Text (*)(Text), Text>(RemoveHead0, {{u"", u""}, {u"0", u"0"}, {u"00", u""}, {u"0a", u"a"}, {u"10", u"10"}, {u" 0", u" 0"}});
    ExpectAll<Boolean (*)(Text), Boolean>(IsHexChar, {{u"0", True}, {u"9", True}, {u"A", True}, {u"f", True}, {u"G", False},
        {u"x", False}, {u"", False}, {u"@", False}, {u"`", False}, {u"A5", True}, {u"F0", False}});
    ExpectAll<Boolean (*)(Text), Boolean>(IsDot, {{u"1.5", True}, {u"1..2", True}, {u"15", False}, {u"1\uFF0E5", False}});
}

TEST(Validation, EntryRules) {
    ExpectAll<bool (*)(const Text&), bool>(IsHexEntry, {{u"", true}, {u"0", true}, {u"0x", true}, {u"x0", true}, {u"1f", true},
        {u"0X00000000FFFFFFFF", true}, {u"123456789", false}, {u"50x12", false}, {u"0x 1", false}, {u"00x1", false}});
    ExpectAll([](const Text& t) { return IsOutOfRange(t, 4096); }, std::initializer_list<std::pair<Text, bool>>{
        {u"", false}, {u"4095", false}, {u"4096", true}, {u"1.5", true}, {u"9E-10", true}, {u"+3", true},
        {Text(40000, u'0'), true}});
}

TEST(Validation, TextsTooLongToMeasureAreRefused) {
    const Text longDigits(40000, u'1');
    for (auto check : {IsHexStr, IsDecStr, IsKBStr, IsMBStr, IsGBStr})
        EXPECT_EQ(check(longDigits), u"");
    EXPECT_EQ(IsDot(longDigits + u"."), True);
    EXPECT_EQ(GetFormatBinStr(longDigits + u" 1"), longDigits + u"1");
    EXPECT_THROW(DecStr2DoubleValue(Text(32768, u'0')), OverflowError);
}

TEST(Conversions, DigitTexts) {
    ExpectAll<double (*)(Text), double>(DecStr2DoubleValue, {{u"", 0}, {u"4294967295", 4294967295.0}, {u"007", 7},
        {u"1.5", 105}, {u" 12", 12}, {u"12 ", 120}, {u"999999999999999", 999999999999999.0}});
    ExpectAll<double (*)(Text), double>(HexStr2DecDoubleValue, {{u"0x12345678", 305419896}, {u"0xffffffff", 4294967295.0},
        {u"0x", 0}, {u"", 0}, {u"1G", 16}, {u"50x12", 327698}});
    EXPECT_THROW(DecStr2DoubleValue(Text(u"1").append(400, u'0')), FloatingPointError);
    EXPECT_EQ(DecStr2DoubleValue(Text(400, u'0').append(u"8")), 8); // found by fuzzing
    EXPECT_THROW(HexStr2DecDoubleValue(Text(u"1").append(300, u'0')), FloatingPointError);
}

TEST(Conversions, FloatFormToBitPattern) {
    const std::pair<double, std::int32_t> rows[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {2147483646.5, 2147483646},
        {2147483648.0, Min32}, {4294967294.5, -2}, {4294967295.4, -1}, {-1.0, -1}, {-2147483648.5, Min32}};
    for (const auto& [input, expected] : rows)
        EXPECT_EQ(DoubleValue2LongValue(input), expected) << input;
    for (double refused : {4294967295.5, 1e300, -2147483649.0, std::nan("")})
        EXPECT_THROW(DoubleValue2LongValue(refused), OverflowError) << refused;
}

TEST(Conversions, BitPrimitives) {
    EXPECT_EQ(BitSet(0, 31), Min32);                    EXPECT_EQ(BitSet(0, 30), 1073741824);
    EXPECT_EQ(BitSet(5, 32), 5);                        EXPECT_EQ(BitSet(5, -1), 5);
    EXPECT_EQ(BitClear(-1, 31), 2147483647);            EXPECT_EQ(BitClear(-1, 32), -1);
    EXPECT_EQ(BitIsSet(Min32, 31), True);               EXPECT_EQ(BitIsSet(2, 0), False);
    EXPECT_EQ(BitIsSet(-1, 32), False);                 EXPECT_EQ(BitIsSet(-1, -1), False);
}

TEST(Formatting, OddTexts) {
    ExpectAll<Text (*)(Text), Text>(HexStr2BinStr, {{u"", u"0"}, {u"0x", u"0"}, {u"0X00ff", u"1111 1111"}, {u"1G2", u"1 0010"},
        {u"50x12", u"101 0000 0001 0010"}, {u"123456789", u"1 0010 0011 0100 0101 0110 0111 1000 1001"}});
    ExpectAll<Text (*)(Text), Text>(GetFormatBinStr, {{u"", u""}, {u" 1 0000 ", u"10000"}, {u"1\t0", u"1\t0"}});
}

TEST(NumberText, Helpers) {
    ExpectAll<Text (*)(const Text&), Text>(Trim, {{u"  a b  ", u"a b"}, {u"   ", u""}, {u"\t1\t", u"\t1\t"}, {u"\u30001", u"\u30001"}});
    ExpectAll<double (*)(const Text&), double>(LeadingNumber, {{u"12ab", 12}, {u"ab", 0}, {u"", 0}, {u"1.5x", 1.5}, {u".", 0},
        {u"4294967296", 4294967296.0}, {u" 1", 0}, {Text(u"1").append(400, u'0'), HUGE_VAL}});
    ExpectAll<int (*)(const Text&), int>(SignificantLength, {{u"", 0}, {u"000", 0}, {u"00120", 3}, {u"0x1F", 3}});
}

TEST(NumberText, GeneralNumberText) {
    const std::pair<double, Text> rows[] = {{0.0, u"0"}, {1024.0, u"1024"}, {1.5, u"1.5"}, {0.5, u".5"},
        {0.0009765625, u".0009765625"}, {4194303.9990234375, u"4194303.99902344"}, {0.0000009537, u".0000009537"},
        {117.7375688553, u"117.7375688553"}, {999999999999999.9, u"1000000000000000"}, {0.1 + 0.2, u".3"}};
    for (const auto& [input, expected] : rows)
        EXPECT_EQ(GeneralNumberText(input), expected) << input;
}

TEST(NumberText, FixedTextRoundsHalvesAwayFromZero) {
    const std::tuple<double, int, Text> rows[] = {{0.03125, 4, u"0.0313"}, {0.00146484375, 10, u"0.0014648438"},
        {1.5, 4, u"1.5000"}, {3.9999990463256836, 4, u"4.0000"}, {2.5, 0, u"3"}, {0.0, 4, u"0.0000"},
        {2.00005, 4, u"2.0000"} /* just below the half in binary */, {999.99995, 4, u"1000.0000"} /* just above */};
    for (const auto& [x, decimals, expected] : rows)
        EXPECT_EQ(FixedText(x, decimals), expected) << x;
    EXPECT_EQ(ConvertedSizeText(1536, 1024, 1048576), u"1.5000");
    EXPECT_EQ(ConvertedSizeText(4096, 1024, 1048576), u"4");
}
// clang-format on
