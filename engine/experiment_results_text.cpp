// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "experiment_results_text.h"

#include <cstdint>
#include <string_view>

#include "exact_quotient.h"
#include "experiment_theory.h"
#include "experiment_words.h"
#include "seed_text.h"
#include "teaching_figures.h"

namespace vesquin {
namespace {

// "Se rompe un solo plato", "Se rompen dos platos", "Se rompen 12 platos": the
// report's words for one to three, and the same shape beyond.
std::string BrokenWords(std::int32_t broken) {
    if (broken == 1) return "Se rompe un solo plato";
    return "Se rompen " + Plates(broken);
}

std::string TwoDecimals(std::int64_t numerator, std::int64_t divisor,
                        const LocaleSymbols& symbols) {
    return PatternFormat(Quotient{numerator, divisor}, Pattern::TwoDecimals, symbols);
}

// "1 vez", "1.200 veces".
std::string Times(std::int64_t count, std::string_view once, std::string_view more,
                  const LocaleSymbols& symbols) {
    return PatternFormat(static_cast<double>(count), Pattern::Grouped, symbols) + " " +
           std::string(count == 1 ? once : more);
}

}  // namespace

std::string ExperimentResultsText(const ExperimentRecord& record, const LocaleSymbols& symbols) {
    const ExperimentTheory theory = TheoryOf(record.experiment);
    const std::int32_t trials = record.trials < 1 ? 1 : record.trials;
    std::string text = ExperimentStatement(record.experiment) + "\n\n";
    text += "RESULTADOS TRAS SIMULAR LA EXPERIENCIA " +
            Times(record.trials, "VEZ", "VECES", symbols) + "\n\n";
    for (const BrokenTheory& exact : theory.broken) {
        const std::size_t index = static_cast<std::size_t>(exact.platesBroken - 1);
        const std::int32_t count =
            index < record.tally.brokenCounts.size() ? record.tally.brokenCounts[index] : 0;
        text += BrokenWords(exact.platesBroken) + " " + Times(count, "vez", "veces", symbols) +
                " (" + TwoDecimals(std::int64_t{count} * 100, trials, symbols) +
                " %); en teoría, el " +
                TwoDecimals(exact.favourable * 100, theory.equallyLikely, symbols) + " % (" +
                FractionText(exact.probability) + ")\n";
    }
    const std::string tie = ModalTieText(record.tally);
    text += "\nEl número de platos más probable que se rompe es " +
            std::to_string(ModalBroken(record.tally)) + (tie.empty() ? "" : " (" + tie + ")") +
            "; en teoría, " + std::to_string(theory.modalBroken) + "\n";
    text += "El número de platos que queda intacto por término medio es " +
            TwoDecimals(record.tally.intactTotal, trials, symbols) + "; en teoría, " +
            TwoDecimals(theory.meanIntact.numerator, theory.meanIntact.denominator, symbols) +
            " (" + FractionText(theory.meanIntact) + ")\n";
    return text + "\nSemilla: " + SeedText(record.seed) + "\n";
}

}  // namespace vesquin
