// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The teaching faces' notebook and panel for any experiment: a 3 x 6 run reads as
// it does in the window's history and panel, other experiments carry their numbers
// of shooters and plates, and the experiment is read from typed text.
#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "case_counting.h"
#include "experiment_history_text.h"
#include "experiment_panel.h"
#include "experiment_reading.h"
#include "experiment_theory.h"
#include "history_text.h"
#include "run_history.h"
#include "teaching_figures.h"

namespace vesquin {
namespace {

const LocaleSymbols kSpanish{",", "."};
const LocaleSymbols kEnglish{".", ","};

Experiment Make(std::int32_t shooters, std::int32_t plates) {
    return std::get<Experiment>(Experiment::Make(shooters, plates));
}

ExperimentRecord Performed(const Experiment& experiment, const char* count, std::uint64_t seed) {
    UniformSource source(seed);
    return std::get<ExperimentRecord>(
        PerformExperimentRun(experiment, count, source, kSpanish, 1'000'000, seed));
}

RunRecord Classic(const char* count, std::uint64_t seed) {
    UniformSource source(seed);
    return std::get<RunRecord>(PerformRun(count, source, kSpanish, 1'000'000, seed));
}

// Drops "Predicción", "Tiradores" and "Platos", the three cells before the last.
std::vector<std::string> WithoutExperiment(std::vector<std::string> row) {
    row.erase(row.end() - 4, row.end() - 1);
    return row;
}

TEST(ExperimentHistoryText, AClassicRunReadsAsInTheWindowsHistoryWithTheExperimentAdded) {
    RunHistory classic;
    ExperimentHistory general;
    for (const auto& [count, seed] : {std::pair{"1.000", 42u}, std::pair{"7", 3u}}) {
        const RunRecord run = Classic(count, seed);
        classic.add(run, "10:00:00");
        general.add(ClassicRecord(run), "10:00:00");
        EXPECT_EQ(general.entries().back().record, Performed(Experiment::Classic(), count, seed));
    }
    const HistoryRow& header = HistoryHeader();
    EXPECT_EQ(WithoutExperiment(ExperimentHistoryHeader(3)),
              std::vector<std::string>(header.begin(), header.end()));
    for (const LocaleSymbols& symbols : {kSpanish, kEnglish}) {
        for (std::size_t i = 0; i < classic.entries().size(); ++i) {
            const HistoryRow expected = ComposeHistoryRow(classic.entries()[i], symbols);
            const auto row = ComposeExperimentRow(general.entries()[i], 3, symbols);
            EXPECT_EQ(row.end()[-3], "3");
            EXPECT_EQ(row.end()[-2], "6");
            EXPECT_EQ(WithoutExperiment(row),
                      std::vector<std::string>(expected.begin(), expected.end()));
        }
    }
}

TEST(ExperimentHistoryText, TheClipboardAndTheCsvCarryShootersAndPlatesAndWidenForLargerRuns) {
    ExperimentHistory history;
    history.add(ClassicRecord(Classic("100", 1)), "09:00:00");
    history.add(Performed(Make(4, 8), "1.000", 42), "09:01:00");
    ASSERT_EQ(HistoryBrokenColumns(history.entries()), 4);

    const std::string tabs = ExperimentHistoryTabText(history.entries(), kSpanish);
    const std::string header = tabs.substr(0, tabs.find('\n'));
    EXPECT_EQ(header,
              "Nº\tHora\tEnsayos\tUn plato\tDos platos\tTres platos\tCuatro platos\t"
              "% un plato\t% dos platos\t% tres platos\t% cuatro platos\t"
              "Media de intactos\tMayor desvío (puntos)\tPredicción\tTiradores\tPlatos\tSemilla");
    EXPECT_NE(tabs.find("\n1\t09:00:00\t100\t"), std::string::npos) << tabs;
    EXPECT_NE(tabs.find("\t3\t6\t1\n"), std::string::npos) << tabs;
    EXPECT_NE(tabs.find("\n2\t09:01:00\t1000\t"), std::string::npos) << tabs;
    EXPECT_NE(tabs.find("\t4\t8\t42\n"), std::string::npos) << tabs;
    // The 3 x 6 row has no count of four broken plates: its cells are empty.
    const std::string first = tabs.substr(tabs.find("\n1\t") + 1);
    const auto cells = [](const std::string& line) {
        std::vector<std::string> out(1);
        for (const char c : line.substr(0, line.find('\n'))) {
            if (c == '\t')
                out.emplace_back();
            else
                out.back() += c;
        }
        return out;
    };
    EXPECT_EQ(cells(first).size(), 17u);
    EXPECT_EQ(cells(first)[6], "");
    EXPECT_EQ(cells(first)[10], "");

    const std::string csv = ExperimentHistoryCsv(history.entries(), kSpanish);
    EXPECT_EQ(csv.rfind(kUtf8ByteOrderMark, 0), 0u);
    EXPECT_NE(csv.find("Nº;Hora;Ensayos;"), std::string::npos);
    EXPECT_NE(csv.find(";Tiradores;Platos;Semilla\r\n"), std::string::npos);
    EXPECT_NE(csv.find("\r\n2;09:01:00;1000;"), std::string::npos) << csv;
    EXPECT_NE(csv.find(";4;8;42\r\n"), std::string::npos) << csv;
    EXPECT_NE(ExperimentHistoryCsv(history.entries(), kEnglish).find(",4,8,42\r\n"),
              std::string::npos);
}

TEST(ExperimentHistoryText, TheCountsOfARowAddUpToItsTrials) {
    ExperimentHistory history;
    history.add(Performed(Make(10, 20), "5.000", 9), "08:00:00");
    const auto row = ComposeExperimentRow(history.entries()[0], 10, LocaleSymbols{",", ""});
    std::int64_t sum = 0;
    for (std::size_t i = 3; i < 13; ++i) sum += row[i].empty() ? 0 : std::stoll(row[i]);
    EXPECT_EQ(sum, 5000);
}

TEST(ExperimentPanel, TheClassicPanelReadsAsThePuzzlesPanel) {
    ExperimentHistory general;
    RunHistory classic;
    const RunRecord run = Classic("1.000", 42);
    const HistoryEntry& old = classic.add(run, "t");
    const ExperimentEntry& entry = general.add(ClassicRecord(run), "t");
    for (const bool withRun : {false, true}) {
        const TheoryPanelTexts expected =
            ComposeTheoryPanel(Theory(), withRun ? &old : nullptr, kSpanish);
        const ExperimentPanelTexts texts =
            ComposeExperimentPanel(Experiment::Classic(), withRun ? &entry : nullptr, kSpanish);
        EXPECT_EQ(texts.choices, expected.choices);
        EXPECT_EQ(texts.simulatedTitle, expected.simulatedTitle);
        ASSERT_EQ(texts.broken.size(), 3u);
        for (std::size_t j = 0; j < 3; ++j) {
            EXPECT_EQ(texts.broken[j].label, expected.outcomes[j].label);
            EXPECT_EQ(texts.broken[j].favourable, expected.outcomes[j].favourable);
            EXPECT_EQ(texts.broken[j].fraction, expected.outcomes[j].fraction);
            EXPECT_EQ(texts.broken[j].theory, expected.outcomes[j].theory);
            EXPECT_EQ(texts.broken[j].simulated, expected.outcomes[j].simulated);
        }
        for (const auto& [got, want] : {std::pair{&texts.modal, &expected.modal},
                                        std::pair{&texts.meanIntact, &expected.meanIntact},
                                        std::pair{&texts.meanBroken, &expected.meanBroken}}) {
            EXPECT_EQ(got->label, want->label);
            EXPECT_EQ(got->fraction, want->fraction);
            EXPECT_EQ(got->theory, want->theory);
            EXPECT_EQ(got->simulated, want->simulated);
        }
    }
}

TEST(ExperimentPanel, FourShootersAndEightPlates) {
    ExperimentHistory history;
    const ExperimentEntry& entry = history.add(Performed(Make(4, 8), "1.000", 42), "t");
    const ExperimentPanelTexts texts = ComposeExperimentPanel(Make(4, 8), &entry, kSpanish);
    EXPECT_EQ(texts.choices,
              "Cada tirador elige uno de los 8 platos: hay 8 × 8 × 8 × 8 = 4.096 elecciones "
              "igualmente probables.");
    ASSERT_EQ(texts.broken.size(), 4u);
    EXPECT_EQ(texts.broken[3].label, "Rompen cuatro platos");
    // 8 x 7 x 6 x 5 = 1680 of 4096 choices break four plates: 105/256.
    EXPECT_EQ(texts.broken[3].favourable, "1.680 de 4.096");
    EXPECT_EQ(texts.broken[3].fraction, "105/256");
    EXPECT_EQ(texts.broken[3].theory, "41,02\u00A0%");
    EXPECT_EQ(texts.meanIntact.fraction, FractionText(TheoryOf(Make(4, 8)).meanIntact));
    EXPECT_EQ(texts.cases.size(), 4u);
    EXPECT_EQ(texts.possibleCases, "casos posibles: 8 × 8 × 8 × 8 = 4.096");
    EXPECT_EQ(texts.laplace, kLaplaceRule);
    EXPECT_NE(texts.statement.find("Cuatro tiradores"), std::string::npos);
    for (const TheoryLine& line : texts.broken) EXPECT_FALSE(line.simulated.empty());
}

TEST(ExperimentPanel, ATieInTheRunsCountsIsSaidBesideItsMostProbableNumber) {
    ExperimentHistory history;
    ExperimentRecord record = Performed(Make(3, 6), "4", 1);
    record.tally = ExperimentTally{{0, 2, 2}, 10};
    const ExperimentEntry& entry = history.add(record, "t");
    EXPECT_EQ(ComposeExperimentPanel(Make(3, 6), &entry, kSpanish).modal.simulated,
              "3 (empate entre 2 y 3)");
}

TEST(ExperimentPanel, TheFrequenciesFollowEveryNumberOfBrokenPlates) {
    const ExperimentRecord record = Performed(Make(5, 4), "1.000", 5);
    const auto points = RunningFrequencies(record);
    ASSERT_FALSE(points.empty());
    EXPECT_EQ(points.back().trials, 1000);
    for (const auto& point : points) {
        ASSERT_EQ(point.percent.size(), 4u);
        double sum = 0;
        for (const double percent : point.percent) sum += percent;
        EXPECT_NEAR(sum, 100.0, 1e-9) << point.trials;
    }
}

TEST(ExperimentPanel, GridKeysAndTheRefusalOfLargeGrids) {
    EXPECT_EQ(GridKeyText(1, 6, kSpanish), "Un plato roto: 6");
    EXPECT_EQ(GridKeyText(3, 1200, kSpanish), "Tres platos rotos: 1.200");
    EXPECT_EQ(GridTooLargeText(Make(4, 8), kSpanish),
              "Hay 4.096 elecciones, demasiadas para dibujarlas una a una (se dibujan hasta "
              "1.296).");
}

TEST(ExperimentPanel, TheChartsAreDescribedForEveryNumberOfBrokenPlates) {
    EXPECT_EQ(ConvergenceDescription(Make(3, 6)),
              "Frecuencia relativa, en tanto por ciento, de uno, dos y tres platos rotos tras n "
              "ensayos; las líneas discontinuas son la teoría.");
    EXPECT_EQ(BarsDescription(Make(1, 6)),
              "Porcentaje de un plato roto en la simulación (barra izquierda) y en la teoría "
              "(barra derecha).");
    EXPECT_NE(BarsDescription(Make(4, 8)).find("de uno, dos, tres y cuatro platos rotos en"),
              std::string::npos);
}

TEST(ReadTypedExperiment, WholeNumbersWithinTheRangesOnly) {
    struct Case {
        const char* shooters;
        const char* plates;
        std::variant<Experiment, ExperimentFailure> expected;
    };
    const Case cases[] = {
        {"4", "8", Make(4, 8)},
        {" 10 ", "+20", Make(10, 20)},
        {"1", "2", Make(1, 2)},
        {"0", "8", ExperimentFailure::FewerShootersThanOne},
        {"-3", "8", ExperimentFailure::FewerShootersThanOne},
        {"", "8", ExperimentFailure::FewerShootersThanOne},
        {"4,5", "8", ExperimentFailure::FewerShootersThanOne},
        {"cuatro", "8", ExperimentFailure::FewerShootersThanOne},
        {"11", "8", ExperimentFailure::MoreShootersThanTen},
        {"99999999999999", "8", ExperimentFailure::MoreShootersThanTen},
        {"11", "x", ExperimentFailure::MoreShootersThanTen},
        {"4", "1", ExperimentFailure::FewerPlatesThanTwo},
        {"4", "ocho", ExperimentFailure::FewerPlatesThanTwo},
        {"4", "21", ExperimentFailure::MorePlatesThanTwenty},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadTypedExperiment(c.shooters, c.plates), c.expected)
            << "«" << c.shooters << "» × «" << c.plates << "»";
    }
}

}  // namespace
}  // namespace vesquin
