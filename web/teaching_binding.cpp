// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the page's teaching panel asks of the engine: the exact theory of a run's
// experiment beside it, where its numbers come from, the run's running frequencies
// for the convergence chart, the bars, and the run history as a table, as
// tab-separated text for the clipboard and as CSV. All texts
// come with the user's symbols; the numbers given for drawing are only places.

#include <emscripten/emscripten.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "binding_state.h"
#include "case_grid.h"
#include "chance_margin.h"
#include "chart_palette.h"
#include "experiment_history_text.h"
#include "experiment_panel.h"
#include "experiment_theory.h"
#include "history_text.h"
#include "json_text.h"
#include "step_binding.h"
#include "teaching_figures.h"

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

template <typename Values>
std::string JsonNumbers(const Values& values) {
    std::string texts;
    for (const auto& value : values) texts += (texts.empty() ? "" : ",") + JsonDouble(value);
    return "[" + texts + "]";
}

// The step run as it grows, shown as if it were a run of the history.
ExperimentEntry g_growing;

const ExperimentEntry* EntryNumbered(std::int32_t number) {
    if (number < 0) {
        if (const StepRun* run = GrowingStepRun()) {
            g_growing.record = run->GeneralRecord();
            return &g_growing;
        }
    }
    const auto& entries = History().entries();
    if (entries.empty()) return nullptr;
    for (const ExperimentEntry& entry : entries) {
        if (entry.number == number) return &entry;
    }
    return &entries.back();
}

// The desktop's chart colours, light or dark, which the page draws with; the
// high-contrast ones for a large screen.
std::string JsonPalette(bool dark, bool large) {
    const ChartPalette& palette = large ? HighContrastChartColours(dark) : ChartColours(dark);
    const auto colours = [](const auto& list) {
        std::string texts;
        for (const Rgb& colour : list)
            texts += (texts.empty() ? "" : ",") + JsonString(HexColour(colour));
        return "[" + texts + "]";
    };
    return "{\"background\":" + JsonString(HexColour(palette.background)) +
           ",\"outcomes\":" + colours(palette.outcomes) + ",\"series\":" + colours(palette.series) +
           ",\"simulatedBar\":" + JsonString(HexColour(palette.simulatedBar)) +
           ",\"theoryBar\":" + JsonString(HexColour(palette.theoryBar)) + "}";
}

// Every ordered choice of a small experiment, cell by cell, with the key of its colours.
std::string JsonGrid(const Experiment& experiment, const LocaleSymbols& symbols) {
    const auto grid = DrawnCases(experiment);
    if (!grid) return "{\"note\":" + JsonString(GridTooLargeText(experiment, symbols)) + "}";
    std::string keys;
    for (std::size_t j = 0; j < grid->brokenCounts.size(); ++j) {
        keys += (keys.empty() ? "" : ",") +
                JsonString(GridKeyText(std::int32_t(j) + 1, grid->brokenCounts[j], symbols));
    }
    // One digit a cell, row by row: the plates it breaks less one, 0 to 9.
    std::string cells;
    for (const std::int32_t broken : grid->broken) cells += char('0' + broken - 1);
    return "{\"rows\":" + JsonNumber(grid->rows) + ",\"columns\":" + JsonNumber(grid->columns) +
           ",\"cells\":" + JsonString(cells) + ",\"keys\":[" + keys + "]}";
}

}  // namespace
}  // namespace vesquin::web

using namespace vesquin;
using namespace vesquin::web;

