// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "teaching_texts.h"

#include <cmath>

#include "catalogue.h"
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
    const std::string count = PluralText("charts caption", "{count} ensayo", "{count} ensayos", trials,
                                         {{"count", grouped(trials)}});
    if (entry.runsSummed > 0) {
        return PluralText("charts caption", "Total de {runs} ejecución: {trials}",
                          "Total de {runs} ejecuciones: {trials}", entry.runsSummed,
                          {{"runs", grouped(entry.runsSummed)}, {"trials", count}});
    }
    std::string when = entry.date;
    if (!entry.time.empty()) when += (when.empty() ? "" : " ") + entry.time;
    const std::string number = std::to_string(entry.number);
    const std::string seed = SeedText(entry.record.seed);
    if (when.empty()) {
        return Text("charts caption", "Simulación nº {number}: {trials}, semilla {seed}",
                    {{"number", number}, {"trials", count}, {"seed", seed}});
    }
    return Text("charts caption", "Simulación nº {number}: {trials}, semilla {seed}, {when}",
                {{"number", number}, {"trials", count}, {"seed", seed}, {"when", when}});
}

std::string_view SaveFailureCause(SaveStep step) {
    switch (step) {
        case SaveStep::Open:
            return Text("save failure cause", "no se ha podido crear el archivo en esa carpeta");
        case SaveStep::Write:
            return Text("save failure cause",
                        "no se ha podido escribir entero; el disco está lleno o no admite más datos");
        case SaveStep::Finish:
            return Text("save failure cause",
                        "no se ha podido terminar de escribir en el disco, que puede estar lleno");
    }
    return Text("save failure cause", "no se ha podido escribir");
}

std::string_view LargeScreenToggleLabel() {
    return Text("teaching check box", "Pantalla gran&de");
}

std::string_view LargeScreenDescription() {
    return Text("teaching check box",
                "Letras, líneas y barras al doble de tamaño, con colores de alto contraste, "
                "para un proyector. También Control+más y Control+menos.");
}

}  // namespace vesquin
