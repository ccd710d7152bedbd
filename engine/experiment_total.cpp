// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "experiment_total.h"

#include <algorithm>
#include <cmath>

#include "catalogue.h"
#include "data_text.h"
#include "experiment_run.h"
#include "experiment_words.h"
#include "history_text.h"
#include "run_history.h"
#include "teaching_figures.h"
#include "teaching_texts.h"

namespace vesquin {
namespace {

ExperimentTally Sum(const ExperimentTally& a, const ExperimentTally& b) {
    ExperimentTally sum = a;
    for (std::size_t j = 0; j < sum.brokenCounts.size() && j < b.brokenCounts.size(); ++j)
        sum.brokenCounts[j] += b.brokenCounts[j];
    sum.intactTotal += b.intactTotal;
    return sum;
}

std::string Grouped(std::int64_t value, const LocaleSymbols& symbols) {
    return PatternFormat(static_cast<double>(value), Pattern::Grouped, symbols);
}

std::string TotalLine(const ExperimentTotal* total, std::span<const ExperimentEntry> entries,
                      const LocaleSymbols& symbols, std::string_view separator,
                      std::string_view end, bool quoted) {
    if (!total) return {};
    const ExperimentHistoryRow row =
        ComposeTotalRow(*total, HistoryBrokenColumns(entries), LocaleSymbols{symbols.decimal, ""});
    std::string text;
    for (std::size_t i = 0; i < row.size(); ++i) {
        if (i > 0) text += separator;
        text += quoted ? CsvField(row[i], separator) : row[i];
    }
    return text + std::string(end);
}

}  // namespace

bool AddToExperimentTotal(ExperimentTotal& total, const ExperimentEntry& run) {
    ExperimentRecord& sum = total.entry.record;
    if (total.runsSummed == 0) {
        sum = ExperimentRecord{};
        sum.experiment = run.record.experiment;
        sum.tally = EmptyTally(run.record.experiment);
    } else if (!(sum.experiment == run.record.experiment)) {
        return false;
    }
    if (static_cast<std::int64_t>(sum.trials) + run.record.trials > kRunMaximumTrials) return false;
    // One checkpoint each time the trials grow by a twentieth of a decade, as in a
    // total of the window's runs: thousands of runs still draw as a few hundred points.
    const double step = std::pow(10.0, 1.0 / 20.0);
    double next = sum.checkpoints.empty() ? 1.0 : sum.checkpoints.back().trials * step;
    for (const ExperimentTallyAt& at : run.record.checkpoints) {
        const std::int32_t reached = sum.trials + at.trials;
        if (reached < next) continue;
        sum.checkpoints.push_back(ExperimentTallyAt{reached, Sum(sum.tally, at.tally)});
        next = reached * step;
    }
    sum.trials += run.record.trials;
    sum.tally = Sum(sum.tally, run.record.tally);
    if (sum.checkpoints.empty() || sum.checkpoints.back().trials != sum.trials)
        sum.checkpoints.push_back(ExperimentTallyAt{sum.trials, sum.tally});
    ++total.runsSummed;
    return true;
}

std::optional<ExperimentTotal> TotalOfExperiment(std::span<const ExperimentEntry> entries,
                                                 const Experiment& experiment) {
    ExperimentTotal total;
    for (const ExperimentEntry& entry : entries) {
        if (!(entry.record.experiment == experiment)) continue;
        if (!AddToExperimentTotal(total, entry)) return std::nullopt;
    }
    if (total.runsSummed == 0) return std::nullopt;
    return total;
}

ExperimentHistoryRow ComposeTotalRow(const ExperimentTotal& total, std::int32_t brokenColumns,
                                     const LocaleSymbols& symbols) {
    ExperimentHistoryRow row = ComposeExperimentRow(total.entry, brokenColumns, symbols);
    row.front() = std::string(kTotalRowMark);
    row[1].clear();
    row.back().clear();
    return row;
}

std::string TotalSimulatedTitle(const ExperimentTotal& total, const LocaleSymbols& symbols) {
    const std::string heading = PluralText("theory panel column", "Total de {runs} ejecución",
                                           "Total de {runs} ejecuciones", total.runsSummed,
                                           {{"runs", Grouped(total.runsSummed, symbols)}});
    return SimulatedColumnTitle(heading, total.entry.record.trials, symbols);
}

std::string ExperimentChartsCaption(const ExperimentEntry& entry, const std::string& date,
                                    std::int32_t runsSummed, const LocaleSymbols& symbols) {
    HistoryEntry classic;
    classic.number = entry.number;
    classic.time = runsSummed > 0 ? std::string() : entry.time;
    classic.date = runsSummed > 0 ? std::string() : date;
    classic.record.trials = entry.record.trials;
    classic.record.seed = entry.record.seed;
    classic.runsSummed = runsSummed;
    std::string caption = ChartsCaption(classic, symbols);
    const Experiment& experiment = entry.record.experiment;
    if (!experiment.isClassic())
        // Translators: {caption} is the charts caption; {shooters} and {plates} are counts in
        // words, "cuatro tiradores", "ocho platos"
        caption = Text("charts caption", "{caption}; {shooters} y {plates}",
                       {{"caption", caption},
                        {"shooters", Shooters(experiment.shooters())},
                        {"plates", Plates(experiment.plates())}});
    return caption;
}

std::string ExperimentHistoryTabText(std::span<const ExperimentEntry> entries,
                                     const ExperimentTotal* total, const LocaleSymbols& symbols) {
    return ExperimentHistoryTabText(entries, symbols) +
           TotalLine(total, entries, symbols, "\t", "\n", false);
}

std::string ExperimentHistoryCsv(std::span<const ExperimentEntry> entries,
                                 const ExperimentTotal* total, const LocaleSymbols& symbols) {
    return ExperimentHistoryCsv(entries, symbols) +
           TotalLine(total, entries, symbols, CsvSeparator(symbols), "\r\n", true);
}

}  // namespace vesquin
