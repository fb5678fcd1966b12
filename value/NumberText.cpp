// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers shared by the views: trimming, the leading number, the significant
// length and the two ways a double becomes display text.
#include "TextRules.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

namespace value {

namespace {

Text Widen(const std::string& ascii) {
    return Text(ascii.begin(), ascii.end());
}

// The exact decimal expansion of |x|, with at least minDecimals decimals.
// A double has at most 53 - exponent fraction bits, and as many fraction
// digits, so printing that many digits rounds nothing.
std::string ExactDecimal(double x, int minDecimals) {
    int exponent = 0;
    std::frexp(x, &exponent);
    const int precision = std::clamp(53 - exponent, minDecimals, 1100);
    const int size = std::snprintf(nullptr, 0, "%.*f", precision, std::fabs(x));
    std::string out(static_cast<std::size_t>(size) + 1, '\0');
    std::snprintf(out.data(), out.size(), "%.*f", precision, std::fabs(x));
    out.pop_back();
    return out;
}

// Adds one to the last digit of a digit text with an optional point.
void IncrementLastDigit(std::string& digits) {
    for (auto i = digits.size(); i-- > 0;) {
        if (digits[i] == '.')
            continue;
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
}

} // namespace

Text Trim(const Text& InputStr) {
    const auto first = InputStr.find_first_not_of(u' ');
    if (first == Text::npos)
        return {};
    const auto last = InputStr.find_last_not_of(u' ');
    return InputStr.substr(first, last - first + 1);
}

Text TrimLine(const Text& InputStr) {
    const auto first = InputStr.find_first_not_of(u" \t\r\n");
    if (first == Text::npos)
        return {};
    return InputStr.substr(first, InputStr.find_last_not_of(u" \t\r\n") - first + 1);
}

double LeadingNumber(const Text& InputStr) {
    std::string number;
    bool point = false;
    for (char16_t c : InputStr) {
        if (detail::IsDecimalDigit(c)) {
            number += static_cast<char>(c);
        } else if (c == u'.' && !point) {
            point = true;
            number += '.';
        } else {
            break;
        }
    }
    double result = 0.0;
    if (number.empty() || number == ".")
        return result;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), result);
    (void)end;
    // Only a number beyond the double range fails here.
    return error == std::errc{} ? result : HUGE_VAL;
}

int SignificantLength(const Text& InputStr) {
    const auto first = InputStr.find_first_not_of(u'0');
    return first == Text::npos ? 0 : static_cast<int>(InputStr.size() - first);
}

std::size_t HexPrefixLength(const Text& InputStr) {
    const std::size_t zero = InputStr.starts_with(u'0') ? 1 : 0;
    const bool x = InputStr.size() > zero && (InputStr[zero] == u'x' || InputStr[zero] == u'X');
    return x ? zero + 1 : 0;
}

bool HasHexPrefix(const Text& InputStr) {
    return InputStr.size() > 2 && HexPrefixLength(InputStr) == 2;
}

Text WithHexPrefix(const Text& digits) {
    return u"0x" + digits;
}

Text WithoutHexPrefix(const Text& InputStr) {
    return HasHexPrefix(InputStr) ? InputStr.substr(2) : InputStr;
}

Text GeneralNumberText(double x) {
    detail::RequireFinite(x);
    if (x == 0.0)
        return u"0";
    if (x < 0.0)
        return u"-" + GeneralNumberText(-x);

    // 15 significant digits, correctly rounded: "d.dddddddddddddde+XX".
    char scientific[32];
    std::snprintf(scientific, sizeof scientific, "%.14e", x);
    std::string digits(1, scientific[0]);
    digits.append(scientific + 2, 14);
    const int exponent = std::atoi(scientific + 17);
    digits.erase(digits.find_last_not_of('0') + 1);

    if (exponent < 0) {
        std::string out(static_cast<std::size_t>(-exponent), '0');
        out[0] = '.';
        return Widen(out.append(digits));
    }
    const auto whole = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= whole)
        return Widen(digits.append(whole - digits.size(), '0'));
    return Widen(digits.insert(whole, 1, '.'));
}

Text FixedText(double x, int n) {
    detail::RequireFinite(x);
    std::string exact = ExactDecimal(x, n + 1);
    const auto point = exact.find('.');
    const bool roundUp = exact[point + 1 + static_cast<std::size_t>(n)] >= '5';
    exact.erase(n == 0 ? point : point + 1 + static_cast<std::size_t>(n));
    if (roundUp)
        IncrementLastDigit(exact);
    const bool zero = exact.find_first_not_of("0.") == std::string::npos;
    return Widen((x < 0.0 && !zero ? "-" : "") + exact);
}

Text SizeFieldText(double q) {
    Text g = GeneralNumberText(LeadingNumber(FixedText(q, 10)));
    if (g.starts_with(u'.'))
        g.insert(0, 1, u'0');
    const auto point = g.find(u'.');
    if (point != Text::npos && g.size() > point + 5)
        g.resize(point + 5);
    return g;
}

Text ConvertedSizeText(double units, double fromUnit, double toUnit) {
    if (toUnit <= fromUnit)
        return DecimalDigits(units * (fromUnit / toUnit));
    const double divisor = toUnit / fromUnit;
    return std::fmod(units, divisor) == 0.0 ? DecimalDigits(units / divisor)
                                            : FixedText(units / divisor, 4);
}

} // namespace value
