// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Percentages and means whose exact value ends in a half at the third decimal: every
// face writes them rounded away from zero, though their nearest double lies below.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "exact_quotient.h"
#include "experiment_run.h"
#include "history_text.h"
#include "teaching_figures.h"

namespace vesquin {
namespace {

TEST(ExactQuotient, DigitsAreTheLongDivisionTruncatedAfterSixPlaces) {
    struct Case {
        Quotient quotient;
        bool negative;
        const char* integer;
        const char* fraction;
    };
    const Case cases[] = {
        {{55585000, 1000000}, false, "55", "585"},
        {{1, 3}, false, "0", "333333"},
        {{2, 3}, false, "0", "666666"},
        {{10, 5}, false, "2", ""},
        {{0, 7}, false, "0", ""},
        {{-7, 2}, true, "3", "5"},
        {{1, 1000000}, false, "0", "000001"},
        {{1, 10000000}, false, "0", "000000"},
        {{std::int64_t{1} << 59, 1}, false, "576460752303423488", ""},
        {{-(std::int64_t{1} << 59), 3}, true, "192153584101141162", "666666"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.quotient.numerator) + "/" +
                     std::to_string(c.quotient.divisor));
        const DecimalNumber digits = QuotientDigits(c.quotient);
        EXPECT_EQ(digits.negative, c.negative);
        EXPECT_EQ(digits.integerDigits, c.integer);
        EXPECT_EQ(digits.fractionDigits, c.fraction);
    }
}

TEST(ExactQuotient, TwoDecimalsRoundTheTrueHalfAwayFromZero) {
    struct Case {
        Quotient quotient;
        const char* spanish;
        const char* english;
    };
    const Case cases[] = {
        {{55585000, 1000000}, "55,59", "55.59"},  // the double is 55,58499…
        {{1005, 1000}, "1,01", "1.01"},           // the double is 1,00499…
        {{-1005, 1000}, "-1,01", "-1.01"},
        {{2995, 1000}, "3,00", "3.00"},  // a carry into the units
        {{99995, 1000}, "100,00", "100.00"},
        {{5, 1000}, "0,01", "0.01"},
        {{4999999, 1000000000}, "0,00", "0.00"},  // just below the half stays below
        {{5000001, 1000000000}, "0,01", "0.01"},
        {{-1, 1000}, "0,00", "0.00"},  // no sign on a zero
        {{1, 3}, "0,33", "0.33"},
        {{2, 3}, "0,67", "0.67"},
        {{42, 1}, "42,00", "42.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.spanish);
        EXPECT_EQ(PatternFormat(c.quotient, Pattern::TwoDecimals, kSpanishSymbols), c.spanish);
        EXPECT_EQ(PatternFormat(c.quotient, Pattern::TwoDecimals, kEnglishSymbols), c.english);
    }
    EXPECT_EQ(PatternFormat(Quotient{12345678915, 10}, Pattern::Grouped, kSpanishSymbols),
              "1.234.567.892");
}

// 27.815, 416.335 and 555.850 of 1.000.000: 2,7815 %, 41,6335 % and 55,585 %, the
// last an exact half; 3,471965 plates intact on average.
RunRecord HalvesRun() {
    RunRecord run;
    run.trials = 1000000;
    run.seed = 5;
    run.tally = RunTally{27815, 416335, 555850, 5 * 27815 + 4 * 416335 + 3 * 555850};
    run.checkpoints = {TallyAt{run.trials, run.tally}};
    return run;
}

// One of 200 broke two plates, the rest three: 3,005 intact and 2,995 broken on average.
RunRecord HalfMeanRun() {
    RunRecord run;
    run.trials = 200;
    run.seed = 6;
    run.tally = RunTally{0, 1, 199, 601};
    run.checkpoints = {TallyAt{run.trials, run.tally}};
    return run;
}

TEST(ExactHalves, WindowBoxes) {
    const ResultTexts texts = ComposeResults(HalvesRun().tally, 1000000, kSpanishSymbols);
    EXPECT_EQ(texts[5].text, "2,78");
    EXPECT_EQ(texts[6].text, "41,63");
    EXPECT_EQ(texts[7].text, "55,59");
    EXPECT_EQ(ComposeResults(HalvesRun().tally, 1000000, kEnglishSymbols)[7].text, "55.59");
    // 1 of 200 is 0,5 % and 199 of 200 is 99,5 %: already exact in binary.
    const ResultTexts mean = ComposeResults(HalfMeanRun().tally, 200, kSpanishSymbols);
    EXPECT_EQ(mean[6].text, "0,50");
    EXPECT_EQ(mean[7].text, "99,50");
}

TEST(ExactHalves, HistoryRowClipboardAndCsv) {
    RunHistory history;
    history.add(HalvesRun(), "12:00:00");
    history.add(HalfMeanRun(), "12:00:01");
    const HistoryRow halves = ComposeHistoryRow(history.entries()[0], kSpanishSymbols);
    const HistoryRow mean = ComposeHistoryRow(history.entries()[1], kSpanishSymbols);
    const auto cell = [](const HistoryRow& row, HistoryColumn column) {
        return row[static_cast<std::size_t>(column)];
    };
    EXPECT_EQ(cell(halves, HistoryColumn::TwoPercent), "41,63");
    EXPECT_EQ(cell(halves, HistoryColumn::ThreePercent), "55,59");
    EXPECT_EQ(cell(halves, HistoryColumn::MeanIntact), "3,47");
    EXPECT_EQ(cell(mean, HistoryColumn::MeanIntact), "3,01");  // the double is 3,00499…

    const std::string csv = HistoryCsv(history.entries(), kSpanishSymbols);
    EXPECT_NE(csv.find(";41,63;55,59;3,47;"), std::string::npos) << csv;
    EXPECT_NE(csv.find(";0,50;99,50;3,01;"), std::string::npos) << csv;
    const std::string tabs = HistoryTabText(history.entries(), kEnglishSymbols);
    EXPECT_NE(tabs.find("\t41.63\t55.59\t3.47\t"), std::string::npos) << tabs;
}

TEST(ExactHalves, TeachingPanel) {
    RunHistory history;
    const TheoryPanelTexts halves =
        ComposeTheoryPanel(Theory(), &history.add(HalvesRun(), ""), kSpanishSymbols);
    EXPECT_EQ(halves.outcomes[1].simulated, "41,63\u00A0%");
    EXPECT_EQ(halves.outcomes[2].simulated, "55,59\u00A0%");
    const TheoryPanelTexts mean =
        ComposeTheoryPanel(Theory(), &history.add(HalfMeanRun(), ""), kSpanishSymbols);
    EXPECT_EQ(mean.meanIntact.simulated, "3,01");
    EXPECT_EQ(mean.meanBroken.simulated, "3,00");  // 2,995
    EXPECT_EQ(PercentText(RunPercentages(HalvesRun())[2], kEnglishSymbols), "55.59\u00A0%");
}

}  // namespace
}  // namespace vesquin
