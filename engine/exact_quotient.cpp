// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exact_quotient.h"

namespace vesquin {
namespace {

constexpr std::size_t kQuotientPlaces = 6;

std::uint64_t Magnitude(std::int64_t value) {
    // Negating in unsigned arithmetic also holds for the most negative value.
    return value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
}

}  // namespace

DecimalNumber QuotientDigits(const Quotient& quotient) {
    const std::uint64_t numerator = Magnitude(quotient.numerator);
    const std::uint64_t divisor = quotient.divisor < 1 ? 1 : Magnitude(quotient.divisor);
    DecimalNumber number;
    number.negative = quotient.numerator < 0;
    number.integerDigits = std::to_string(numerator / divisor);
    std::uint64_t remainder = numerator % divisor;
    while (remainder != 0 && number.fractionDigits.size() < kQuotientPlaces) {
        remainder *= 10;
        number.fractionDigits.push_back(static_cast<char>('0' + remainder / divisor));
        remainder %= divisor;
    }
    return number;
}

std::string PatternFormat(const Quotient& quotient, Pattern pattern, const LocaleSymbols& symbols) {
    return PatternFormat(QuotientDigits(quotient), pattern, symbols);
}

}  // namespace vesquin
