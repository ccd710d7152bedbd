// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The teaching texts in another language: whole patterns translated with their
// placeholders filled, the untranslated parts falling back to Spanish, and the choice
// undone when the scope ends. The Catalan entries read here are translated in po/ca.po.
#include <gtest/gtest.h>

#include <string>

#include "catalogue.h"
#include "experiment_panel.h"
#include "step_texts.h"
#include "teaching_figures.h"
#include "theory.h"

namespace vesquin {
namespace {

HistoryEntry FourthRun() {
    HistoryEntry entry;
    entry.number = 4;
    entry.record.trials = 1000;
    entry.record.tally = {10, 400, 590, 3 * 10 + 4 * 400 + 5 * 590};
    return entry;
}

TEST(TeachingLanguage, PaneLabelsFollowTheLanguageOfEachCall) {
    {
        ScopedLanguage catalan(Language::Catalan);
        const StepControlLabels labels = StepLabels();
        EXPECT_EQ(labels.chartsTab, "&Gràfics i teoria");
        EXPECT_EQ(labels.stepsTab, "&Assaig a assaig");
        EXPECT_EQ(labels.restart, "&Torna a començar");
        EXPECT_EQ(labels.noAnimation, "Sense a&nimació");
    }
    const StepControlLabels spanish = StepLabels();
    EXPECT_EQ(spanish.chartsTab, "&Gráficos y teoría");
    EXPECT_EQ(spanish.noAnimation, "Sin &animación");
}

TEST(TeachingLanguage, TheoryPanelFillsTranslatedPatterns) {
    const HistoryEntry run = FourthRun();
    {
        ScopedLanguage catalan(Language::Catalan);
        const TheoryPanelTexts texts = ComposeTheoryPanel(Theory(), &run, kSpanishSymbols);
        // The heading and the count are Catalan; the pattern that joins them, not yet
        // translated, is the Spanish one, and the number keeps the locale's symbols.
        EXPECT_EQ(texts.simulatedTitle, "Simulació núm. 4\n(1.000 assajos)");
        EXPECT_EQ(texts.outcomes[0].label, "Es trenca un sol plat");
        const TheoryPanelTexts empty = ComposeTheoryPanel(Theory(), nullptr, kSpanishSymbols);
        EXPECT_EQ(empty.simulatedTitle, "Simulació");
    }
    const TheoryPanelTexts spanish = ComposeTheoryPanel(Theory(), &run, kSpanishSymbols);
    EXPECT_EQ(spanish.simulatedTitle, "Simulación nº 4\n(1.000 ensayos)");
    EXPECT_EQ(spanish.outcomes[0].label, "Se rompe un solo plato");
    EXPECT_EQ(spanish.outcomes[1].label, "Rompen dos platos");
}

TEST(TeachingLanguage, OneTrialIsSingularInEveryLanguage) {
    HistoryEntry run = FourthRun();
    run.record.trials = 1;
    run.record.tally = {0, 0, 1, 3};
    ScopedLanguage catalan(Language::Catalan);
    EXPECT_EQ(ComposeTheoryPanel(Theory(), &run, kSpanishSymbols).simulatedTitle,
              "Simulació núm. 4\n(1 assaig)");
}

}  // namespace
}  // namespace vesquin