extern "C" {

// The panel for the history entry numbered `entry` (the latest run when there is no
// such entry; the growing step run for -1 while there is one), or, with no run at all, for the experiment of `shooters` and `plates`:
// the statement, theory lines, means, the cases counted, the grid of every choice,
// frequencies, bars, ticks of the trials axis, the charts' colours (dark ones with
// `dark`, high-contrast with `large`), the 95 % band of each theory line and how far
// the run is from the theory in units of it, the history's header and how many rows
// it holds.
EMSCRIPTEN_KEEPALIVE const char* vesquin_teaching(const char* decimal, const char* grouping,
                                                  int entry, int shooters, int plates, int dark,
                                                  int large) {
    const LocaleSymbols symbols = SymbolsOf(decimal, grouping);
    const ExperimentEntry* shown = EntryNumbered(entry);
    const auto setUp = Experiment::Make(shooters, plates);
    const Experiment experiment = shown ? shown->record.experiment
                                  : std::holds_alternative<Experiment>(setUp)
                                      ? std::get<Experiment>(setUp)
                                      : Experiment::Classic();
    const ExperimentTheory theory = TheoryOf(experiment);
    const ExperimentPanelTexts panel = ComposeExperimentPanel(experiment, shown, symbols);

    std::string lines;
    for (const TheoryLine& line : panel.broken)
        lines += (lines.empty() ? "" : ",") + JsonLine(line);
    const std::string means =
        JsonLine(panel.modal) + "," + JsonLine(panel.meanIntact) + "," + JsonLine(panel.meanBroken);

    std::vector<double> theoryBars;
    std::vector<std::string> theoryTexts;
    std::vector<std::string> names;
    for (const BrokenTheory& broken : theory.broken) {
        theoryBars.push_back(broken.percent);
        theoryTexts.push_back(PercentText(broken.percent, symbols));
        names.push_back(BrokenName(broken.platesBroken));
    }

    std::string run = "null";
    std::string frequencies;
    std::string ticks;
    std::string bands;
    std::string marginLines;
    if (shown) {
        for (const BrokenTheory& broken : theory.broken) {
            std::string band;
            for (const BandPoint& point :
                 ChanceBandPoints(broken.probability.value(), shown->record.trials)) {
                band += (band.empty() ? "[" : ",[") + JsonNumber(point.trials) + "," +
                        JsonDouble(point.lowPercent) + "," + JsonDouble(point.highPercent) + "]";
            }
            bands += (bands.empty() ? "[" : ",[") + band + "]";
        }
        marginLines = JsonTexts(RunMarginLines(shown->record, symbols));
        const std::vector<Quotient> percent =
            BrokenPercentages(shown->record.tally, shown->record.trials);
        std::vector<double> values;
        std::vector<std::string> texts;
        for (const Quotient& each : percent) {
            values.push_back(each.value());
            texts.push_back(PercentText(each, symbols));
        }
        run = "{\"number\":" + JsonNumber(shown->number) +
              ",\"trials\":" + JsonNumber(shown->record.trials) +
              ",\"percent\":" + JsonNumbers(values) + ",\"texts\":" + JsonTexts(texts) + "}";
        for (const BrokenFrequencies& point : RunningFrequencies(shown->record)) {
            std::string row = JsonNumber(point.trials);
            for (const double value : point.percent) row += "," + JsonDouble(value);
            frequencies += (frequencies.empty() ? "[" : ",[") + row + "]";
        }
        // Decades from 1 up to the first at or past the run's trials.
        for (double power = 1;; power *= 10) {
            ticks += (ticks.empty() ? "[" : ",[") + JsonDouble(power) + "," +
                     JsonString(PatternFormat(power, Pattern::Grouped, symbols)) + "]";
            if (power >= shown->record.trials) break;
        }
    }

    const auto& entries = History().entries();
    const std::size_t rowCount = entries.size();

    return Answer(
        "{\"shooters\":" + JsonNumber(experiment.shooters()) + ",\"plates\":" +
        JsonNumber(experiment.plates()) + ",\"statement\":" + JsonString(panel.statement) +
        ",\"choices\":" + JsonString(panel.choices) + ",\"source\":" + JsonString(panel.source) +
        ",\"convergenceDescription\":" + JsonString(ConvergenceDescription(experiment)) +
        ",\"barsDescription\":" + JsonString(BarsDescription(experiment)) +
        ",\"simulatedTitle\":" + JsonString(panel.simulatedTitle) + ",\"lines\":[" + lines +
        "],\"means\":[" + means + "],\"possibleCases\":" + JsonString(panel.possibleCases) +
        ",\"cases\":" + JsonTexts(panel.cases) + ",\"laplace\":" + JsonString(panel.laplace) +
        ",\"grid\":" + JsonGrid(experiment, symbols) + ",\"names\":" + JsonTexts(names) +
        ",\"theoryPercent\":" + JsonNumbers(theoryBars) +
        ",\"theoryTexts\":" + JsonTexts(theoryTexts) + ",\"run\":" + run + ",\"frequencies\":[" +
        frequencies + "],\"trialTicks\":[" + ticks +
        "],\"header\":" + JsonTexts(ExperimentHistoryHeader(HistoryBrokenColumns(entries))) +
        ",\"palette\":" + JsonPalette(dark != 0, large != 0) + ",\"bands\":[" + bands +
        "],\"marginLines\":" + (marginLines.empty() ? std::string("[]") : marginLines) +
        ",\"rowCount\":" + JsonNumber(static_cast<std::int64_t>(rowCount)) + "}");
}

// `count` rows of the history table from the `first`-th on (the oldest run is the
// 0th): the page asks only for the rows it shows.
EMSCRIPTEN_KEEPALIVE const char* vesquin_history_rows(const char* decimal, const char* grouping,
                                                      int first, int count) {
    const LocaleSymbols symbols = SymbolsOf(decimal, grouping);
    const std::span<const ExperimentEntry> entries(History().entries());
    const std::int32_t columns = HistoryBrokenColumns(entries);
    const std::size_t from = std::min<std::size_t>(first < 0 ? 0 : first, entries.size());
    const std::size_t taken = std::min<std::size_t>(count < 0 ? 0 : count, entries.size() - from);
    std::string rows;
    for (const ExperimentEntry& each : entries.subspan(from, taken)) {
        rows += (rows.empty() ? "" : ",") + std::string("{\"number\":") + JsonNumber(each.number) +
                ",\"cells\":" + JsonTexts(ComposeExperimentRow(each, columns, symbols)) + "}";
    }
    return Answer("[" + rows + "]");
}

// The history as the clipboard takes it (tab-separated) or, with `csv`, as a CSV file.
EMSCRIPTEN_KEEPALIVE const char* vesquin_history_text(const char* decimal, const char* grouping,
                                                      int csv) {
    const LocaleSymbols symbols = SymbolsOf(decimal, grouping);
    const auto& entries = History().entries();
    return Answer(csv ? ExperimentHistoryCsv(entries, symbols)
                      : ExperimentHistoryTabText(entries, symbols));
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
