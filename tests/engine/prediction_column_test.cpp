// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The pupil's prediction in the history: its own column in the rows, the clipboard
// text and the CSV, empty where no guess was made, and never in the total.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "data_text.h"
#include "experiment_history_text.h"
#include "experiment_total.h"
#include "history_text.h"

namespace vesquin {
namespace {

const LocaleSymbols kSpanish{",", "."};

ExperimentRecord Performed(std::int32_t shooters, std::int32_t plates, std::uint64_t seed) {
    UniformSource source;
    const Experiment experiment = std::get<Experiment>(Experiment::Make(shooters, plates));
    return std::get<ExperimentRecord>(
        PerformExperimentRun(experiment, "200", source, kSpanish, kRunMaximumTrials, seed));
}

std::vector<std::string> Split(const std::string& line, char separator) {
    std::vector<std::string> cells(1);
    for (const char c : line) {
        if (c == separator)
            cells.emplace_back();
        else
            cells.back() += c;
    }
    return cells;
}

// The lines of a text, without its byte order mark and line ends.
std::vector<std::string> Lines(std::string text) {
    if (text.rfind(kUtf8ByteOrderMark, 0) == 0) text.erase(0, kUtf8ByteOrderMark.size());
    std::vector<std::string> lines;
    for (std::string& line : Split(text, '\n')) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}

ExperimentHistory Notebook() {
    ExperimentHistory history;
    history.add(Performed(3, 6, 1), "09:00:00", Prediction{2, 50});
    history.add(Performed(3, 6, 2), "09:01:00");
    history.add(Performed(5, 4, 3), "09:02:00", Prediction{4, 100});
    return history;
}

TEST(PredictionColumn, StandsBeforeTheExperimentAndIsEmptyWithoutAGuess) {
    const ExperimentHistory history = Notebook();
    const std::int32_t columns = HistoryBrokenColumns(history.entries());
    const ExperimentHistoryRow header = ExperimentHistoryHeader(columns);
    ASSERT_GE(header.size(), 4u);
    EXPECT_EQ(header.end()[-4], "Predicción");
    EXPECT_EQ(header.end()[-3], "Tiradores");
    EXPECT_EQ(header.back(), "Semilla");
    const char* expected[] = {"2 platos, 50\u00A0%", "", "4 platos, 100\u00A0%"};
    for (std::size_t i = 0; i < history.entries().size(); ++i) {
        const ExperimentHistoryRow row = ComposeExperimentRow(history.entries()[i], columns, kSpanish);
        ASSERT_EQ(row.size(), header.size());
        EXPECT_EQ(row.end()[-4], expected[i]) << i;
        EXPECT_EQ(row.back(), std::to_string(i + 1)) << "the seed stays last";
    }
}

TEST(PredictionColumn, TheClipboardAndTheCsvCarryItInItsPlace) {
    const ExperimentHistory history = Notebook();
    const std::optional<ExperimentTotal> total =
        TotalOfExperiment(history.entries(), history.entries().back().record.experiment);
    ASSERT_TRUE(total);
    struct Case {
        std::string text;
        char separator;
    };
    const Case cases[] = {
        {ExperimentHistoryTabText(history.entries(), &*total, kSpanish), '\t'},
        {ExperimentHistoryCsv(history.entries(), &*total, kSpanish), ';'},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> lines = Lines(c.text);
        ASSERT_EQ(lines.size(), 5u) << c.text;  // the header, three runs and the total
        const std::vector<std::string> header = Split(lines[0], c.separator);
        const std::size_t column = header.size() - 4;
        EXPECT_EQ(header[column], "Predicción");
        const char* expected[] = {"2 platos, 50\u00A0%", "", "4 platos, 100\u00A0%", ""};
        for (std::size_t row = 0; row < 4; ++row) {
            const std::vector<std::string> cells = Split(lines[row + 1], c.separator);
            ASSERT_EQ(cells.size(), header.size()) << lines[row + 1];
            // The CSV quotes a cell with a comma in it; the clipboard has no quotes.
            std::string cell = cells[column];
            if (c.separator == ';' && cell.size() >= 2 && cell.front() == '"')
                cell = cell.substr(1, cell.size() - 2);
            EXPECT_EQ(cell, expected[row]) << lines[row + 1];
        }
    }
}

}  // namespace
}  // namespace vesquin
