// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the page's teaching panel asks of the engine: the exact theory beside a run,
// the run's running frequencies for the convergence chart, the bars, and the run
// history as a table, as tab-separated text for the clipboard and as CSV. All texts
// come with the user's symbols; the numbers given for drawing are only places.

#include <emscripten/emscripten.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <span>
#include <string>

#include "binding_state.h"
#include "chart_palette.h"
#include "history_text.h"
#include "json_text.h"
#include "teaching_figures.h"
#include "theory.h"

namespace vesquin::web {
namespace {

// A place on a chart, not a text the user reads.
std::string JsonDouble(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", value);
    return text;
}

std::string JsonLine(const TheoryLine& line) {
    return "{\"label\":" + JsonString(line.label) +
           ",\"favourable\":" + JsonString(line.favourable) +
           ",\"fraction\":" + JsonString(line.fraction) + ",\"theory\":" + JsonString(line.theory) +
           ",\"simulated\":" + JsonString(line.simulated) + "}";
}

template <typename Row>
std::string JsonTexts(const Row& row) {
    std::string texts;
    for (const auto& text : row) texts += (texts.empty() ? "" : ",") + JsonString(text);
    return "[" + texts + "]";
}

const HistoryEntry* EntryNumbered(std::int32_t number) {
    const auto& entries = History().entries();
    if (entries.empty()) return nullptr;
    for (const HistoryEntry& entry : entries) {
        if (entry.number == number) return &entry;
    }
    return &entries.back();
}

// The desktop's light chart colours, which the page draws with.
std::string JsonPalette() {
    const ChartPalette& palette = ChartColours(false);
    std::string outcomes;
    for (const Rgb& colour : palette.outcomes)
        outcomes += (outcomes.empty() ? "" : ",") + JsonString(HexColour(colour));
    return "{\"background\":" + JsonString(HexColour(palette.background)) + ",\"outcomes\":[" +
           outcomes + "],\"simulatedBar\":" + JsonString(HexColour(palette.simulatedBar)) +
           ",\"theoryBar\":" + JsonString(HexColour(palette.theoryBar)) + "}";
}

}  // namespace
}  // namespace vesquin::web

using namespace vesquin;
using namespace vesquin::web;

