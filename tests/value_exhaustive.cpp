// Checks the conversions and formatters on (nearly) every 32-bit value
// against a formatting that shares no code with the library.
//
// The float-form round trip is cheap and runs over all 2^32 values. The four
// formatters allocate texts, so they run over every 24-bit value under the
// high bytes 0x00, 0x7F, 0x80 and 0xFF, plus a seeded random sample.
#include "Value.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <thread>
#include <vector>

using value::Text;

namespace {

std::atomic<std::uint64_t> failures{0};

void Fail(const char* what, std::uint32_t v) {
    if (failures.fetch_add(1) < 20)
        std::printf("FAIL %s for 0x%08X\n", what, v);
}

Text Widen(const std::string& s) {
    return Text(s.begin(), s.end());
}

// The bits, most significant first, without leading zeros ("0" for zero).
std::string BareBits(std::uint32_t v) {
    std::string bits;
    for (int bit = 31; bit >= 0; --bit)
        bits += (v >> bit) & 1u ? '1' : '0';
    const auto first = bits.find('1');
    return first == std::string::npos ? "0" : bits.substr(first);
}

// Groups of four counted from the right, one space between groups.
std::string Grouped(const std::string& bits) {
    std::string out;
    for (std::size_t i = 0; i < bits.size(); ++i) {
        if (i > 0 && (bits.size() - i) % 4 == 0)
            out += ' ';
        out += bits[i];
    }
    return out;
}

// The ways a user may write the same value, chosen by its low bits.
std::string TypedHex(std::uint32_t v) {
    static const char* const forms[] = {"0x%X", "0x%x", "0X%08x", "%X", "%08X", "%x"};
    char text[16];
    std::snprintf(text, sizeof text, forms[v % 6], v);
    return text;
}

void CheckFormatting(std::uint32_t v) {
    const auto pattern = static_cast<std::int32_t>(v);
    char hex[16];
    std::snprintf(hex, sizeof hex, "%X", v);
    const std::string bits = BareBits(v);
    const Text binary = Widen(Grouped(bits));

    if (value::HexVal2HexStr(pattern) != Widen(hex))
        Fail("HexVal2HexStr", v);
    if (value::HexValue2BinStr(pattern) != binary)
        Fail("HexValue2BinStr", v);
    if (value::HexStr2BinStr(Widen(TypedHex(v))) != binary)
        Fail("HexStr2BinStr", v);
    if (value::GetFormatBinStr(binary) != Widen(bits))
        Fail("GetFormatBinStr", v);
}

void CheckRoundTrip(std::uint32_t v) {
    const double floatForm = static_cast<double>(v);
    const std::int32_t pattern = value::DoubleValue2LongValue(floatForm);
    if (static_cast<std::uint32_t>(pattern) != v)
        Fail("DoubleValue2LongValue", v);
    if (value::HexValue2DoubleVal(pattern) != floatForm)
        Fail("HexValue2DoubleVal", v);
}

// Runs check(v) for v in [begin, end) split across the machine's cores.
template <typename Check> void Parallel(std::uint64_t begin, std::uint64_t end, Check check) {
    const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    const std::uint64_t step = (end - begin + threads - 1) / threads;
    std::vector<std::thread> workers;
    for (unsigned t = 0; t < threads; ++t) {
        const std::uint64_t from = begin + t * step;
        const std::uint64_t to = std::min(end, from + step);
        workers.emplace_back([=] {
            for (std::uint64_t i = from; i < to; ++i)
                check(i);
        });
    }
    for (auto& worker : workers)
        worker.join();
}

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

} // namespace

int main() {
    auto start = std::chrono::steady_clock::now();
    Parallel(0, std::uint64_t{1} << 32,
             [](std::uint64_t v) { CheckRoundTrip(static_cast<std::uint32_t>(v)); });
    std::printf("round trip: 4294967296 values in %.1f s\n", Seconds(start));

    start = std::chrono::steady_clock::now();
    constexpr std::uint32_t highBytes[] = {0x00, 0x7F, 0x80, 0xFF};
    Parallel(0, std::uint64_t{4} << 24, [&](std::uint64_t i) {
        CheckFormatting(highBytes[i >> 24] << 24 | static_cast<std::uint32_t>(i & 0xFFFFFF));
    });
    constexpr std::uint64_t sampleSize = 4'000'000;
    std::mt19937 random(20261206);
    std::vector<std::uint32_t> sample(sampleSize);
    for (auto& v : sample)
        v = static_cast<std::uint32_t>(random());
    Parallel(0, sampleSize, [&](std::uint64_t i) { CheckFormatting(sample[i]); });
    const double formatting = Seconds(start);
    const double values = 4.0 * (1 << 24) + sampleSize;
    std::printf("formatting: %.0f values in %.1f s (all 2^32 would take about %.0f s)\n", values,
                formatting, formatting / values * 4294967296.0);

    std::printf("%llu failures\n", static_cast<unsigned long long>(failures.load()));
    return failures.load() == 0 ? 0 : 1;
}
