// Unit tests of the Value library, one table a rule.
#include "Value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using namespace value;

namespace {

struct TextCase {
    Text input;
    Text expected;
};

template <typename Function>
void ExpectTexts(Function function, std::initializer_list<TextCase> cases) {
    for (const auto& [input, expected] : cases)
        EXPECT_EQ(function(input), expected)
            << "input \"" << std::string(input.begin(), input.end()) << '"';
}

const Text longDigits(40000, u'1');

} // namespace

TEST(Validation, IsHexStr) {
    ExpectTexts(IsHexStr, {{u"", u""},
                           {u"   ", u""},
                           {u"0", u"0"},
                           {u"0x0", u"0x0"},
                           {u"0X1f", u"0x1f"},
                           {u" 0xABcd ", u"0xABcd"},
                           {u"00000000", u"00000000"},
                           {u"0x00000001", u"0x00000001"},
                           {u"123456789", u""},
                           {u"0x123456789", u""},
                           {u"0x", u""},
                           {u"x1F", u""},
                           {u"0x0x1", u""},
                           {u"1 2", u""},
                           {u"0xG", u""},
                           {u"\t1", u""},
                           {u"\uFF11", u""}});
}

TEST(Validation, IsHexCharComparesWholeTexts) {
    const std::pair<Text, Boolean> cases[] = {
        {u"0", True},   {u"9", True},  {u"A", True},  {u"F", True},  {u"a", True}, {u"f", True},
        {u"G", False},  {u"g", False}, {u"x", False}, {u" ", False}, {u"", False}, {u"A5", True},
        {u"F0", False}, {u"@", False}, {u"`", False}, {u":", False}};
    for (const auto& [input, expected] : cases)
        EXPECT_EQ(IsHexChar(input), expected) << std::string(input.begin(), input.end());
}

TEST(Validation, IsDecStr) {
    ExpectTexts(IsDecStr, {{u"", u""},
                           {u"  ", u""},
                           {u"0", u"0"},
                           {u"00", u""},
                           {u"007", u"7"},
                           {u" 42 ", u"42"},
                           {u"4294967295", u"4294967295"},
                           {u"4294967296", u""},
                           {u"9999999999", u""},
                           {u"00004294967295", u"4294967295"},
                           {u"12345678901", u""},
                           {u"-1", u""},
                           {u"+1", u""},
                           {u"1.0", u""},
                           {u"1 2", u""}});
}

TEST(Validation, RemoveHead0) {
    ExpectTexts(
        RemoveHead0,
        {{u"", u""}, {u"0", u"0"}, {u"00", u""}, {u"0a", u"a"}, {u"10", u"10"}, {u" 0", u" 0"}});
}

TEST(Validation, IsDot) {
    const std::pair<Text, Boolean> cases[] = {{u"1.5", True},  {u".", True},
                                              {u"15", False},  {u"", False},
                                              {u"1..2", True}, {u"1\uFF0E5", False}};
    for (const auto& [input, expected] : cases)
        EXPECT_EQ(IsDot(input), expected);
}

TEST(Validation, SizeTexts) {
    ExpectTexts(IsKBStr, {{u"", u""},
                          {u"0", u"0"},
                          {u"00", u""},
                          {u" 12 ", u"12"},
                          {u"4194303", u"4194303"},
                          {u"4194304", u""},
                          {u"0004194303", u"4194303"},
                          {u"12345678", u""},
                          {u"1.5", u""},
                          {u"-1", u""},
                          {u"1 2", u""}});
    ExpectTexts(IsMBStr, {{u"4095", u"4095"},
                          {u"4096", u""},
                          {u"04095", u"4095"},
                          {u"10000", u""},
                          {u"0", u"0"},
                          {u"00", u""},
                          {u"2.5", u""}});
    ExpectTexts(IsGBStr, {{u"0", u"0"},
                          {u"3", u"3"},
                          {u" 3 ", u"3"},
                          {u"4", u""},
                          {u"9", u""},
                          {u"03", u""},
                          {u"a", u""},
                          {u"", u""}});
}

TEST(Validation, TextsTooLongToMeasureAreRefused) {
    for (auto check : {IsHexStr, IsDecStr, IsKBStr, IsMBStr, IsGBStr})
        EXPECT_EQ(check(longDigits), u"");
    EXPECT_EQ(IsDot(longDigits + u"."), True);
    EXPECT_EQ(GetFormatBinStr(Text(20000, u'1') + Text(20000, u' ')), Text(20000, u'1'));
    EXPECT_THROW(DecStr2DoubleValue(Text(32768, u'0')), OverflowError);
}

TEST(Conversions, DecStr2DoubleValue) {
    const std::pair<Text, double> cases[] = {
        {u"", 0},      {u"0", 0},     {u"4294967295", 4294967295.0},
        {u"007", 7},   {u"1.5", 105}, {u" 12", 12},
        {u"12 ", 120}, {u"12a", 120}, {u"999999999999999", 999999999999999.0}};
    for (const auto& [input, expected] : cases)
        EXPECT_EQ(DecStr2DoubleValue(input), expected);
    EXPECT_THROW(DecStr2DoubleValue(Text(u"1").append(400, u'0')), FloatingPointError);
}

TEST(Conversions, DoubleValue2LongValue) {
    const std::pair<double, std::int32_t> cases[] = {
        {0.0, 0},
        {0.5, 0},
        {1.5, 2},
        {2.5, 2},
        {3.5, 4},
        {2147483646.5, 2147483646},
        {2147483647.0, 2147483647},
        {2147483648.0, std::numeric_limits<std::int32_t>::min()},
        {4294967294.5, -2},
        {4294967295.0, -1},
        {4294967295.4, -1},
        {-1.0, -1},
        {-2147483648.5, std::numeric_limits<std::int32_t>::min()}};
    for (const auto& [input, expected] : cases)
        EXPECT_EQ(DoubleValue2LongValue(input), expected) << input;
    for (double refused : {4294967295.5, 1e300, -2147483649.0, std::nan("")})
        EXPECT_THROW(DoubleValue2LongValue(refused), OverflowError) << refused;
}

