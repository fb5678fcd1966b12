// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the Value library: arbitrary 16-bit texts into every
// validator, converter, formatter and the command line's reader.
#include "Value.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <utility>

using namespace value;

namespace {

void Require(bool property) {
    if (!property)
        std::abort();
}

// A text that a check accepted converts without an error, into the register's
// range, and its binary text agrees with that of its value.
void CheckHexValue(const Text& accepted) {
    const double v = HexStr2DecDoubleValue(accepted);
    Require(v >= 0 && v <= 4294967295.0);
    Require(HexStr2BinStr(accepted) == HexValue2BinStr(DoubleValue2LongValue(v)));
}

void CheckWholeNumber(const Text& accepted, double unit) {
    const double bytes = DecStr2DoubleValue(accepted) * unit;
    Require(bytes >= 0 && bytes <= 4294967295.0);
    Require(HexValue2DoubleVal(DoubleValue2LongValue(bytes)) == bytes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Text text(size / 2, u'\0');
    std::memcpy(text.data(), data, text.size() * 2);

    // The checks and helpers never raise, for any text of any length.
    const Text hex = IsHexStr(text), trimmed = Trim(text);
    (void)IsDot(text), (void)IsHexChar(text), (void)RemoveHead0(text), (void)GetFormatBinStr(text);
    (void)HexStr2BinStr(text), (void)LeadingNumber(text), (void)SignificantLength(text);

    // What the hexadecimal box accepts, trimmed, and what its key release converts.
    for (const Text& accepted :
         {hex, hex.empty() ? Text() : trimmed, IsHexEntry(trimmed) ? trimmed : Text()}) {
        if (!accepted.empty())
            CheckHexValue(accepted);
    }
    // What each whole-number box accepts; with the decimal box's key release.
    const std::pair<Text, double> wholeNumbers[] = {
        {IsDecStr(text), 1},
        {IsKBStr(text), 1024},
        {IsMBStr(text), 1048576},
        {IsGBStr(text), 1073741824},
        {IsOutOfRange(trimmed, 4294967296.0) ? u"" : trimmed, 1}};
    for (const auto& [accepted, unit] : wholeNumbers) {
        if (!accepted.empty())
            CheckWholeNumber(accepted, unit);
    }

    // What the command line reads opens in its box as a paste would, with all
    // its views; what a paste takes into the decimal box, or into the
    // hexadecimal box with its prefix, the command line reads too.
    const Text shown = ValueArgument(text), line = TrimLine(text);
    if (!shown.empty()) {
        Require(!(HasHexPrefix(shown) ? IsHexStr(shown) : IsDecStr(shown)).empty());
        (void)ViewsText(ReadValueText(text)->pattern);
    }
    if (!IsDecStr(line).empty() || (HasHexPrefix(line) && !IsHexStr(line).empty()))
        Require(!shown.empty());
    return 0;
}
