#include "number_text.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <span>
#include <utility>

#include "decimal_conversion.h"

namespace vesquin {
namespace {

// Grouping symbols that look alike: where the locale groups with one of a family, any
// of that family is read in its place. A blank and the two no-break spaces look the
// same on screen, and people cannot type the latter; a Swiss keyboard types the ASCII
// apostrophe where the locale writes U+2019.
constexpr std::string_view kSpaceLikeGroupings[] = {" ", "\u00A0", "\u202F"};
constexpr std::string_view kApostropheLikeGroupings[] = {"\u2019", "'"};

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// The grouping symbols read in place of the locale's own, its own among them.
std::span<const std::string_view> groupingFamily(const LocaleSymbols& symbols) {
    const std::span<const std::string_view> families[] = {kSpaceLikeGroupings,
                                                          kApostropheLikeGroupings};
    for (std::span<const std::string_view> family : families) {
        if (std::find(family.begin(), family.end(), symbols.grouping) != family.end())
            return family;
    }
    return {};
}

// The length of the grouping symbol at the front of `text`, or 0 when none stands there.
// A look-alike that is the locale's decimal symbol stays the decimal symbol.
std::size_t groupingAtFront(std::string_view text, const LocaleSymbols& symbols,
                            std::span<const std::string_view> family) {
    if (!symbols.grouping.empty() && text.starts_with(symbols.grouping))
        return symbols.grouping.size();
    for (std::string_view alike : family) {
        if (alike != symbols.decimal && text.starts_with(alike)) return alike.size();
    }
    return 0;
}

void stripLeadingZeros(std::string& digits) {
    const auto firstSignificant = digits.find_first_not_of('0');
    if (firstSignificant == std::string::npos) {
        digits.assign(1, '0');
    } else {
        digits.erase(0, firstSignificant);
    }
}

// Adds one unit in the last place of `digits`; returns true when the carry runs
// off the front (999 + 1), which the caller turns into a new leading 1.
bool incrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    return true;
}

// The number rounded half away from zero to `decimals` fraction digits.
DecimalNumber roundHalfAwayFromZero(DecimalNumber number, std::size_t decimals) {
    std::string& fraction = number.fractionDigits;
    const bool roundsUp = fraction.size() > decimals && fraction[decimals] >= '5';
    fraction.resize(decimals, '0');
    if (roundsUp && incrementDigits(fraction) && incrementDigits(number.integerDigits)) {
        number.integerDigits.insert(number.integerDigits.begin(), '1');
    }
    stripLeadingZeros(number.integerDigits);
    return number;
}

bool isZero(const DecimalNumber& number) {
    return number.integerDigits.find_first_not_of('0') == std::string::npos &&
           number.fractionDigits.find_first_not_of('0') == std::string::npos;
}

std::string groupThousands(const std::string& digits, const std::string& grouping) {
    std::string grouped;
    grouped.reserve(digits.size() + digits.size() / 3 * grouping.size());
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += grouping;
        grouped += digits[i];
    }
    return grouped;
}

// The exact decimal expansion of a finite double: no rounding happens here.
DecimalNumber exactDecimal(double value) {
    ExactDigits digits = ExactDecimalDigits(std::fabs(value));
    DecimalNumber number;
    number.negative = std::signbit(value);
    number.integerDigits = std::move(digits.integerDigits);
    number.fractionDigits = std::move(digits.fractionDigits);
    return number;
}

}  // namespace

std::optional<DecimalNumber> ParseLocaleDecimal(std::string_view text,
                                                const LocaleSymbols& symbols) {
    text = trimBlanks(text);
    DecimalNumber number;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        number.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const auto family = groupingFamily(symbols);
    bool seenDecimal = false;
    while (!text.empty()) {
        if (isDigit(text.front())) {
            (seenDecimal ? number.fractionDigits : number.integerDigits) += text.front();
            text.remove_prefix(1);
        } else if (!symbols.decimal.empty() && text.starts_with(symbols.decimal) && !seenDecimal) {
            seenDecimal = true;
            text.remove_prefix(symbols.decimal.size());
        } else if (const std::size_t grouping = groupingAtFront(text, symbols, family)) {
            text.remove_prefix(grouping);
        } else {
            return std::nullopt;
        }
    }
    if (number.integerDigits.empty() && number.fractionDigits.empty()) return std::nullopt;
    stripLeadingZeros(number.integerDigits);
    return number;
}

std::optional<double> LocaleNumber(std::string_view text, const LocaleSymbols& symbols) {
    const auto number = ParseLocaleDecimal(text, symbols);
    if (!number) return std::nullopt;
    // Too many digits for a double read as infinity when the integer part is not zero.
    const double magnitude = NearestDouble(number->integerDigits, number->fractionDigits);
    return number->negative ? -magnitude : magnitude;
}

double HalfEvenRound(double value) {
    // std::round sends halves away from zero; a half goes to the even neighbour instead,
    // which is twice the nearest integer to value / 2 (exact: halving a double is).
    if (std::fabs(value - std::trunc(value)) == 0.5) return 2.0 * std::round(value / 2.0);
    return std::round(value);
}

std::optional<std::int32_t> HalfEvenRoundInt32(double value) {
    const double rounded = HalfEvenRound(value);
    if (!(rounded >= std::numeric_limits<std::int32_t>::min() &&
          rounded <= std::numeric_limits<std::int32_t>::max())) {
        return std::nullopt;  // out of range, or not a number at all
    }
    return static_cast<std::int32_t>(rounded);
}

std::string PatternFormat(const DecimalNumber& number, Pattern pattern,
                          const LocaleSymbols& symbols) {
    const std::size_t decimals = pattern == Pattern::TwoDecimals ? 2 : 0;
    const std::size_t minimumIntegerDigits = pattern == Pattern::GroupedTwoDigits ? 2 : 1;
    DecimalNumber rounded = roundHalfAwayFromZero(number, decimals);
    if (rounded.integerDigits.size() < minimumIntegerDigits) {
        rounded.integerDigits.insert(0, minimumIntegerDigits - rounded.integerDigits.size(), '0');
    }
    std::string text = rounded.negative && !isZero(rounded) ? "-" : "";
    if (pattern == Pattern::TwoDecimals) {
        text += rounded.integerDigits + symbols.decimal + rounded.fractionDigits;
    } else {
        text += groupThousands(rounded.integerDigits, symbols.grouping);
    }
    return text;
}

std::string PatternFormat(double value, Pattern pattern, const LocaleSymbols& symbols) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-∞" : "∞";
    return PatternFormat(exactDecimal(value), pattern, symbols);
}

std::string PatternFormat(std::string_view text, Pattern pattern, const LocaleSymbols& symbols) {
    const auto number = ParseLocaleDecimal(text, symbols);
    if (!number) return std::string(text);
    return PatternFormat(*number, pattern, symbols);
}

}  // namespace vesquin
