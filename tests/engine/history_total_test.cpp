// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The total row: many runs added up as one long run, in the table, the clipboard,
// the CSV and the theory panel; and the teaching view's other texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "experiment_run.h"
#include "history_text.h"
#include "run_history.h"
#include "teaching_figures.h"
#include "teaching_texts.h"

namespace vesquin {
namespace {

// A run of `trials` performed for real, so its checkpoints are those of a run.
RunRecord Performed(std::int32_t trials, std::uint64_t seed) {
    UniformSource source;
    auto run = PerformRun(std::to_string(trials), source, kSpanishSymbols, kRunMaximumTrials, seed);
    return std::get<RunRecord>(run);
}

// A run of `trials` with only its last checkpoint: enough to add up.
HistoryEntry Bare(std::int32_t trials) {
    HistoryEntry entry;
    entry.record.trials = trials;
    entry.record.tally = RunTally{0, 0, trials, 3 * trials};
    entry.record.checkpoints = {TallyAt{trials, entry.record.tally}};
    return entry;
}

TEST(HistoryTotal, TwentyFiveRunsOfFortyAreOneOfAThousand) {
    RunHistory history;
    RunTally expected;
    for (int pupil = 0; pupil < 25; ++pupil) {
        const HistoryEntry& run = history.add(Performed(40, 1000 + pupil), "10:00:00");
        expected.oneCount += run.record.tally.oneCount;
        expected.twoCount += run.record.tally.twoCount;
        expected.threeCount += run.record.tally.threeCount;
        expected.intactTotal += run.record.tally.intactTotal;
    }
    const std::optional<HistoryEntry> total = HistoryTotal(history.entries());
    ASSERT_TRUE(total);
    EXPECT_EQ(total->runsSummed, 25);
    EXPECT_EQ(total->record.trials, 1000);
    EXPECT_EQ(total->record.tally, expected);
    EXPECT_EQ(expected.oneCount + expected.twoCount + expected.threeCount, 1000);

    // The curve climbs through the runs one after another and ends on the total.
    const std::vector<TallyAt>& points = total->record.checkpoints;
    ASSERT_GE(points.size(), 20u);
    EXPECT_EQ(points.front().trials, 1);
    EXPECT_EQ(points.back(), (TallyAt{1000, expected}));
    for (std::size_t i = 1; i < points.size(); ++i)
        EXPECT_LT(points[i - 1].trials, points[i].trials);
    // After the first two runs the curve stands exactly on their sum.
    const RunTally& first = history.entries()[0].record.tally;
    const RunTally& second = history.entries()[1].record.tally;
    const RunTally two{first.oneCount + second.oneCount, first.twoCount + second.twoCount,
                       first.threeCount + second.threeCount,
                       first.intactTotal + second.intactTotal};
    EXPECT_NE(std::find(points.begin(), points.end(), TallyAt{80, two}), points.end());

    // The row shows the sums, the percentages and the mean of the whole, marked as a total.
    const HistoryRow row = ComposeHistoryRow(*total, kSpanishSymbols);
    RunRecord asOne;
    asOne.trials = 1000;
    asOne.tally = expected;
    const HistoryRow single =
        ComposeHistoryRow(HistoryEntry{7, "x", asOne, "", 0}, kSpanishSymbols);
    EXPECT_EQ(row[0], "Total");
    EXPECT_EQ(row[1], "");
    EXPECT_EQ(row[2], "1.000");
    for (std::size_t column = 2; column < kHistoryColumns - 1; ++column)
        EXPECT_EQ(row[column], single[column]) << column;
    EXPECT_EQ(row[kHistoryColumns - 1], "");
}

TEST(HistoryTotal, HoldsUpToTheRunLimitAndNoFurther) {
    struct Case {
        const char* name;
        std::vector<std::int32_t> runs;
        bool total;
    };
    const Case cases[] = {
        {"none", {}, false},
        {"one", {1}, true},
        {"the limit exactly", {kRunMaximumTrials - 5, 5}, true},
        {"one past the limit", {kRunMaximumTrials - 5, 6}, false},
        {"two large runs", {kRunMaximumTrials, kRunMaximumTrials}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<HistoryEntry> entries;
        for (std::int32_t trials : c.runs) entries.push_back(Bare(trials));
        const std::optional<HistoryEntry> total = HistoryTotal(entries);
        ASSERT_EQ(total.has_value(), c.total);
        if (!total) continue;
        std::int64_t trials = 0;
        for (std::int32_t run : c.runs) trials += run;
        EXPECT_EQ(total->record.trials, trials);
        EXPECT_EQ(total->record.tally.intactTotal, 3 * trials);
    }
    // A refused addition leaves the total as it was.
    HistoryEntry total;
    ASSERT_TRUE(AddToTotal(total, Bare(kRunMaximumTrials - 1)));
    const HistoryEntry before = total;
    EXPECT_FALSE(AddToTotal(total, Bare(2)));
    EXPECT_EQ(total.record.trials, before.record.trials);
    EXPECT_EQ(total.runsSummed, 1);
    EXPECT_EQ(total.record.checkpoints, before.record.checkpoints);
}

TEST(HistoryTotal, EndsTheClipboardAndTheCsvWhenAskedFor) {
    RunHistory history;
    history.add(Performed(10, 1), "09:00:00");
    history.add(Performed(30, 2), "09:01:00");
    const std::string tabs = HistoryTabText(history.entries(), kSpanishSymbols, TotalRow::Included);
    const std::string last = tabs.substr(tabs.rfind('\n', tabs.size() - 2) + 1);
    EXPECT_EQ(last.substr(0, 10), "Total\t\t40\t");
    EXPECT_EQ(std::count(tabs.begin(), tabs.end(), '\n'), 4);
    EXPECT_EQ(HistoryTabText(history.entries(), kSpanishSymbols),
              tabs.substr(0, tabs.size() - last.size()));

    const std::string csv = HistoryCsv(history.entries(), kSpanishSymbols, TotalRow::Included);
    EXPECT_NE(csv.find("\r\nTotal;;40;"), std::string::npos);
    EXPECT_EQ(csv.substr(csv.size() - 2), "\r\n");
    EXPECT_EQ(HistoryCsv({}, kSpanishSymbols, TotalRow::Included), HistoryCsv({}, kSpanishSymbols));
}

TEST(HistoryTotal, TitlesTheTheoryPanelWithItsRuns) {
    HistoryEntry one;
    ASSERT_TRUE(AddToTotal(one, Bare(1)));
    HistoryEntry many;
    for (int i = 0; i < 1200; ++i) ASSERT_TRUE(AddToTotal(many, Bare(40)));
    EXPECT_EQ(ComposeTheoryPanel(Theory(), &one, kSpanishSymbols).simulatedTitle,
              "Total de 1 ejecución\n(1 ensayo)");
    EXPECT_EQ(ComposeTheoryPanel(Theory(), &many, kSpanishSymbols).simulatedTitle,
              "Total de 1.200 ejecuciones\n(48.000 ensayos)");
}

TEST(TeachingTexts, TicksAreWrittenWithTheUsersSymbols) {
    struct Case {
        double trials;
        LocaleSymbols symbols;
        const char* expected;
    };
    const Case cases[] = {
        {1, kSpanishSymbols, "1"},
        {10, kSpanishSymbols, "10"},
        {1000, kSpanishSymbols, "1.000"},
        {1e6, kSpanishSymbols, "1.000.000"},
        {999999.99999, kSpanishSymbols, "1.000.000"},
        {1e8, kEnglishSymbols, "100,000,000"},
        {1e4, LocaleSymbols{",", "\u202F"}, "10\u202F000"},
    };
    for (const Case& c : cases) EXPECT_EQ(TrialsTickText(c.trials, c.symbols), c.expected);
}

TEST(TeachingTexts, CaptionNamesTheRunItsSeedAndWhen) {
    HistoryEntry run{4, "11:05:32", RunRecord{1000, 123456789, {}, {}}, "09/12/2026", 0};
    EXPECT_EQ(ChartsCaption(run, kSpanishSymbols),
              "Simulación nº 4: 1.000 ensayos, semilla 123456789, 09/12/2026 11:05:32");
    run.record.trials = 1;
    run.date.clear();
    EXPECT_EQ(ChartsCaption(run, kEnglishSymbols),
              "Simulación nº 4: 1 ensayo, semilla 123456789, 11:05:32");
    HistoryEntry total;
    for (int i = 0; i < 25; ++i) ASSERT_TRUE(AddToTotal(total, Bare(40)));
    EXPECT_EQ(ChartsCaption(total, kSpanishSymbols), "Total de 25 ejecuciones: 1.000 ensayos");
}

TEST(TeachingTexts, EverySaveStepNamesItsCause) {
    std::vector<std::string_view> causes;
    for (SaveStep step : {SaveStep::Open, SaveStep::Write, SaveStep::Finish}) {
        const std::string_view cause = SaveFailureCause(step);
        EXPECT_FALSE(cause.empty());
        EXPECT_EQ(cause.find("desconocido"), std::string_view::npos);
        EXPECT_EQ(std::find(causes.begin(), causes.end(), cause), causes.end());
        causes.push_back(cause);
    }
    EXPECT_NE(SaveFailureCause(SaveStep::Write).find("lleno"), std::string_view::npos);
}

}  // namespace
}  // namespace vesquin
