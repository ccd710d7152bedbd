#include "number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vesquin {
namespace {

const LocaleSymbols kFrench{",", "\u202F"};  // narrow no-break space groups digits

struct ReadingCase {
    const char* text;
    std::optional<double> expected;
};

void expectReadings(const LocaleSymbols& symbols, std::initializer_list<ReadingCase> cases) {
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(std::string("text '") + text + "'");
        EXPECT_EQ(LocaleNumber(text, symbols), expected);
    }
}

TEST(LocaleNumber, ReadsPlainAndGroupedNumbersWithSpanishSymbols) {
    expectReadings(kSpanishSymbols, {
                                        {"1.000.000", 1000000},
                                        {"1000", 1000},
                                        {"1.000", 1000},
                                        {"12,5", 12.5},
                                        {" 8 ", 8},
                                        {"\t42\t", 42},
                                        {"-7", -7},
                                        {"+3", 3},
                                        {",5", 0.5},
                                        {"5,", 5},
                                        {"1.0.0", 100},
                                        {"0007", 7},
                                        {"1.234,567", 1234.567},
                                        {"-0", 0},
                                    });
}

TEST(LocaleNumber, ReadsWithEnglishSymbols) {
    expectReadings(kEnglishSymbols, {
                                        {"1,000,000", 1000000},
                                        {"12.5", 12.5},
                                        {"1,000.25", 1000.25},
                                        {".5", 0.5},
                                    });
    expectReadings(kEnglishSymbols, {{"12,5", 125}, {"1.000.000", std::nullopt}});
}

TEST(LocaleNumber, RejectsWhatIsNotAPlainDecimalNumber) {
    expectReadings(kSpanishSymbols, {
                                        {"", std::nullopt},
                                        {"   ", std::nullopt},
                                        {"x", std::nullopt},
                                        {"1000abc", std::nullopt},
                                        {"10 platos", std::nullopt},
                                        {"1e3", std::nullopt},
                                        {"0x10", std::nullopt},
                                        {"inf", std::nullopt},
                                        {"nan", std::nullopt},
                                        {"1,2,3", std::nullopt},
                                        {"5-", std::nullopt},
                                        {"+-5", std::nullopt},
                                        {"-", std::nullopt},
                                        {",", std::nullopt},
                                        {".", std::nullopt},
                                        {"4 2", std::nullopt},
                                        {"1 000", std::nullopt},
                                        {"١٢", std::nullopt},
                                    });
}

TEST(LocaleNumber, AcceptsAPlainBlankWhereTheGroupingSymbolIsANoBreakSpace) {
    expectReadings(kFrench, {
                                {"1\u202F000\u202F000", 1000000},
                                {"1 000 000", 1000000},
                                {"2 500,5", 2500.5},
                            });
    expectReadings(LocaleSymbols{",", "\u00A0"}, {{"1 000", 1000}, {"1\u00A0000", 1000}});
}

