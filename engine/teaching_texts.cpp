// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "teaching_texts.h"

#include <cmath>

#include "seed_text.h"

namespace vesquin {

std::string TrialsTickText(double trials, const LocaleSymbols& symbols) {
    // The axis asks for powers of ten, which a double may hold as 999999.9999.
    return PatternFormat(std::round(trials), Pattern::Grouped, symbols);
}

std::string ChartsCaption(const HistoryEntry& entry, const LocaleSymbols& symbols) {
    const auto grouped = [&symbols](std::int64_t value) {
        return PatternFormat(static_cast<double>(value), Pattern::Grouped, symbols);
    };
    const std::int32_t trials = entry.record.trials;
    const std::string count = grouped(trials) + (trials == 1 ? " ensayo" : " ensayos");
    if (entry.runsSummed > 0) {
        const std::string runs = entry.runsSummed == 1 ? std::string("1 ejecución")
                                                       : grouped(entry.runsSummed) + " ejecuciones";
        return "Total de " + runs + ": " + count;
    }
    std::string caption = "Simulación nº " + std::to_string(entry.number) + ": " + count +
                          ", semilla " + SeedText(entry.record.seed);
    std::string when = entry.date;
    if (!entry.time.empty()) when += (when.empty() ? "" : " ") + entry.time;
    if (!when.empty()) caption += ", " + when;
    return caption;
}

std::string_view SaveFailureCause(SaveStep step) {
    switch (step) {
        case SaveStep::Open:
            return "no se ha podido crear el archivo en esa carpeta";
        case SaveStep::Write:
            return "no se ha podido escribir entero; el disco está lleno o no admite más datos";
        case SaveStep::Finish:
            return "no se ha podido terminar de escribir en el disco, que puede estar lleno";
    }
    return "no se ha podido escribir";
}

}  // namespace vesquin
