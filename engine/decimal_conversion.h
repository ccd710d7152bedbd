// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The two conversions between decimal digits and double that the number rules
// rest on: the exact decimal expansion of a double, and the correctly rounded
// double nearest to a decimal. Both have two paths that give the same results:
// the standard library's <charconv>, where it converts floating point, and a
// hand-written one for standard libraries without it (WebAssembly builds).
// VESQUIN_PORTABLE_DECIMAL forces the hand-written path, so that it is tested
// on every machine.

#include <string>
#include <string_view>

namespace vesquin {

// The decimal digits of a finite, non-negative double, exactly: no digit is
// rounded. integerDigits has no leading zero but is at least "0"; fractionDigits
// has no trailing zero. 0.1 gives "0" and
// "1000000000000000055511151231257827021181583404541015625".
struct ExactDigits {
    std::string integerDigits;
    std::string fractionDigits;

    friend bool operator==(const ExactDigits&, const ExactDigits&) = default;
};
ExactDigits ExactDecimalDigits(double value);

// The double nearest to integerDigits.fractionDigits (plain digits, no sign; ties
// to even), or infinity when it exceeds every finite double. "0" and "1" give 0.1.
double NearestDouble(std::string_view integerDigits, std::string_view fractionDigits);

// The two paths on their own, for tests that compare them.
namespace portable_decimal {
ExactDigits ExactDecimalDigits(double value);
double NearestDouble(std::string_view integerDigits, std::string_view fractionDigits);
}  // namespace portable_decimal

// Through <charconv>; where HasStandardDecimal() is false these are the portable path too.
namespace standard_decimal {
ExactDigits ExactDecimalDigits(double value);
double NearestDouble(std::string_view integerDigits, std::string_view fractionDigits);
}  // namespace standard_decimal

// Whether this build's standard library converts floating point itself.
bool HasStandardDecimal();

}  // namespace vesquin
