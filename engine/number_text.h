#pragma once

// How numbers cross between text and value. Every number the program shows
// is kept only as the text of a box, so these rules decide what the user sees.
// The locale's symbols are a parameter: nothing here reads the process locale.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vesquin {

// The user's decimal and digit-grouping symbols, as UTF-8 (a symbol may be
// several bytes: the French grouping symbol is U+202F, a narrow no-break space).
struct LocaleSymbols {
    std::string decimal;
    std::string grouping;
};

inline const LocaleSymbols kSpanishSymbols{",", "."};
inline const LocaleSymbols kEnglishSymbols{".", ","};

// A number written in decimal digits, exactly as typed or as held by a double.
struct DecimalNumber {
    bool negative = false;
    std::string integerDigits;   // at least one digit
    std::string fractionDigits;  // possibly empty
};

// The strict reading: the whole text, less leading and trailing blanks and tabs,
// must be an optional sign and then digits in which the grouping symbol may stand
// anywhere and the decimal symbol at most once, with at least one digit.
// Where the grouping symbol is space-like (U+0020, U+00A0, U+202F) any of the three
// stands for it, and where it is apostrophe-like (U+2019, U+0027) either does.
// With Spanish symbols '1.000,5' reads as 1000.5; '1e3', '12 x', '' and '1,2,3' fail.
std::optional<DecimalNumber> ParseLocaleDecimal(std::string_view text,
                                                const LocaleSymbols& symbols);

// ParseLocaleDecimal as a double. A number too large for a double reads as
// plus or minus infinity, so that callers see "too large" rather than "not a number".
std::optional<double> LocaleNumber(std::string_view text, const LocaleSymbols& symbols);

// Round to the nearest integer, halves to the even neighbour: 2.5 gives 2, 3.5 gives 4,
// -2.5 gives -2. The first form keeps a double; the second fails outside the int32 range.
double HalfEvenRound(double value);
std::optional<std::int32_t> HalfEvenRoundInt32(double value);

// The three picture patterns the program uses. Rounding goes half away from zero
// on the exact value (0.125 gives 0,13; 2.675, stored as 2.67499..., gives 2,67).
enum class Pattern {
    Grouped,           // "#,##0": 1000000 gives 1.000.000, 0 gives 0
    GroupedTwoDigits,  // "#,#00": 5 gives 05, 1000 gives 1.000
    TwoDecimals,       // "0.00":  100/36 gives 2,78, no grouping
};

std::string PatternFormat(double value, Pattern pattern, const LocaleSymbols& symbols);
std::string PatternFormat(const DecimalNumber& number, Pattern pattern,
                          const LocaleSymbols& symbols);

// The text form: a text that reads as a number by LocaleNumber is formatted from
// its digits as typed (so no digit is lost to a double); any other text, the empty
// text included, comes back unchanged. With Spanish symbols '7' gives '07', 'abc' gives 'abc'.
std::string PatternFormat(std::string_view text, Pattern pattern, const LocaleSymbols& symbols);

}  // namespace vesquin
