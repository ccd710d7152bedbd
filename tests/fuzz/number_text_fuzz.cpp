// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reads and formats arbitrary text with several symbol sets. Neither rule may
// crash, and a formatted number must read back as the number rounded as its
// pattern says.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "decimal_conversion.h"
#include "number_text.h"

namespace {

using vesquin::LocaleSymbols;
using vesquin::Pattern;

const LocaleSymbols kSymbolSets[] = {vesquin::kSpanishSymbols, vesquin::kEnglishSymbols,
                                     {",", "\u202F"},          {".", "'"},
                                     {".", "\u2019"},          {",", " "}};

void check(bool condition) {
    if (!condition) std::abort();
}

// Rounded half away from zero to `decimals` places, as the patterns round.
double roundedAway(double value, int decimals) {
    const double scale = decimals == 2 ? 100.0 : 1.0;
    return std::round(value * scale) / scale;
}

void checkRoundTrip(double value, const LocaleSymbols& symbols) {
    if (!std::isfinite(value) || std::fabs(value) > 1e12) return;
    const std::pair<Pattern, int> patterns[] = {
        {Pattern::Grouped, 0}, {Pattern::GroupedTwoDigits, 0}, {Pattern::TwoDecimals, 2}};
    for (const auto& [pattern, decimals] : patterns) {
        const std::string text = vesquin::PatternFormat(value, pattern, symbols);
        const auto readBack = vesquin::LocaleNumber(text, symbols);
        check(readBack.has_value());
        // Rounding the exact value and rounding value * 100 may differ by one unit in
        // the last place shown, plus a few units in the last place of the double.
        const double unit = decimals == 2 ? 0.01 : 1.0;
        const double slack = unit + 8e-16 * std::fabs(value);
        check(std::fabs(*readBack - roundedAway(value, decimals)) <= slack);
        // Formatting its own output again changes nothing.
        check(vesquin::PatternFormat(std::string_view(text), pattern, symbols) == text);
    }
}

// The hand-written decimal conversions (the web edition's) agree with <charconv>:
// on the input's digits read as a decimal, and on its first bytes taken as a double.
void checkDecimalConversions(std::string_view text) {
    std::string integerDigits, fractionDigits;
    bool afterPoint = false;
    for (const char c : text) {
        if (c == '.') afterPoint = true;
        if (c >= '0' && c <= '9') (afterPoint ? fractionDigits : integerDigits) += c;
    }
    const double portable = vesquin::portable_decimal::NearestDouble(integerDigits, fractionDigits);
    const double standard = vesquin::standard_decimal::NearestDouble(integerDigits, fractionDigits);
    check(portable == standard);
    if (text.size() >= sizeof(double)) {
        double value = 0;
        std::memcpy(&value, text.data(), sizeof value);
        value = std::fabs(value);
        if (std::isfinite(value)) {
            check(vesquin::portable_decimal::ExactDecimalDigits(value) ==
                  vesquin::standard_decimal::ExactDecimalDigits(value));
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkDecimalConversions(text);
    for (const LocaleSymbols& symbols : kSymbolSets) {
        const auto value = vesquin::LocaleNumber(text, symbols);
        for (Pattern pattern :
             {Pattern::Grouped, Pattern::GroupedTwoDigits, Pattern::TwoDecimals}) {
            const std::string formatted = vesquin::PatternFormat(text, pattern, symbols);
            check(value.has_value() || formatted == text);
        }
        if (value) {
            (void)vesquin::HalfEvenRoundInt32(*value);
            checkRoundTrip(*value, symbols);
        }
    }
    return 0;
}
