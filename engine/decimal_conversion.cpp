// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "decimal_conversion.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <system_error>
#include <vector>

#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
#define VESQUIN_STANDARD_DECIMAL 1
#endif

namespace vesquin {
namespace {

// An unsigned integer in base 10^9, least significant limb first.
class DecimalInteger {
  public:
    explicit DecimalInteger(std::uint64_t value) {
        do {
            m_limbs.push_back(static_cast<std::uint32_t>(value % kBase));
            value /= kBase;
        } while (value != 0);
    }

    // Multiplies by factor^count, a batch of factors at a time.
    void multiplyByPower(std::uint32_t factor, int count) {
        std::uint32_t batch = 1;
        int inBatch = 0;
        for (int i = 0; i < count; ++i) {
            if (static_cast<std::uint64_t>(batch) * factor > kLargestMultiplier) {
                multiply(batch);
                batch = 1;
                inBatch = 0;
            }
            batch *= factor;
            ++inBatch;
        }
        if (inBatch > 0) multiply(batch);
    }

    std::string digits() const {
        std::string text = std::to_string(m_limbs.back());
        for (auto limb = m_limbs.rbegin() + 1; limb != m_limbs.rend(); ++limb) {
            const std::string part = std::to_string(*limb);
            text.append(9 - part.size(), '0');
            text += part;
        }
        return text;
    }

  private:
    static constexpr std::uint32_t kBase = 1'000'000'000;
    // A limb (below 10^9) times this, plus a carry, stays within 64 bits.
    static constexpr std::uint64_t kLargestMultiplier = std::numeric_limits<std::uint32_t>::max();

    void multiply(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (std::uint32_t& limb : m_limbs) {
            const std::uint64_t product = static_cast<std::uint64_t>(limb) * factor + carry;
            limb = static_cast<std::uint32_t>(product % kBase);
            carry = product / kBase;
        }
        while (carry != 0) {
            m_limbs.push_back(static_cast<std::uint32_t>(carry % kBase));
            carry /= kBase;
        }
    }

    std::vector<std::uint32_t> m_limbs;
};

ExactDigits splitAt(std::string digits, std::size_t fractionLength) {
    if (digits.size() <= fractionLength) digits.insert(0, fractionLength - digits.size() + 1, '0');
    ExactDigits result;
    result.integerDigits = digits.substr(0, digits.size() - fractionLength);
    result.fractionDigits = digits.substr(digits.size() - fractionLength);
    const auto lastSignificant = result.fractionDigits.find_last_not_of('0');
    result.fractionDigits.resize(lastSignificant == std::string::npos ? 0 : lastSignificant + 1);
    return result;
}

}  // namespace

namespace portable_decimal {

ExactDigits ExactDecimalDigits(double value) {
    // value = mantissa * 2^exponent with an integer mantissa below 2^53.
    int exponent = 0;
    const double fraction = std::frexp(value, &exponent);
    constexpr int kMantissaBits = std::numeric_limits<double>::digits;
    auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, kMantissaBits));
    exponent -= kMantissaBits;
    // Drop trailing zero bits so the big numbers stay as short as they can.
    while (mantissa != 0 && mantissa % 2 == 0 && exponent < 0) {
        mantissa /= 2;
        ++exponent;
    }
    DecimalInteger number(mantissa);
    if (exponent >= 0) {
        number.multiplyByPower(2, exponent);
        return splitAt(number.digits(), 0);
    }
    // m / 2^k = m * 5^k / 10^k: the digits of m * 5^k with the point k places from the right.
    number.multiplyByPower(5, -exponent);
    return splitAt(number.digits(), static_cast<std::size_t>(-exponent));
}

double NearestDouble(std::string_view integerDigits, std::string_view fractionDigits) {
    // strtod rounds correctly; it only needs the decimal point of the C library's
    // current locale, which a program may have changed from the "C" locale's ".".
    std::string text(integerDigits.empty() ? "0" : integerDigits);
    if (!fractionDigits.empty()) {
        text += std::localeconv()->decimal_point;
        text += fractionDigits;
    }
    // Out of range, strtod gives infinity (too large) or zero (too small), as wanted.
    return std::strtod(text.c_str(), nullptr);
}

}  // namespace portable_decimal

namespace standard_decimal {

#ifdef VESQUIN_STANDARD_DECIMAL
ExactDigits ExactDecimalDigits(double value) {
    // 1100 fraction digits hold every double exactly (the smallest subnormal has 1074).
    static constexpr int kExactFractionDigits = 1100;
    char buffer[std::numeric_limits<double>::max_exponent10 + kExactFractionDigits + 8];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                         std::chars_format::fixed, kExactFractionDigits);
    (void)ec;  // the buffer is large enough for every finite double
    const std::string text(buffer, static_cast<std::size_t>(end - buffer));
    const auto point = text.find('.');
    return splitAt(text.substr(0, point) + text.substr(point + 1), text.size() - point - 1);
}

double NearestDouble(std::string_view integerDigits, std::string_view fractionDigits) {
    std::string plain(integerDigits.empty() ? "0" : integerDigits);
    if (!fractionDigits.empty()) (plain += '.') += fractionDigits;
    double value = 0.0;
    const auto [end, ec] =
        std::from_chars(plain.data(), plain.data() + plain.size(), value, std::chars_format::fixed);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        // Too large for a double when the integer part is not zero, else too small.
        return plain.find_first_not_of('0') < plain.find('.')
                   ? std::numeric_limits<double>::infinity()
                   : 0.0;
    }
    return value;
}
#else
ExactDigits ExactDecimalDigits(double value) {
    return portable_decimal::ExactDecimalDigits(value);
}
double NearestDouble(std::string_view integerDigits, std::string_view fractionDigits) {
    return portable_decimal::NearestDouble(integerDigits, fractionDigits);
}
#endif

}  // namespace standard_decimal

bool HasStandardDecimal() {
#ifdef VESQUIN_STANDARD_DECIMAL
    return true;
#else
    return false;
#endif
}

ExactDigits ExactDecimalDigits(double value) {
#ifdef VESQUIN_PORTABLE_DECIMAL
    return portable_decimal::ExactDecimalDigits(value);
#else
    return standard_decimal::ExactDecimalDigits(value);
#endif
}

double NearestDouble(std::string_view integerDigits, std::string_view fractionDigits) {
#ifdef VESQUIN_PORTABLE_DECIMAL
    return portable_decimal::NearestDouble(integerDigits, fractionDigits);
#else
    return standard_decimal::NearestDouble(integerDigits, fractionDigits);
#endif
}

}  // namespace vesquin