// The forms people type and paste for the same number: where the locale groups with a
// space-like symbol any of the three stands for it, and where it groups with U+2019 the
// ASCII apostrophe of a Swiss keyboard does too. Other locales gain nothing.
TEST(LocaleNumber, ReadsLookAlikeGroupingSymbolsInTheirPlace) {
    const LocaleSymbols swissGerman{".", "\u2019"};
    const LocaleSymbols frenchNoBreakSpace{",", "\u00A0"};
    const LocaleSymbols blankGrouping{",", " "};
    const LocaleSymbols asciiApostrophe{".", "'"};
    const struct {
        const char* name;
        const LocaleSymbols& symbols;
        std::initializer_list<ReadingCase> cases;
    } tables[] = {
        {"French, U+202F",
         kFrench,
         {
             {"1\u00A0000", 1000},
             {"1\u00A0000\u00A0000", 1000000},
             {"1 000\u00A0000\u202F000", 1000000000},
             {"12\u00A0345,5", 12345.5},
             {"1'000", std::nullopt},
             {"1\u2019000", std::nullopt},
             {"1\u2007000", std::nullopt},  // a figure space is not among them
         }},
        {"French, U+00A0",
         frenchNoBreakSpace,
         {{"1\u202F000", 1000},
          {"1 000", 1000},
          {"2\u00A0500,25", 2500.25},
          {"1.000", std::nullopt}}},
        {"a plain blank",
         blankGrouping,
         {{"1\u00A0000", 1000}, {"1\u202F000", 1000}, {"1 000", 1000}, {"1'000", std::nullopt}}},
        {"Swiss German, U+2019",
         swissGerman,
         {
             {"1\u2019000\u2019000", 1000000},
             {"1'000'000", 1000000},
             {"1'000\u2019000.5", 1000000.5},
             {"1000", 1000},
             {"1 000", std::nullopt},
             {"1\u00A0000", std::nullopt},
             {"1,000", std::nullopt},
             {"1\u2018000", std::nullopt},  // the opening quote is no apostrophe
             {"1'000.5.5", std::nullopt},
         }},
        {"the ASCII apostrophe",
         asciiApostrophe,
         {{"1\u2019000", 1000}, {"1'000", 1000}, {"1\u00A0000", std::nullopt}}},
        {"Spanish",
         kSpanishSymbols,
         {
             {"1 000", std::nullopt},
             {"1\u00A0000", std::nullopt},
             {"1\u202F000", std::nullopt},
             {"1'000", std::nullopt},
             {"1\u2019000", std::nullopt},
         }},
        {"English",
         kEnglishSymbols,
         {
             {"1\u00A0000", std::nullopt},
             {"1'000", std::nullopt},
             {"1\u2019000", std::nullopt},
             {"1,000", 1000},
         }},
    };
    for (const auto& table : tables) {
        SCOPED_TRACE(table.name);
        expectReadings(table.symbols, table.cases);
    }
}

// A look-alike that is the locale's decimal symbol keeps that meaning.
TEST(LocaleNumber, ReadsALookAlikeThatIsTheDecimalSymbolAsTheDecimal) {
    expectReadings(LocaleSymbols{"'", "\u2019"},
                   {{"1\u2019000'5", 1000.5}, {"1'5'5", std::nullopt}});
}

TEST(LocaleNumber, ReadsNumbersTooLargeForADoubleAsInfinite) {
    const std::string huge = "1" + std::string(400, '0');
    EXPECT_EQ(LocaleNumber(huge, kSpanishSymbols), std::numeric_limits<double>::infinity());
    EXPECT_EQ(LocaleNumber("-" + huge, kSpanishSymbols), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(LocaleNumber("0," + std::string(400, '0') + "1", kSpanishSymbols), 0.0);
}

TEST(HalfEvenRound, SendsHalvesToTheEvenNeighbour) {
    const std::pair<double, double> cases[] = {
        {0.5, 0},
        {1.5, 2},
        {2.5, 2},
        {3.5, 4},
        {-2.5, -2},
        {-3.5, -4},
        {3.47, 3},
        {3.51, 4},
        {-0.4, -0.0},
        {1e15 + 0.5, 1e15},
        {4503599627370497.0, 4503599627370497.0},
    };
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(HalfEvenRound(value), expected) << value;
    }
}

TEST(HalfEvenRound, Int32FormFailsOutsideTheInt32Range) {
    EXPECT_EQ(HalfEvenRoundInt32(2147483647.0), 2147483647);
    EXPECT_EQ(HalfEvenRoundInt32(2147483647.4), 2147483647);
    EXPECT_EQ(HalfEvenRoundInt32(-2147483648.0), -2147483647 - 1);
    EXPECT_EQ(HalfEvenRoundInt32(-2147483648.5), -2147483647 - 1);  // half to even stays in range
    EXPECT_EQ(HalfEvenRoundInt32(2147483648.0), std::nullopt);
    EXPECT_EQ(HalfEvenRoundInt32(2147483647.5), std::nullopt);  // rounds to the even 2^31
    EXPECT_EQ(HalfEvenRoundInt32(-2147483649.0), std::nullopt);
    EXPECT_EQ(HalfEvenRoundInt32(std::numeric_limits<double>::infinity()), std::nullopt);
    EXPECT_EQ(HalfEvenRoundInt32(std::nan("")), std::nullopt);
}

struct FormatCase {
    double value;
    Pattern pattern;
    const char* spanish;
    const char* english;
};

