// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// What the teaching view draws and writes for a run beside the theory.
#include <gtest/gtest.h>

#include "teaching_figures.h"

namespace vesquin {
namespace {

RunRecord FourTrials() {
    RunRecord run;
    run.trials = 4;
    run.seed = 7;
    // Trial 1 broke one plate, trial 2 two, trials 3 and 4 three.
    run.checkpoints = {TallyAt{1, RunTally{1, 0, 0, 5}}, TallyAt{2, RunTally{1, 1, 0, 9}},
                       TallyAt{3, RunTally{1, 1, 1, 12}}, TallyAt{4, RunTally{1, 1, 2, 15}}};
    run.tally = run.checkpoints.back().tally;
    return run;
}

TEST(RunningFrequencies, OnePointPerCheckpointInPercent) {
    const std::vector<FrequencyPoint> points = RunningFrequencies(FourTrials());
    ASSERT_EQ(points.size(), 4u);
    const std::array<std::array<double, 3>, 4> expected{
        {{100, 0, 0}, {50, 50, 0}, {100.0 / 3, 100.0 / 3, 100.0 / 3}, {25, 25, 50}}};
    for (std::size_t i = 0; i < points.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(points[i].trials, static_cast<std::int32_t>(i) + 1);
        for (std::size_t k = 0; k < 3; ++k) EXPECT_DOUBLE_EQ(points[i].percent[k], expected[i][k]);
    }
    const std::array<Quotient, 3> whole = RunPercentages(FourTrials());
    for (std::size_t k = 0; k < 3; ++k) EXPECT_EQ(whole[k].value(), points.back().percent[k]);
}

TEST(TheoryPanel, TheoryAloneBeforeAnyRun) {
    const TheoryPanelTexts texts = ComposeTheoryPanel(Theory(), nullptr, kSpanishSymbols);
    EXPECT_EQ(texts.choices,
              "Cada tirador elige uno de los 6 platos: hay 6 × 6 × 6 = 216 elecciones igualmente "
              "probables.");
    EXPECT_EQ(texts.simulatedTitle, "Simulación");
    struct Line {
        const TheoryLine& line;
        const char *favourable, *fraction, *theory;
    };
    for (const Line& l :
         {Line{texts.outcomes[0], "6 de 216", "1/36", "2,78\u00A0%"},
          Line{texts.outcomes[1], "90 de 216", "5/12", "41,67\u00A0%"},
          Line{texts.outcomes[2], "120 de 216", "5/9", "55,56\u00A0%"},
          Line{texts.modal, "", "", "3"}, Line{texts.meanIntact, "", "125/36", "3,47"},
          Line{texts.meanBroken, "", "91/36", "2,53"}}) {
        SCOPED_TRACE(l.line.label);
        EXPECT_EQ(l.line.favourable, l.favourable);
        EXPECT_EQ(l.line.fraction, l.fraction);
        EXPECT_EQ(l.line.theory, l.theory);
        EXPECT_EQ(l.line.simulated, "");
    }
}

TEST(TheoryPanel, TheRunBesideTheTheoryWithTheUsersSymbols) {
    RunHistory history;
    const HistoryEntry& entry = history.add(FourTrials(), "10:00:00");
    struct Case {
        LocaleSymbols symbols;
        const char *title, *one, *two, *three, *modal, *intact, *broken;
    };
    for (const Case& c : {Case{kSpanishSymbols, "Simulación nº 1\n(4 ensayos)", "25,00\u00A0%",
                               "25,00\u00A0%", "50,00\u00A0%", "3", "3,75", "2,25"},
                          Case{kEnglishSymbols, "Simulación nº 1\n(4 ensayos)", "25.00\u00A0%",
                               "25.00\u00A0%", "50.00\u00A0%", "3", "3.75", "2.25"}}) {
        SCOPED_TRACE(c.symbols.decimal);
        const TheoryPanelTexts texts = ComposeTheoryPanel(Theory(), &entry, c.symbols);
        EXPECT_EQ(texts.simulatedTitle, c.title);
        EXPECT_EQ(texts.outcomes[0].simulated, c.one);
        EXPECT_EQ(texts.outcomes[1].simulated, c.two);
        EXPECT_EQ(texts.outcomes[2].simulated, c.three);
        EXPECT_EQ(texts.modal.simulated, c.modal);
        EXPECT_EQ(texts.meanIntact.simulated, c.intact);
        EXPECT_EQ(texts.meanBroken.simulated, c.broken);
    }
    // Two plates ahead of three: the run's most probable number is 2; one trial, singular.
    RunRecord one;
    one.trials = 1;
    one.tally = RunTally{0, 1, 0, 4};
    const HistoryEntry& single = history.add(one, "10:00:01");
    const TheoryPanelTexts texts = ComposeTheoryPanel(Theory(), &single, kSpanishSymbols);
    EXPECT_EQ(texts.modal.simulated, "2");
    EXPECT_EQ(texts.simulatedTitle, "Simulación nº 2\n(1 ensayo)");
    RunRecord many = one;
    many.trials = 1000000;
    many.tally = RunTally{0, 1000000, 0, 4000000};
    EXPECT_EQ(ComposeTheoryPanel(Theory(), &history.add(many, ""), kSpanishSymbols).simulatedTitle,
              "Simulación nº 3\n(1.000.000 ensayos)");
}

}  // namespace
}  // namespace vesquin