extern "C" {

// The panel for the history entry numbered `entry` (the latest run when there is no
// such entry): theory lines, frequencies, bars, ticks of the trials axis, the charts'
// colours, the history's header and how many rows it holds.
EMSCRIPTEN_KEEPALIVE const char* vesquin_teaching(const char* decimal, const char* grouping,
                                                  int entry) {
    const LocaleSymbols symbols = SymbolsOf(decimal, grouping);
    const ExactTheory& theory = Theory();
    const HistoryEntry* shown = EntryNumbered(entry);
    const TheoryPanelTexts panel = ComposeTheoryPanel(theory, shown, symbols);

    std::string lines;
    for (const TheoryLine& line : panel.outcomes) lines += JsonLine(line) + ",";
    lines +=
        JsonLine(panel.modal) + "," + JsonLine(panel.meanIntact) + "," + JsonLine(panel.meanBroken);

    std::string theoryBars;
    std::string theoryTexts;
    for (const OutcomeTheory& outcome : theory.outcomes) {
        theoryBars += (theoryBars.empty() ? "" : ",") + JsonDouble(outcome.percent);
        theoryTexts +=
            (theoryTexts.empty() ? "" : ",") + JsonString(PercentText(outcome.percent, symbols));
    }

    std::string run = "null";
    std::string frequencies;
    std::string ticks;
    if (shown) {
        const auto percent = RunPercentages(shown->record);
        run = "{\"number\":" + JsonNumber(shown->number) +
              ",\"trials\":" + JsonNumber(shown->record.trials) + ",\"percent\":[" +
              JsonDouble(percent[0].value()) + "," + JsonDouble(percent[1].value()) + "," +
              JsonDouble(percent[2].value()) + "],\"texts\":[" +
              JsonString(PercentText(percent[0], symbols)) + "," +
              JsonString(PercentText(percent[1], symbols)) + "," +
              JsonString(PercentText(percent[2], symbols)) + "]}";
        for (const FrequencyPoint& point : RunningFrequencies(shown->record)) {
            frequencies += (frequencies.empty() ? "[" : ",[") + JsonNumber(point.trials) + "," +
                           JsonDouble(point.percent[0]) + "," + JsonDouble(point.percent[1]) + "," +
                           JsonDouble(point.percent[2]) + "]";
        }
        // Decades from 1 up to the first at or past the run's trials.
        for (double power = 1;; power *= 10) {
            ticks += (ticks.empty() ? "[" : ",[") + JsonDouble(power) + "," +
                     JsonString(PatternFormat(power, Pattern::Grouped, symbols)) + "]";
            if (power >= shown->record.trials) break;
        }
    }

    const std::size_t rowCount = History().entries().size();

    return Answer("{\"choices\":" + JsonString(panel.choices) +
                  ",\"simulatedTitle\":" + JsonString(panel.simulatedTitle) + ",\"lines\":[" +
                  lines + "],\"theoryPercent\":[" + theoryBars + "],\"theoryTexts\":[" +
                  theoryTexts + "],\"run\":" + run + ",\"frequencies\":[" + frequencies +
                  "],\"trialTicks\":[" + ticks + "],\"header\":" + JsonTexts(HistoryHeader()) +
                  ",\"palette\":" + JsonPalette() +
                  ",\"rowCount\":" + JsonNumber(static_cast<std::int64_t>(rowCount)) + "}");
}

// `count` rows of the history table from the `first`-th on (the oldest run is the
// 0th): the page asks only for the rows it shows.
EMSCRIPTEN_KEEPALIVE const char* vesquin_history_rows(const char* decimal, const char* grouping,
                                                      int first, int count) {
    const LocaleSymbols symbols = SymbolsOf(decimal, grouping);
    const std::span<const HistoryEntry> entries(History().entries());
    const std::size_t from = std::min<std::size_t>(first < 0 ? 0 : first, entries.size());
    const std::size_t taken = std::min<std::size_t>(count < 0 ? 0 : count, entries.size() - from);
    std::string rows;
    for (const HistoryEntry& each : entries.subspan(from, taken)) {
        rows += (rows.empty() ? "" : ",") + std::string("{\"number\":") + JsonNumber(each.number) +
                ",\"cells\":" + JsonTexts(ComposeHistoryRow(each, symbols)) + "}";
    }
    return Answer("[" + rows + "]");
}

// The history as the clipboard takes it (tab-separated) or, with `csv`, as a CSV file.
EMSCRIPTEN_KEEPALIVE const char* vesquin_history_text(const char* decimal, const char* grouping,
                                                      int csv) {
    const LocaleSymbols symbols = SymbolsOf(decimal, grouping);
    const auto& entries = History().entries();
    return Answer(csv ? HistoryCsv(entries, symbols) : HistoryTabText(entries, symbols));
}

// What to ask before the history is emptied: {"question":…,"empty":…,"keep":…}; the
// question is empty when there is nothing to empty.
EMSCRIPTEN_KEEPALIVE const char* vesquin_empty_question(const char* decimal, const char* grouping) {
    const std::size_t runs = History().entries().size();
    const std::string question =
        runs == 0 ? std::string() : EmptyHistoryQuestion(runs, SymbolsOf(decimal, grouping));
    return Answer("{\"question\":" + JsonString(question) +
                  ",\"empty\":" + JsonString(kEmptyHistoryAnswer) +
                  ",\"keep\":" + JsonString(kKeepHistoryAnswer) + "}");
}

EMSCRIPTEN_KEEPALIVE void vesquin_history_clear() {
    History().clear();
}

}  // extern "C"
