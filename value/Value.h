// SPDX-License-Identifier: GPL-3.0-or-later
// The Value library: the number and text rules under every view of the
// register value. Pure functions, no state, no toolkit.
#pragma once

#include "Keys.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

namespace value {

// Texts are strings of 16-bit code units; positions count code units.
using Text = std::u16string;
// The longest text read, which is also what an entry box holds: lengths are
// held in 16-bit integers, so a longer text cannot be measured.
inline constexpr std::size_t MaxTextLength = 32767;
using Boolean = std::int16_t;
inline constexpr Boolean True = -1;
inline constexpr Boolean False = 0;

// Every arithmetic failure the library can raise.
struct ArithmeticError : std::runtime_error {
    using std::runtime_error::runtime_error;
};
// A conversion to a 16- or 32-bit integer out of range.
struct OverflowError : ArithmeticError {
    using ArithmeticError::ArithmeticError;
};
// A double operation that overflows, divides by zero or is invalid.
struct FloatingPointError : ArithmeticError {
    using ArithmeticError::ArithmeticError;
};

// --- Helpers shared by the views ---

// Removes the space character U+0020, and only it, from both ends.
Text Trim(const Text& InputStr);
// Removes spaces, tabs, carriage returns and line feeds from both ends: a
// line copied from a terminal or an editor.
Text TrimLine(const Text& InputStr);
// The number the text begins with (digits, then an optional point and
// digits); 0 when it does not begin with one: "12ab" gives 12, "ab" gives 0.
double LeadingNumber(const Text& InputStr);
// Characters from the first one that is not "0" to the end.
int SignificantLength(const Text& InputStr);
// The hexadecimal prefix, read in one place: the length of the prefix a text
// begins with, 2 for "0x" or "0X" (also with nothing after it), 1 for an "x"
// or "X" whose "0" was deleted, else 0.
std::size_t HexPrefixLength(const Text& InputStr);
// Whether a text begins with "0x" or "0X" and something follows it; the text
// after such a prefix, or the whole text.
bool HasHexPrefix(const Text& InputStr);
Text WithoutHexPrefix(const Text& InputStr);
// Digits with the prefix "0x", the one place that writes it.
Text WithHexPrefix(const Text& digits);
// x rounded to 15 significant digits, without trailing fraction zeros, no
// digit before the point below 1 (".5"), always plain, never with an
// exponent. The sign space of non-negative numbers is left out.
Text GeneralNumberText(double x);
// x rounded to n decimals, halves away from zero on its exact binary value,
// with at least one digit before the point: "0.0313" for 0.03125, n = 4.
Text FixedText(double x, int n);
// A whole double as plain decimal digits: no sign, point or exponent.
inline Text DecimalDigits(double x) {
    return FixedText(x, 0);
}
// q units as a size box shows them when the value was set elsewhere: the
// fixed text with ten decimals as a general number text, cut (not rounded)
// after the fourth decimal: "0.9997" for 0.999755859375, "1.5" for 1.5.
Text SizeFieldText(double q);
// A whole number of units of one size box in another box's unit: whole
// results as digits ("1024"), others rounded to four decimals ("1.5000").
Text ConvertedSizeText(double units, double fromUnit, double toUnit);

// --- Hex and decimal text validation ---

Boolean IsHexChar(Text KeyAscii);
Text IsHexStr(Text InputStr);
Text RemoveHead0(Text InputStr);
Text IsDecStr(Text InputStr);
Boolean IsDot(Text InputStr);

// --- Number conversions and bit primitives ---

double DecStr2DoubleValue(Text DecStr);
std::int32_t DoubleValue2LongValue(double DecValue);
double HexValue2DoubleVal(std::int32_t Hex);
double HexStr2DecDoubleValue(Text Hex);
std::int32_t BitSet(std::int32_t lNumber, std::int16_t iBit);
std::int32_t BitClear(std::int32_t lNumber, std::int16_t iBit);
Boolean BitIsSet(std::int32_t lNumber, std::int16_t iBit);

// --- Hex and binary text formatting ---

Text HexVal2HexStr(std::int32_t Hex);
// The hexadecimal text as the system writes it: "0x1F".
inline Text HexText(std::int32_t pattern) {
    return WithHexPrefix(HexVal2HexStr(pattern));
}
Text HexValue2BinStr(std::int32_t Hex);
Text HexStr2BinStr(Text Hex);
Text GetFormatBinStr(Text InBinStr);

// --- What the entry boxes accept ---

// What kind of number a box holds: the hexadecimal box takes the prefix "0x"
// and the digits "A" to "F"; a size box counts units of its size.
enum class EntryKind { Hexadecimal, Decimal, Size };

// One entry box's rules, the one definition that typing, a paste and the
// refresh cycle share: how many significant digits typing may give, the
// highest digit, the number from which a whole-number text is out of range,
// and the bytes one unit stands for.
struct EntryRules {
    EntryKind kind;
    int digits;
    char16_t highestDigit;
    double limit;
    double unit;
    bool IsHexadecimal() const { return kind == EntryKind::Hexadecimal; }
};

inline constexpr EntryRules HexEntry{
    .kind = EntryKind::Hexadecimal, .digits = 8, .highestDigit = u'F', .limit = 0, .unit = 1};
inline constexpr EntryRules DecEntry{.kind = EntryKind::Decimal,
                                     .digits = 10,
                                     .highestDigit = u'9',
                                     .limit = 4294967296.0,
                                     .unit = 1};
inline constexpr EntryRules KBEntry{
    .kind = EntryKind::Size, .digits = 7, .highestDigit = u'9', .limit = 4194304.0, .unit = 1024};
inline constexpr EntryRules MBEntry{
    .kind = EntryKind::Size, .digits = 4, .highestDigit = u'9', .limit = 4096.0, .unit = 1048576};
inline constexpr EntryRules GBEntry{
    .kind = EntryKind::Size, .digits = 1, .highestDigit = u'3', .limit = 4.0, .unit = 1073741824};

// A box as a key press finds it; positions count code units from 0.
struct EditState {
    Text text;
    std::size_t caret = 0;
    std::size_t selectionStart = 0;
    std::size_t selectionLength = 0;
};

// What a key press does in a box.
struct KeyOutcome {
    std::int16_t KeyAscii; // the character the box applies; 0 cancels it
    bool resetsToZero;     // Esc: the box text becomes "0"
    bool movesOn;          // Enter: the focus moves to the next box
};

// Esc and Enter act and are cancelled; Backspace passes; the box's digits
// pass until it holds as many significant digits as it takes, unless a
// selection is typed over (a hexadecimal digit also never where it would
// make more); everything else is cancelled.
KeyOutcome FilterKey(const EntryRules& rules, const EditState& box, std::int16_t KeyAscii);
// A number text is out of range when it holds anything but the digits "0"
// to "9" (its reading would be ambiguous), when its number is limit or more,
// or when it is too long to measure.
bool IsOutOfRange(const Text& trimmed, double limit);
// The shape typing and a validated paste give the hexadecimal box: a
// prefix, even an unfinished one, then hexadecimal digits of which at most 8
// are significant.
bool IsHexEntry(const Text& trimmed);
// Whether a key release takes a box's trimmed text as the value.
bool IsEntry(const EntryRules& rules, const Text& trimmed);
// A register value as programmers write it, spaces, tabs and line ends
// around it left out: decimal ("31", a leading 0 is no octal), hexadecimal
// with "0x" or "0X" ("0x1F") or assembler's "h" ("1Fh"), binary with "0b" or
// "0B"; a separator ' or _ between two digits ("1'000", "0xdead_beef"); C's
// suffixes u, l, ll, ul, ull, lu, llu in either case; a negative decimal as
// its 32-bit two's complement ("-1" is 0xFFFFFFFF). None for anything else,
// or a value beyond 32 bits.
struct ArgumentValue {
    std::int32_t pattern;
    bool hexadecimal; // written in hexadecimal or binary
};
std::optional<ArgumentValue> ReadValueText(const Text& argument);
// Such a value as its box shows it: "0x" and capital hexadecimal digits, or
// decimal digits; "" for none.
Text ValueArgument(const Text& argument);
// A size box's text for the value a decimal text holds, as the size boxes
// are filled when the value was set elsewhere.
Text SizeText(const Text& decimalDigits, const EntryRules& size);
// Every view of a value, as the window shows them once the value is typed
// into the decimal box.
struct Views {
    Text hex;      // "0x1F"
    Text dec;      // "31"
    Text bin;      // "1 1111"
    Text setBits;  // "4 3 2 1 0", highest first; "none"
    Text sizes[3]; // KB, MB and GB: "0.0302", "0.0000", "0.0000"
};
Views ViewsOf(std::int32_t pattern);
// The views a line each: "hex  0x1F", "dec  31", "bin  1 1111",
// "bits 4 3 2 1 0", "KB   0.0302", "MB   0.0000", "GB   0.0000".
Text ViewsText(std::int32_t pattern);
// Ctrl+C and Ctrl+Insert; Ctrl+V and Shift+Insert. The mask must match
// exactly: Ctrl+Shift+C is neither.
Boolean IsCopyKey(std::int16_t& KeyCode, std::int16_t& Shift);
Boolean IsPasterKey(std::int16_t& KeyCode, std::int16_t& Shift);

// --- Size text validation ---

Text IsKBStr(Text InputStr);
Text IsMBStr(Text InputStr);
Text IsGBStr(Text InputStr);

} // namespace value
