// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A quotient of whole numbers kept exact until it is written, so that its text
// rounds from the true value. 5.558.500 / 100.000 is exactly 55,585 and gives
// "55,59" (halves away from zero), where its nearest double, 55,58499…, gives "55,58".

#include <cstdint>
#include <string>

#include "number_text.h"

namespace vesquin {

// numerator / divisor, with divisor >= 1 and both within ±2^59 (so that the long
// division never overflows). value() is for drawing and comparing, never for texts.
struct Quotient {
    std::int64_t numerator = 0;
    std::int64_t divisor = 1;

    double value() const { return static_cast<double>(numerator) / static_cast<double>(divisor); }
    friend bool operator==(const Quotient&, const Quotient&) = default;
};

// The decimal digits of the quotient, truncated after six places: truncation never
// moves a value across the half that the two-decimal pattern rounds on.
DecimalNumber QuotientDigits(const Quotient& quotient);

// The picture pattern applied to the exact quotient: {555850 * 100, 1000000} with
// Pattern::TwoDecimals and Spanish symbols gives "55,59".
std::string PatternFormat(const Quotient& quotient, Pattern pattern, const LocaleSymbols& symbols);

}  // namespace vesquin
