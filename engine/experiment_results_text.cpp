// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "experiment_results_text.h"

#include <cstdint>
#include <string_view>

#include "catalogue.h"
#include "exact_quotient.h"
#include "experiment_theory.h"
#include "experiment_words.h"
#include "seed_text.h"
#include "teaching_figures.h"

namespace vesquin {
namespace {

std::string TwoDecimals(std::int64_t numerator, std::int64_t divisor,
                        const LocaleSymbols& symbols) {
    return PatternFormat(Quotient{numerator, divisor}, Pattern::TwoDecimals, symbols);
}

std::string Grouped(std::int64_t count, const LocaleSymbols& symbols) {
    return PatternFormat(static_cast<double>(count), Pattern::Grouped, symbols);
}

// One line per number of plates broken: the report's words for one plate, and for more
// "Se rompen dos platos", "Se rompen 12 platos" (the plates as the experiment's words
// write them).
std::string BrokenLine(std::int32_t broken, std::int32_t count, std::string_view percent,
                       std::string_view theory, std::string_view fraction,
                       const LocaleSymbols& symbols) {
    const std::string times = Grouped(count, symbols);
    if (broken == 1) {
        return PluralText(
            "experiment results line",
            "Se rompe un solo plato {count} vez ({percent} %); en teoría, el {theory} % ({fraction})",
            "Se rompe un solo plato {count} veces ({percent} %); en teoría, el {theory} % ({fraction})",
            count,
            {{"count", times}, {"percent", percent}, {"theory", theory}, {"fraction", fraction}});
    }
    // Translators: {plates} is already written with its noun: "dos platos", "12 platos".
    return PluralText(
        "experiment results line",
        "Se rompen {plates} {count} vez ({percent} %); en teoría, el {theory} % ({fraction})",
        "Se rompen {plates} {count} veces ({percent} %); en teoría, el {theory} % ({fraction})",
        count,
        {{"plates", Plates(broken)},
         {"count", times},
         {"percent", percent},
         {"theory", theory},
         {"fraction", fraction}});
}

}  // namespace

std::string ExperimentResultsText(const ExperimentRecord& record, const LocaleSymbols& symbols) {
    const ExperimentTheory theory = TheoryOf(record.experiment);
    const std::int32_t trials = record.trials < 1 ? 1 : record.trials;
    std::string text = ExperimentStatement(record.experiment) + "\n\n";
    text += PluralText("experiment results heading", "RESULTADOS TRAS SIMULAR LA EXPERIENCIA {count} VEZ",
                       "RESULTADOS TRAS SIMULAR LA EXPERIENCIA {count} VECES", record.trials,
                       {{"count", Grouped(record.trials, symbols)}}) +
            "\n\n";
    for (const BrokenTheory& exact : theory.broken) {
        const std::size_t index = static_cast<std::size_t>(exact.platesBroken - 1);
        const std::int32_t count =
            index < record.tally.brokenCounts.size() ? record.tally.brokenCounts[index] : 0;
        text += BrokenLine(exact.platesBroken, count,
                           TwoDecimals(std::int64_t{count} * 100, trials, symbols),
                           TwoDecimals(exact.favourable * 100, theory.equallyLikely, symbols),
                           FractionText(exact.probability), symbols) +
                "\n";
    }
    const std::string tie = ModalTieText(record.tally);
    const std::string modal = std::to_string(ModalBroken(record.tally));
    const std::string theoryModal = std::to_string(theory.modalBroken);
    text += '\n';
    if (tie.empty()) {
        text += Text("experiment results line",
                     "El número de platos más probable que se rompe es {modal}; en teoría, {theory}",
                     {{"modal", modal}, {"theory", theoryModal}});
    } else {
        // Translators: {tie} says which numbers share the largest count: "empate entre 2 y 3".
        text += Text("experiment results line",
                     "El número de platos más probable que se rompe es {modal} ({tie}); en teoría, "
                     "{theory}",
                     {{"modal", modal}, {"tie", tie}, {"theory", theoryModal}});
    }
    text += '\n';
    text += Text("experiment results line",
                 "El número de platos que queda intacto por término medio es {mean}; en teoría, "
                 "{theory} ({fraction})",
                 {{"mean", TwoDecimals(record.tally.intactTotal, trials, symbols)},
                  {"theory", TwoDecimals(theory.meanIntact.numerator,
                                         theory.meanIntact.denominator, symbols)},
                  {"fraction", FractionText(theory.meanIntact)}});
    text += "\n\n";
    return text + SeedLine(record.seed) + "\n";
}

}  // namespace vesquin
