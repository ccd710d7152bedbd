// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The hand-written decimal conversions must give exactly what <charconv> gives:
// the WebAssembly build shows its numbers through them.
#include "decimal_conversion.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

namespace vesquin {
namespace {

struct DigitsCase {
    double value;
    const char* integerDigits;
    const char* fractionDigits;
};

TEST(ExactDecimalDigits, GivesEveryDigitOfTheStoredValue) {
    const DigitsCase cases[] = {
        {0.0, "0", ""},
        {1.0, "1", ""},
        {0.5, "0", "5"},
        {0.1, "0", "1000000000000000055511151231257827021181583404541015625"},
        {2.675, "2", "67499999999999982236431605997495353221893310546875"},
        {100.0 / 36, "2", "77777777777777767909128669998608529567718505859375"},
        {1e23, "99999999999999991611392", ""},
        {9007199254740993.0, "9007199254740992", ""},
        {std::ldexp(1.0, -3), "0", "125"},
    };
    for (const auto& [value, integerDigits, fractionDigits] : cases) {
        SCOPED_TRACE(value);
        const ExactDigits expected{integerDigits, fractionDigits};
        EXPECT_EQ(portable_decimal::ExactDecimalDigits(value), expected);
        EXPECT_EQ(standard_decimal::ExactDecimalDigits(value), expected);
    }
}

TEST(ExactDecimalDigits, HandlesTheExtremes) {
    const double smallest = std::numeric_limits<double>::denorm_min();
    const ExactDigits tiny = portable_decimal::ExactDecimalDigits(smallest);
    EXPECT_EQ(tiny.integerDigits, "0");
    EXPECT_EQ(tiny.fractionDigits.size(), 1074u);
    EXPECT_EQ(tiny.fractionDigits.substr(tiny.fractionDigits.size() - 5), "65625");
    const ExactDigits huge =
        portable_decimal::ExactDecimalDigits(std::numeric_limits<double>::max());
    EXPECT_EQ(huge.integerDigits.size(), 309u);
    EXPECT_EQ(huge.integerDigits.substr(0, 6), "179769");
    EXPECT_EQ(huge.fractionDigits, "");
    for (double value : {smallest, std::numeric_limits<double>::min(),
                         std::numeric_limits<double>::max(), std::ldexp(1.0, 52)}) {
        EXPECT_EQ(portable_decimal::ExactDecimalDigits(value),
                  standard_decimal::ExactDecimalDigits(value));
    }
}

// Random bit patterns cover every exponent; the two paths must agree digit for digit,
// and reading the digits back must give the same double.
TEST(ExactDecimalDigits, AgreesWithCharconvOnRandomDoubles) {
    ASSERT_TRUE(HasStandardDecimal()) << "this test needs a <charconv> with floating point";
    std::mt19937_64 random(20261209);
    int compared = 0;
    while (compared < 20000) {
        const double value = std::fabs(std::bit_cast<double>(random()));
        if (!std::isfinite(value)) continue;
        const ExactDigits digits = portable_decimal::ExactDecimalDigits(value);
        ASSERT_EQ(digits, standard_decimal::ExactDecimalDigits(value)) << value;
        ASSERT_EQ(portable_decimal::NearestDouble(digits.integerDigits, digits.fractionDigits),
                  value);
        ++compared;
    }
}

struct ReadingCase {
    std::string integerDigits;
    std::string fractionDigits;
    double expected;
};

TEST(NearestDouble, RoundsToNearestWithTiesToEven) {
    const double infinity = std::numeric_limits<double>::infinity();
    const ReadingCase cases[] = {
        {"0", "1", 0.1},
        {"1000", "", 1000.0},
        {"", "5", 0.5},
        {"9007199254740993", "", 9007199254740992.0},  // halfway: to the even neighbour
        {"9007199254740995", "", 9007199254740996.0},
        {"9007199254740993", "0000000000000000000001", 9007199254740994.0},  // past halfway
        {"1" + std::string(400, '0'), "", infinity},
        {"0", std::string(400, '0') + "1", 0.0},
        {"2", "675", 2.675},
    };
    for (const auto& [integerDigits, fractionDigits, expected] : cases) {
        SCOPED_TRACE(integerDigits + "." + fractionDigits);
        EXPECT_EQ(portable_decimal::NearestDouble(integerDigits, fractionDigits), expected);
        EXPECT_EQ(standard_decimal::NearestDouble(integerDigits, fractionDigits), expected);
    }
}

TEST(NearestDouble, AgreesWithCharconvOnRandomDigits) {
    std::mt19937_64 random(36);
    std::uniform_int_distribution<int> length(0, 40);
    std::uniform_int_distribution<int> digit(0, 9);
    for (int i = 0; i < 20000; ++i) {
        std::string integerDigits(static_cast<std::size_t>(length(random)), '0');
        std::string fractionDigits(static_cast<std::size_t>(length(random)), '0');
        for (char& c : integerDigits) c = static_cast<char>('0' + digit(random));
        for (char& c : fractionDigits) c = static_cast<char>('0' + digit(random));
        ASSERT_EQ(portable_decimal::NearestDouble(integerDigits, fractionDigits),
                  standard_decimal::NearestDouble(integerDigits, fractionDigits))
            << integerDigits << "." << fractionDigits;
    }
}

}  // namespace
}  // namespace vesquin
