// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "experiment_history_text.h"

#include <algorithm>
#include <cmath>

#include "catalogue.h"
#include "data_text.h"
#include "exact_quotient.h"
#include "experiment_theory.h"
#include "experiment_words.h"
#include "history_text.h"
#include "step_texts.h"

namespace vesquin {
namespace {

LocaleSymbols Ungrouped(const LocaleSymbols& symbols) {
    return LocaleSymbols{symbols.decimal, ""};
}

// A tab or line break inside a value would start a new cell or row when pasted.
std::string WithoutBreaks(std::string value) {
    std::replace_if(
        value.begin(), value.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; },
        ' ');
    return value;
}

std::string Capitalised(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = char(text[0] - 'a' + 'A');
    return text;
}

Quotient PercentOf(std::int32_t count, std::int32_t trials) {
    return Quotient{std::int64_t{count} * 100, trials < 1 ? 1 : trials};
}

std::string Grouped(std::int64_t value, const LocaleSymbols& symbols) {
    return PatternFormat(static_cast<double>(value), Pattern::Grouped, symbols);
}

template <typename Line>
std::string Lines(std::span<const ExperimentEntry> entries, const LocaleSymbols& symbols,
                  const Line& line) {
    const std::int32_t columns = HistoryBrokenColumns(entries);
    std::string text = line(ExperimentHistoryHeader(columns));
    for (const ExperimentEntry& entry : entries)
        text += line(ComposeExperimentRow(entry, columns, Ungrouped(symbols)));
    return text;
}

}  // namespace

std::int32_t HistoryBrokenColumns(std::span<const ExperimentEntry> entries) {
    std::int32_t columns = 3;
    for (const ExperimentEntry& entry : entries)
        columns = std::max(columns, entry.record.experiment.mostBroken());
    return columns;
}

ExperimentHistoryRow ExperimentHistoryHeader(std::int32_t brokenColumns) {
    const HistoryRow& classic = HistoryHeader();
    ExperimentHistoryRow header{classic[0], classic[1], classic[2]};
    for (std::int32_t j = 1; j <= brokenColumns; ++j) header.push_back(Capitalised(Plates(j)));
    for (std::int32_t j = 1; j <= brokenColumns; ++j) header.push_back("% " + Plates(j));
    header.insert(header.end(), classic.end() - 3, classic.end() - 1);
    header.insert(header.end(), {std::string(Text("history column", "Predicción")), "Tiradores",
                                 "Platos", classic.back()});
    return header;
}

double LargestGapToTheory(const ExperimentRecord& record) {
    const ExperimentTheory theory = TheoryOf(record.experiment);
    double largest = 0;
    for (std::size_t j = 0; j < record.tally.brokenCounts.size() && j < theory.broken.size(); ++j) {
        const double simulated = PercentOf(record.tally.brokenCounts[j], record.trials).value();
        largest = std::max(largest, std::abs(simulated - theory.broken[j].percent));
    }
    return largest;
}

ExperimentHistoryRow ComposeExperimentRow(const ExperimentEntry& entry, std::int32_t brokenColumns,
                                          const LocaleSymbols& symbols) {
    const ExperimentRecord& run = entry.record;
    const auto& counts = run.tally.brokenCounts;
    ExperimentHistoryRow row{std::to_string(entry.number), entry.time,
                             Grouped(run.trials, symbols)};
    const auto known = [&](std::int32_t j) { return std::size_t(j) <= counts.size(); };
    for (std::int32_t j = 1; j <= brokenColumns; ++j)
        row.push_back(known(j) ? Grouped(counts[std::size_t(j) - 1], symbols) : "");
    for (std::int32_t j = 1; j <= brokenColumns; ++j) {
        row.push_back(known(j) ? PatternFormat(PercentOf(counts[std::size_t(j) - 1], run.trials),
                                               Pattern::TwoDecimals, symbols)
                               : "");
    }
    row.push_back(PatternFormat(Quotient{run.tally.intactTotal, run.trials < 1 ? 1 : run.trials},
                                Pattern::TwoDecimals, symbols));
    row.push_back(PatternFormat(LargestGapToTheory(run), Pattern::TwoDecimals, symbols));
    row.push_back(entry.prediction ? PredictionText(*entry.prediction, symbols) : std::string());
    row.push_back(std::to_string(run.experiment.shooters()));
    row.push_back(std::to_string(run.experiment.plates()));
    row.push_back(std::to_string(run.seed));
    return row;
}

std::string ExperimentHistoryTabText(std::span<const ExperimentEntry> entries,
                                     const LocaleSymbols& symbols) {
    return Lines(entries, symbols, [](const ExperimentHistoryRow& row) {
        std::string text;
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0) text += '\t';
            text += WithoutBreaks(row[i]);
        }
        return text + '\n';
    });
}

std::string ExperimentHistoryCsv(std::span<const ExperimentEntry> entries,
                                 const LocaleSymbols& symbols) {
    const std::string_view separator = CsvSeparator(symbols);
    return std::string(kUtf8ByteOrderMark) +
           Lines(entries, symbols, [separator](const ExperimentHistoryRow& row) {
               std::string text;
               for (std::size_t i = 0; i < row.size(); ++i) {
                   if (i > 0) text += separator;
                   text += CsvField(row[i], separator);
               }
               return text + "\r\n";
           });
}

}  // namespace vesquin
