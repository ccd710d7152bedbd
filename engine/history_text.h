// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The run history as text: the rows the teaching view's table shows, the
// tab-separated text copied to the clipboard and the CSV file, all with the
// user's number symbols.

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "data_text.h"
#include "number_text.h"
#include "run_history.h"

namespace vesquin {

enum class HistoryColumn {
    Number,        // "Nº": 1, 2, 3...
    Time,          // "Hora", as the face wrote it
    Trials,        // "Ensayos"
    OneCount,      // "Un plato"
    TwoCount,      // "Dos platos"
    ThreeCount,    // "Tres platos"
    OnePercent,    // "% un plato"
    TwoPercent,    // "% dos platos"
    ThreePercent,  // "% tres platos"
    MeanIntact,    // "Media de intactos", two decimals
    LargestGap,    // "Mayor desvío (puntos)": percentage points from the theory
    Seed,          // "Semilla", plain digits
};
inline constexpr std::size_t kHistoryColumns = 12;

using HistoryRow = std::array<std::string, kHistoryColumns>;

// What the "Nº" column of the total row holds (see HistoryTotal), in the table,
// the clipboard and the CSV alike; that row leaves "Hora" and "Semilla" empty.
inline constexpr std::string_view kTotalRowMark = "Total";

// Whether a text of the history ends with the total row.
enum class TotalRow { Omitted, Included };

// The column titles, in HistoryColumn order.
HistoryRow HistoryHeader();

// One cell of an entry as the table shows it: counts grouped and percentages with
// two decimals exactly as the main window wrote them for that run (1.000.000 and
// 55,56 with Spanish symbols). Pass symbols without a grouping symbol for plain digits.
std::string HistoryCell(const HistoryEntry& entry, HistoryColumn column,
                        const LocaleSymbols& symbols);
HistoryRow ComposeHistoryRow(const HistoryEntry& entry, const LocaleSymbols& symbols);
// One row per entry, then, when asked for and there is one, the total row.
std::vector<HistoryRow> HistoryRows(std::span<const HistoryEntry> entries,
                                    const LocaleSymbols& symbols, TotalRow total);

// The largest of the three distances, in percentage points, between a run's
// percentage of one, two and three broken plates and the theoretical one.
double LargestGapToTheory(const RunTally& tally, std::int32_t trials);

// For the clipboard: the header row, then one line per entry, fields separated by
// tabs and lines ended by "\n", numbers with the decimal symbol and no grouping,
// so that a spreadsheet pastes it as columns of numbers.
// With TotalRow::Included the last line is the total row.
std::string HistoryTabText(std::span<const HistoryEntry> entries, const LocaleSymbols& symbols,
                           TotalRow total = TotalRow::Omitted);

// ";" where the decimal symbol is "," (so that a spreadsheet under that locale
// splits the columns), "," otherwise.
std::string_view CsvSeparator(const LocaleSymbols& symbols);

// The CSV file: a UTF-8 byte order mark (spreadsheets take it as the sign of
// UTF-8), the header row, then one row per entry, lines ended by "\r\n", numbers
// as in HistoryTabText, fields separated by CsvSeparator(symbols).
std::string HistoryCsv(std::span<const HistoryEntry> entries, const LocaleSymbols& symbols,
                       TotalRow total = TotalRow::Omitted);

// The question asked before the history of `runs` runs (at least one) is emptied:
// "¿Vaciar el historial? Se borrarán las 12 ejecuciones anotadas; las que no se hayan
// copiado o guardado se perderán.", in the singular for one run.
std::string EmptyHistoryQuestion(std::size_t runs, const LocaleSymbols& symbols);

// The answers to that question: empty it, or keep it (the safe choice).
inline constexpr std::string_view kEmptyHistoryAnswer = "Vaciar";
inline constexpr std::string_view kKeepHistoryAnswer = "Cancelar";

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

}  // namespace vesquin
