// SPDX-License-Identifier: GPL-3.0-or-later
// The register value between its float form, its 32-bit bit pattern and its
// digit texts, and single bits of the bit pattern.
#include "TextRules.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace value {

namespace {

// Rounds to the nearest whole number, ties to even (2.5 gives 2, 3.5 gives 4).
double RoundHalfEven(double x) {
    const double below = std::floor(x);
    const double rest = x - below;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(below, 2.0) != 0.0))
        return below + 1.0;
    return below;
}

std::uint32_t Mask(std::int16_t iBit) {
    return std::uint32_t{1} << iBit;
}

bool IsBitIndex(std::int16_t iBit) {
    return iBit >= 0 && iBit <= 31;
}

} // namespace

double DecStr2DoubleValue(Text DecStr) {
    if (DecStr.size() > MaxTextLength)
        throw OverflowError("text too long to measure");
    const auto n = DecStr.size();
    double acc = 0.0;
    // From the right: a character that is no digit adds nothing but still
    // takes its position, so "1.5" is 105. A zero adds nothing either, so its
    // power is not computed: leading zeros beyond 10^308 do not overflow.
    for (std::size_t i = 1; i <= n; ++i) {
        const char16_t c = DecStr[n - i];
        const int digit = detail::IsDecimalDigit(c) ? c - u'0' : 0;
        if (digit == 0)
            continue;
        const double power = std::pow(10.0, static_cast<double>(i - 1));
        detail::RequireFinite(power);
        acc = power * digit + acc;
        detail::RequireFinite(acc);
    }
    return acc;
}

std::int32_t DoubleValue2LongValue(double DecValue) {
    // Values from 2^31 up carry bit 31 as the sign bit of the pattern.
    const bool bit31 = DecValue >= 2147483648.0;
    if (bit31)
        DecValue -= 2147483648.0;
    const double rounded = RoundHalfEven(DecValue);
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0))
        throw OverflowError("value out of the 32-bit range");
    const auto pattern = static_cast<std::int32_t>(rounded);
    return bit31 ? BitSet(pattern, 31) : pattern;
}

double HexValue2DoubleVal(std::int32_t Hex) {
    // The sum of the weights of the set bits: the unsigned reading, exact.
    return static_cast<double>(static_cast<std::uint32_t>(Hex));
}

double HexStr2DecDoubleValue(Text Hex) {
    const auto n = Hex.size();
    double acc = 0.0;
    // From the right: "x", "X" and any other non-digit take a position too,
    // so "50x12" is 0x50012.
    for (std::size_t i = 1; i <= n; ++i) {
        const int digit = detail::HexDigitValue(Hex[n - i]);
        if (digit <= 0)
            continue;
        // 16 to a power beyond 255 leaves the double range: the sum overflows.
        const auto exponent = static_cast<int>(std::min<std::size_t>(4 * (i - 1), 2048));
        acc = digit * std::ldexp(1.0, exponent) + acc;
        detail::RequireFinite(acc);
    }
    return acc;
}

std::int32_t BitSet(std::int32_t lNumber, std::int16_t iBit) {
    if (!IsBitIndex(iBit))
        return lNumber;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(lNumber) | Mask(iBit));
}

std::int32_t BitClear(std::int32_t lNumber, std::int16_t iBit) {
    if (!IsBitIndex(iBit))
        return lNumber;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(lNumber) & ~Mask(iBit));
}

Boolean BitIsSet(std::int32_t lNumber, std::int16_t iBit) {
    if (!IsBitIndex(iBit))
        return False;
    return (static_cast<std::uint32_t>(lNumber) & Mask(iBit)) != 0 ? True : False;
}

} // namespace value