TEST(PatternFormat, FormatsValuesInEachPatternWithBothSymbolSets) {
    const FormatCase cases[] = {
        {0, Pattern::Grouped, "0", "0"},
        {999, Pattern::Grouped, "999", "999"},
        {1000, Pattern::Grouped, "1.000", "1,000"},
        {1234567, Pattern::Grouped, "1.234.567", "1,234,567"},
        {-1234567, Pattern::Grouped, "-1.234.567", "-1,234,567"},
        {2.5, Pattern::Grouped, "3", "3"},  // halves away from zero, unlike HalfEvenRound
        {-2.5, Pattern::Grouped, "-3", "-3"},
        {7, Pattern::GroupedTwoDigits, "07", "07"},
        {0, Pattern::GroupedTwoDigits, "00", "00"},
        {3.5, Pattern::GroupedTwoDigits, "04", "04"},
        {1000, Pattern::GroupedTwoDigits, "1.000", "1,000"},
        {-5, Pattern::GroupedTwoDigits, "-05", "-05"},
        {0, Pattern::TwoDecimals, "0,00", "0.00"},
        {100.0 / 36, Pattern::TwoDecimals, "2,78", "2.78"},
        {1500.0 / 36, Pattern::TwoDecimals, "41,67", "41.67"},
        {2000.0 / 36, Pattern::TwoDecimals, "55,56", "55.56"},
        {100, Pattern::TwoDecimals, "100,00", "100.00"},
        {1234567.891, Pattern::TwoDecimals, "1234567,89", "1234567.89"},
        {0.125, Pattern::TwoDecimals, "0,13", "0.13"},
        {0.375, Pattern::TwoDecimals, "0,38", "0.38"},
        {2.675, Pattern::TwoDecimals, "2,67", "2.67"},  // stored as 2.67499999...
        {9.995, Pattern::TwoDecimals, "9,99", "9.99"},  // stored as 9.99499999...
        {99.999, Pattern::TwoDecimals, "100,00", "100.00"},
        {-0.125, Pattern::TwoDecimals, "-0,13", "-0.13"},
        {-0.001, Pattern::TwoDecimals, "0,00", "0.00"},  // no minus on a zero
    };
    for (const auto& [value, pattern, spanish, english] : cases) {
        SCOPED_TRACE(value);
        EXPECT_EQ(PatternFormat(value, pattern, kSpanishSymbols), spanish);
        EXPECT_EQ(PatternFormat(value, pattern, kEnglishSymbols), english);
    }
}

TEST(PatternFormat, GroupsWithMultiByteSymbols) {
    EXPECT_EQ(PatternFormat(1234567.0, Pattern::Grouped, kFrench), "1\u202F234\u202F567");
    EXPECT_EQ(PatternFormat(0.5, Pattern::TwoDecimals, LocaleSymbols{"\u066B", "\u066C"}),
              "0\u066B50");
}

TEST(PatternFormat, FormatsHugeValuesFromTheirExactDigits) {
    EXPECT_EQ(PatternFormat(1e20, Pattern::Grouped, kSpanishSymbols),
              "100.000.000.000.000.000.000");
    EXPECT_EQ(PatternFormat(std::numeric_limits<double>::max(), Pattern::Grouped, kSpanishSymbols)
                  .substr(0, 9),
              "179.769.3");
}

TEST(PatternFormat, TextThatIsANumberIsFormattedAndAnyOtherTextIsKept) {
    const std::pair<const char*, const char*> cases[] = {
        {"1000", "1.000"},
        {"1.000", "1.000"},
        {"7", "07"},
        {" 7 ", "07"},
        {"1000000", "1.000.000"},
        {"2,5", "03"},
        {"-3", "-03"},
        {"", ""},
        {" ", " "},
        {"abc", "abc"},
        {"10 platos", "10 platos"},
        {"999999999999999999999999", "999.999.999.999.999.999.999.999"},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(PatternFormat(std::string_view(text), Pattern::GroupedTwoDigits, kSpanishSymbols),
                  expected)
            << "text '" << text << "'";
    }
    // Rounded from the digits as typed, not from a nearby double.
    EXPECT_EQ(PatternFormat(std::string_view("2,675"), Pattern::TwoDecimals, kSpanishSymbols),
              "2,68");
}

}  // namespace
}  // namespace vesquin
