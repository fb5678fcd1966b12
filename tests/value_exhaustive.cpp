// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the conversions and formatters on (nearly) every 32-bit value
// against a formatting that shares no code with the library. The float-form
// round trip is cheap and covers all 2^32 values; the formatters allocate
// texts, so they cover every 24-bit value under the high bytes 0x00 and 0xFF,
// and 2^25 values spread over the whole range.
#include "Value.h"

#include <atomic>
#include <cstdio>
#include <string>
#include <thread>

using value::Text;

namespace {

std::atomic<unsigned> failures{0};

void Expect(bool ok, const char* what, std::uint32_t v) {
    if (!ok && failures++ < 20)
        std::printf("FAIL %s for 0x%08X\n", what, v);
}

Text Widen(const std::string& s) {
    return Text(s.begin(), s.end());
}

void CheckRoundTrip(std::uint32_t v) {
    const std::int32_t pattern = value::DoubleValue2LongValue(v);
    Expect(static_cast<std::uint32_t>(pattern) == v, "DoubleValue2LongValue", v);
    Expect(value::HexValue2DoubleVal(pattern) == v, "HexValue2DoubleVal", v);
}

void CheckFormatting(std::uint32_t v) {
    std::string bits; // without leading zeros, then in groups of four from the right
    for (int bit = 31; bit >= 0; --bit) {
        if (!bits.empty() || (v >> bit & 1u) || bit == 0)
            bits += (v >> bit & 1u) ? '1' : '0';
    }
    std::string grouped;
    for (std::size_t i = 0; i < bits.size(); ++i)
        grouped += std::string(i > 0 && (bits.size() - i) % 4 == 0 ? " " : "") + bits[i];
    char hex[16], typed[16];
    std::snprintf(hex, sizeof hex, "%X", v);
    const char* const forms[] = {"0x%X", "0x%x", "0X%08x", "%X", "%08X", "%x"}; // as typed
    std::snprintf(typed, sizeof typed, forms[v % 6], v);
    const auto pattern = static_cast<std::int32_t>(v);
    Expect(value::HexVal2HexStr(pattern) == Widen(hex), "HexVal2HexStr", v);
    Expect(value::HexValue2BinStr(pattern) == Widen(grouped), "HexValue2BinStr", v);
    Expect(value::HexStr2BinStr(Widen(typed)) == Widen(grouped), "HexStr2BinStr", v);
    Expect(value::GetFormatBinStr(Widen(grouped)) == Widen(bits), "GetFormatBinStr", v);
}

// Runs check(value(i)) for i in [0, count) on two threads.
template <typename Check, typename Value>
void Parallel(std::uint64_t count, Check check, Value value) {
    std::thread other([=] {
        for (std::uint64_t i = 1; i < count; i += 2)
            check(value(i));
    });
    for (std::uint64_t i = 0; i < count; i += 2)
        check(value(i));
    other.join();
}

} // namespace

int main() {
    Parallel(std::uint64_t{1} << 32, CheckRoundTrip,
             [](std::uint64_t i) { return static_cast<std::uint32_t>(i); });
    Parallel(std::uint64_t{4} << 24, CheckFormatting, [](std::uint64_t i) {
        const auto low = static_cast<std::uint32_t>(i & 0xFFFFFF);
        return i < (2 << 24) ? (i >> 24 ? 0xFF000000 | low : low)
                             : static_cast<std::uint32_t>(i * 2654435761u);
    });
    std::printf("all 4294967296 values round trip; %d values formatted; %u failures\n", 4 << 24,
                failures.load());
    return failures == 0 ? 0 : 1;
}
