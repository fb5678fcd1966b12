// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the conversions and formatters on (nearly) every 32-bit value
// against a formatting that shares no code with the library. The float-form
// round trip is cheap and covers all 2^32 values; the formatters allocate
// texts, so they cover every 24-bit value under the high bytes 0x00, 0x7F,
// 0x80 and 0xFF, plus a seeded random sample.
#include "Value.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <thread>
#include <vector>

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
    for (int bit = 31; bit >= 0; --bit)
        if (!bits.empty() || (v >> bit & 1u) || bit == 0)
            bits += (v >> bit & 1u) ? '1' : '0';
    std::string grouped;
    for (std::size_t i = 0; i < bits.size(); ++i)
        grouped += std::string((i > 0 && (bits.size() - i) % 4 == 0) ? " " : "") + bits[i];
    char hex[16], typed[16];
    std::snprintf(hex, sizeof hex, "%X", v);
    static const char* const forms[] = {"0x%X", "0x%x", "0X%08x",
                                        "%X",   "%08X", "%x"}; // as a user may type
    std::snprintf(typed, sizeof typed, forms[v % 6], v);
    const auto pattern = static_cast<std::int32_t>(v);
    Expect(value::HexVal2HexStr(pattern) == Widen(hex), "HexVal2HexStr", v);
    Expect(value::HexValue2BinStr(pattern) == Widen(grouped), "HexValue2BinStr", v);
    Expect(value::HexStr2BinStr(Widen(typed)) == Widen(grouped), "HexStr2BinStr", v);
    Expect(value::GetFormatBinStr(Widen(grouped)) == Widen(bits), "GetFormatBinStr", v);
}

// Runs check(value(i)) for i in [0, count) on every core.
template <typename Check, typename Value>
double Parallel(std::uint64_t count, Check check, Value value) {
    const auto start = std::chrono::steady_clock::now();
    const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::thread> workers;
    for (unsigned t = 0; t < threads; ++t)
        workers.emplace_back([=] {
            for (std::uint64_t i = t; i < count; i += threads)
                check(value(i));
        });
    for (auto& worker : workers)
        worker.join();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main() {
    const double roundTrip = Parallel(std::uint64_t{1} << 32, CheckRoundTrip, [](std::uint64_t i) {
        return static_cast<std::uint32_t>(i);
    });
    std::printf("round trip: all 4294967296 values in %.1f s\n", roundTrip);

    constexpr std::uint32_t highBytes[] = {0x00, 0x7F, 0x80, 0xFF};
    std::mt19937 random(20261206);
    std::vector<std::uint32_t> sample(4'000'000);
    for (auto& v : sample)
        v = static_cast<std::uint32_t>(random());
    const double seconds =
        Parallel(std::uint64_t{4} << 24, CheckFormatting,
                 [&](std::uint64_t i) {
                     return highBytes[i >> 24] << 24 | static_cast<std::uint32_t>(i & 0xFFFFFF);
                 }) +
        Parallel(sample.size(), CheckFormatting, [&](std::uint64_t i) { return sample[i]; });
    const double count = 4.0 * (1 << 24) + static_cast<double>(sample.size());
    std::printf("formatting: %.0f values in %.1f s (all 2^32 would take about %.0f s)\n", count,
                seconds, seconds / count * 4294967296.0);
    std::printf("%u failures\n", failures.load());
    return failures == 0 ? 0 : 1;
}
