// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "history_text.h"

#include <algorithm>
#include <cmath>

#include "catalogue.h"
#include "theory.h"

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

}  // namespace

HistoryRow HistoryHeader() {
    // Written afresh each time: the page may change its language between two copies.
    static constexpr std::array<Message, kHistoryColumns> kHeader{
        Msg("history column", "Nº"),
        Msg("history column", "Hora"),
        Msg("history column", "Ensayos"),
        Msg("history column", "Un plato"),
        Msg("history column", "Dos platos"),
        Msg("history column", "Tres platos"),
        Msg("history column", "% un plato"),
        Msg("history column", "% dos platos"),
        Msg("history column", "% tres platos"),
        Msg("history column", "Media de intactos"),
        Msg("history column", "Mayor desvío (puntos)"),
        Msg("history column", "Semilla")};
    HistoryRow header;
    for (std::size_t i = 0; i < kHistoryColumns; ++i) header[i] = std::string(Text(kHeader[i]));
    return header;
}

double LargestGapToTheory(const RunTally& tally, std::int32_t trials) {
    const std::array<Quotient, 3> simulated = OutcomePercentages(tally, trials);
    double largest = 0;
    for (std::size_t i = 0; i < simulated.size(); ++i)
        largest = std::max(largest, std::abs(simulated[i].value() - Theory().outcomes[i].percent));
    return largest;
}

std::string HistoryCell(const HistoryEntry& entry, HistoryColumn column,
                        const LocaleSymbols& symbols) {
    const RunRecord& run = entry.record;
    const auto count = [&](std::int32_t value) {
        return PatternFormat(static_cast<double>(value), Pattern::Grouped, symbols);
    };
    // The main window's percentages, two decimals.
    const std::array<Quotient, 3> simulated = OutcomePercentages(run.tally, run.trials);
    const auto percent = [&](std::size_t outcome) {
        return PatternFormat(simulated[outcome], Pattern::TwoDecimals, symbols);
    };
    const bool total = entry.runsSummed > 0;
    switch (column) {
        case HistoryColumn::Number:
            return total ? std::string(kTotalRowMark) : std::to_string(entry.number);
        case HistoryColumn::Time:
            return total ? std::string() : entry.time;
        case HistoryColumn::Trials:
            return count(run.trials);
        case HistoryColumn::OneCount:
            return count(run.tally.oneCount);
        case HistoryColumn::TwoCount:
            return count(run.tally.twoCount);
        case HistoryColumn::ThreeCount:
            return count(run.tally.threeCount);
        case HistoryColumn::OnePercent:
            return percent(0);
        case HistoryColumn::TwoPercent:
            return percent(1);
        case HistoryColumn::ThreePercent:
            return percent(2);
        case HistoryColumn::MeanIntact:
            return PatternFormat(MeanIntact(run.tally, run.trials), Pattern::TwoDecimals, symbols);
        case HistoryColumn::LargestGap:
            return PatternFormat(LargestGapToTheory(run.tally, run.trials), Pattern::TwoDecimals,
                                 symbols);
        case HistoryColumn::Seed:
            // A total has no one seed; each of its runs keeps its own.
            return total ? std::string() : std::to_string(run.seed);
    }
    return {};
}

HistoryRow ComposeHistoryRow(const HistoryEntry& entry, const LocaleSymbols& symbols) {
    HistoryRow row;
    for (std::size_t i = 0; i < kHistoryColumns; ++i)
        row[i] = HistoryCell(entry, static_cast<HistoryColumn>(i), symbols);
    return row;
}

std::vector<HistoryRow> HistoryRows(std::span<const HistoryEntry> entries,
                                    const LocaleSymbols& symbols, TotalRow total) {
    std::vector<HistoryRow> rows;
    rows.reserve(entries.size() + 1);
    for (const HistoryEntry& entry : entries) rows.push_back(ComposeHistoryRow(entry, symbols));
    if (total == TotalRow::Included) {
        if (const std::optional<HistoryEntry> sum = HistoryTotal(entries))
            rows.push_back(ComposeHistoryRow(*sum, symbols));
    }
    return rows;
}

std::string HistoryTabText(std::span<const HistoryEntry> entries, const LocaleSymbols& symbols,
                           TotalRow total) {
    const auto line = [](const HistoryRow& row) {
        std::string text;
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0) text += '\t';
            text += WithoutBreaks(row[i]);
        }
        return text + '\n';
    };
    std::string text = line(HistoryHeader());
    for (const HistoryRow& row : HistoryRows(entries, Ungrouped(symbols), total)) text += line(row);
    return text;
}

std::string_view CsvSeparator(const LocaleSymbols& symbols) {
    return symbols.decimal == "," ? ";" : ",";
}

std::string HistoryCsv(std::span<const HistoryEntry> entries, const LocaleSymbols& symbols,
                       TotalRow total) {
    const std::string_view separator = CsvSeparator(symbols);
    const auto line = [separator](const HistoryRow& row) {
        std::string text;
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0) text += separator;
            text += CsvField(row[i], separator);
        }
        return text + "\r\n";
    };
    std::string text(kUtf8ByteOrderMark);
    text += line(HistoryHeader());
    for (const HistoryRow& row : HistoryRows(entries, Ungrouped(symbols), total)) text += line(row);
    return text;
}

std::string EmptyHistoryQuestion(std::size_t runs, const LocaleSymbols& symbols) {
    return PluralText("empty history question",
                      "¿Vaciar el historial? Se borrará la ejecución anotada; si no se ha copiado o "
                      "guardado, se perderá.",
                      "¿Vaciar el historial? Se borrarán las {count} ejecuciones anotadas; las que no "
                      "se hayan copiado o guardado se perderán.",
                      static_cast<std::int64_t>(runs),
                      {{"count", PatternFormat(static_cast<double>(runs), Pattern::Grouped, symbols)}});
}

}  // namespace vesquin
