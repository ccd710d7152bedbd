// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "experiment_total.h"

#include <gtest/gtest.h>

#include <set>

#include "case_grid.h"
#include "experiment_record.h"
#include "run_history.h"
#include "trial_replay.h"

namespace vesquin {
namespace {

Experiment Make(std::int32_t shooters, std::int32_t plates) {
    return std::get<Experiment>(Experiment::Make(shooters, plates));
}

ExperimentRecord Perform(const Experiment& experiment, std::string_view count, std::uint64_t seed) {
    UniformSource source;
    return std::get<ExperimentRecord>(
        PerformExperimentRun(experiment, count, source, kSpanishSymbols, kRunMaximumTrials, seed));
}

TEST(ExperimentTotal, ThreeBySixRunsAddUpAsTheWindowsTotal) {
    RunHistory window;
    ExperimentHistory notebook;
    for (std::uint64_t seed = 1; seed <= 25; ++seed) {
        UniformSource source;
        const RunRecord run =
            std::get<RunRecord>(PerformRun("40", source, kSpanishSymbols, 1'000'000, seed));
        window.add(run, "");
        notebook.add(ClassicRecord(run), "");
    }
    const std::optional<HistoryEntry> expected = HistoryTotal(window.entries());
    const std::optional<ExperimentTotal> got =
        TotalOfExperiment(notebook.entries(), Experiment::Classic());
    ASSERT_TRUE(expected && got);
    EXPECT_EQ(got->runsSummed, 25);
    ExperimentRecord classic = ClassicRecord(expected->record);
    EXPECT_EQ(got->entry.record, classic);
    EXPECT_EQ(TotalSimulatedTitle(*got, kSpanishSymbols),
              "Total de 25 ejecuciones\n(1.000 ensayos)");
}

TEST(ExperimentTotal, AddsOnlyTheRunsOfItsExperiment) {
    ExperimentHistory notebook;
    notebook.add(Perform(Experiment::Classic(), "100", 1), "");
    notebook.add(Perform(Make(4, 8), "300", 2), "");
    notebook.add(Perform(Make(4, 8), "200", 3), "");
    const auto total = TotalOfExperiment(notebook.entries(), Make(4, 8));
    ASSERT_TRUE(total);
    EXPECT_EQ(total->runsSummed, 2);
    EXPECT_EQ(total->entry.record.trials, 500);
    const auto& runs = notebook.entries();
    for (std::size_t j = 0; j < 4; ++j)
        EXPECT_EQ(total->entry.record.tally.brokenCounts[j],
                  runs[1].record.tally.brokenCounts[j] + runs[2].record.tally.brokenCounts[j]);
    EXPECT_EQ(total->entry.record.checkpoints.back().trials, 500);
    EXPECT_EQ(TotalSimulatedTitle(*total, kSpanishSymbols),
              "Total de 2 ejecuciones\n(500 ensayos)");

    ExperimentTotal other = *total;
    EXPECT_FALSE(AddToExperimentTotal(other, runs[0]));
    EXPECT_EQ(other.entry.record, total->entry.record);
    EXPECT_FALSE(TotalOfExperiment(notebook.entries(), Make(5, 8)));
}

TEST(ExperimentTotal, RowAndTextsCarryTheMarkShootersAndPlates) {
    ExperimentHistory notebook;
    notebook.add(Perform(Make(4, 8), "1000", 5), "11:05:32");
    const auto total = TotalOfExperiment(notebook.entries(), Make(4, 8));
    ASSERT_TRUE(total);
    const ExperimentHistoryRow header = ExperimentHistoryHeader(4);
    const ExperimentHistoryRow row = ComposeTotalRow(*total, 4, kSpanishSymbols);
    ASSERT_EQ(row.size(), header.size());
    EXPECT_EQ(row.front(), "Total");
    EXPECT_EQ(row[1], "");
    EXPECT_EQ(row.back(), "");
    EXPECT_EQ(row[header.size() - 3], "4");
    EXPECT_EQ(row[header.size() - 2], "8");
    const std::string tab = ExperimentHistoryTabText(notebook.entries(), &*total, kSpanishSymbols);
    EXPECT_EQ(tab.substr(0, tab.rfind("Total")),
              ExperimentHistoryTabText(notebook.entries(), kSpanishSymbols));
    EXPECT_NE(tab.find("\nTotal\t\t1000\t"), std::string::npos) << tab;
    const std::string csv = ExperimentHistoryCsv(notebook.entries(), &*total, kSpanishSymbols);
    EXPECT_NE(csv.find("\r\nTotal;;1000;"), std::string::npos) << csv;
    EXPECT_EQ(ExperimentHistoryCsv(notebook.entries(), nullptr, kSpanishSymbols),
              ExperimentHistoryCsv(notebook.entries(), kSpanishSymbols));
}

TEST(ExperimentTotal, CaptionNamesAnExperimentOtherThanThePuzzle) {
    ExperimentHistory notebook;
    notebook.add(Perform(Experiment::Classic(), "1000", 42), "11:05:32");
    notebook.add(Perform(Make(4, 8), "1.000", 42), "11:06:00");
    const auto& runs = notebook.entries();
    EXPECT_EQ(ExperimentChartsCaption(runs[0], "09/12/2026", 0, kSpanishSymbols),
              "Simulación nº 1: 1.000 ensayos, semilla 42, 09/12/2026 11:05:32");
    EXPECT_EQ(ExperimentChartsCaption(runs[1], "09/12/2026", 0, kSpanishSymbols),
              "Simulación nº 2: 1.000 ensayos, semilla 42, 09/12/2026 11:06:00; cuatro "
              "tiradores y ocho platos");
    const auto total = TotalOfExperiment(runs, Make(4, 8));
    ASSERT_TRUE(total);
    EXPECT_EQ(ExperimentChartsCaption(total->entry, "", total->runsSummed, kSpanishSymbols),
              "Total de 1 ejecución: 1.000 ensayos; cuatro tiradores y ocho platos");
}

// Every trial drawn again gives back the run's tallies, so the cell a face lights
// is the choice the trial really made.
TEST(TrialPlates, ReplayedTrialsGiveTheRunsTallies) {
    const std::vector<Experiment> experiments{Experiment::Classic(), Make(4, 8), Make(1, 2),
                                              Make(10, 20), Make(7, 3)};
    for (const Experiment& experiment : experiments) {
        const ExperimentRecord run = Perform(experiment, "517", 99);
        ExperimentTally replayed = EmptyTally(experiment);
        for (std::int32_t trial = 1; trial <= run.trials; ++trial) {
            const std::vector<std::int32_t> plates = TrialPlates(experiment, 99, trial);
            ASSERT_EQ(plates.size(), std::size_t(experiment.shooters()));
            const std::set<std::int32_t> hit(plates.begin(), plates.end());
            ASSERT_GE(*hit.begin(), 1);
            ASSERT_LE(*hit.rbegin(), experiment.plates());
            ++replayed.brokenCounts[hit.size() - 1];
            replayed.intactTotal += experiment.plates() - std::int32_t(hit.size());
        }
        EXPECT_EQ(replayed, run.tally) << experiment.shooters() << " x " << experiment.plates();
    }
    EXPECT_TRUE(TrialPlates(Experiment::Classic(), 1, 0).empty());
}

TEST(TrialPlates, TheReplayedChoiceBreaksWhatItsGridCellSays) {
    const Experiment experiment = Make(4, 6);
    const std::optional<CaseGrid> grid = DrawnCases(experiment);
    ASSERT_TRUE(grid);
    for (std::int32_t trial = 1; trial <= 40; ++trial) {
        const std::vector<std::int32_t> plates = TrialPlates(experiment, 3, trial);
        const std::set<std::int32_t> hit(plates.begin(), plates.end());
        EXPECT_EQ(grid->broken[CaseCell(experiment, plates)], std::int32_t(hit.size()));
    }
}

}  // namespace
}  // namespace vesquin