TEST(Conversions, HexStr2DecDoubleValue) {
    const std::pair<Text, double> cases[] = {{u"0x12345678", 305419896},
                                             {u"FFFFFFFF", 4294967295.0},
                                             {u"0xffffffff", 4294967295.0},
                                             {u"0x", 0},
                                             {u"", 0},
                                             {u"1G", 16},
                                             {u"50x12", 327698},
                                             {u"0X1F", 31}};
    for (const auto& [input, expected] : cases)
        EXPECT_EQ(HexStr2DecDoubleValue(input), expected);
    EXPECT_THROW(HexStr2DecDoubleValue(Text(u"1").append(300, u'0')), FloatingPointError);
}

TEST(Conversions, BitPrimitives) {
    constexpr std::int32_t min = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(BitSet(0, 31), min);
    EXPECT_EQ(BitSet(0, 30), 1073741824);
    EXPECT_EQ(BitSet(5, 32), 5);
    EXPECT_EQ(BitSet(5, -1), 5);
    EXPECT_EQ(BitClear(-1, 31), 2147483647);
    EXPECT_EQ(BitClear(-1, 0), -2);
    EXPECT_EQ(BitClear(-1, 32), -1);
    EXPECT_EQ(BitIsSet(min, 31), True);
    EXPECT_EQ(BitIsSet(1, 0), True);
    EXPECT_EQ(BitIsSet(2, 0), False);
    EXPECT_EQ(BitIsSet(-1, 32), False);
    EXPECT_EQ(BitIsSet(-1, -1), False);
}

TEST(Formatting, HexStr2BinStrSkipsNonDigits) {
    ExpectTexts(HexStr2BinStr, {{u"", u"0"},
                                {u"0x", u"0"},
                                {u"0x0", u"0"},
                                {u"0X00ff", u"1111 1111"},
                                {u"0x8", u"1000"},
                                {u"1G2", u"1 0010"},
                                {u"50x12", u"101 0000 0001 0010"},
                                {u"123456789", u"1 0010 0011 0100 0101 0110 0111 1000 1001"}});
}

TEST(Formatting, GetFormatBinStrDropsOnlySpaces) {
    ExpectTexts(GetFormatBinStr, {{u"", u""},
                                  {u"0", u"0"},
                                  {u" 1 0000 ", u"10000"},
                                  {u"1010 0101", u"10100101"},
                                  {u"1\t0", u"1\t0"}});
}

TEST(NumberText, TrimLeadingNumberSignificantLength) {
    ExpectTexts(
        Trim,
        {{u"  a b  ", u"a b"}, {u"   ", u""}, {u"\t1\t", u"\t1\t"}, {u"\u30001", u"\u30001"}});
    const std::pair<Text, double> numbers[] = {
        {u"12ab", 12}, {u"ab", 0},
        {u"", 0},      {u"1.5x", 1.5},
        {u".", 0},     {u"4294967296", 4294967296.0},
        {u" 1", 0},    {Text(u"1").append(400, u'0'), HUGE_VAL}};
    for (const auto& [input, expected] : numbers)
        EXPECT_EQ(LeadingNumber(input), expected);
    const std::pair<Text, int> lengths[] = {
        {u"", 0}, {u"000", 0}, {u"00120", 3}, {u"0x1F", 3}, {u"12", 2}};
    for (const auto& [input, expected] : lengths)
        EXPECT_EQ(SignificantLength(input), expected);
}

TEST(NumberText, GeneralNumberText) {
    const std::pair<double, Text> cases[] = {{0.0, u"0"},
                                             {1.0, u"1"},
                                             {1024.0, u"1024"},
                                             {1.5, u"1.5"},
                                             {0.5, u".5"},
                                             {0.0009765625, u".0009765625"},
                                             {4194303.9990234375, u"4194303.99902344"},
                                             {0.000243187, u".000243187"},
                                             {0.0000009537, u".0000009537"},
                                             {0.0000000009, u".0000000009"},
                                             {117.7375688553, u"117.7375688553"},
                                             {999999999999999.9, u"1000000000000000"},
                                             {0.1 + 0.2, u".3"}};
    for (const auto& [input, expected] : cases)
        EXPECT_EQ(GeneralNumberText(input), expected) << input;
}

TEST(NumberText, FixedTextRoundsHalvesAwayFromZero) {
    struct Case {
        double x;
        int decimals;
        Text expected;
    };
    const Case cases[] = {{0.03125, 4, u"0.0313"},
                          {0.00146484375, 10, u"0.0014648438"},
                          {0.0009765625, 10, u"0.0009765625"},
                          {1.5, 4, u"1.5000"},
                          {1023.75, 10, u"1023.7500000000"},
                          {3.9999990463256836, 4, u"4.0000"},
                          {2.00005, 4, u"2.0000"},      // just below the half in binary
                          {999.99995, 4, u"1000.0000"}, // just above it
                          {2.5, 0, u"3"},
                          {0.0, 4, u"0.0000"},
                          {9.5367431640625e-07, 10, u"0.0000009537"},
                          {4194303.9990234375, 10, u"4194303.9990234375"}};
    for (const auto& [x, decimals, expected] : cases)
        EXPECT_EQ(FixedText(x, decimals), expected) << x;
}
