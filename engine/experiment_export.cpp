// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "experiment_export.h"

#include <array>
#include <cstdint>
#include <vector>

#include "data_text.h"
#include "exact_quotient.h"
#include "experiment_theory.h"
#include "run_export.h"
#include "seed_text.h"
#include "teaching_figures.h"

namespace vesquin {
namespace {

const LocaleSymbols kPlainSymbols{".", ""};

// One number of broken plates, every value already written as data.
struct Outcome {
    std::string rotos;
    std::string veces;
    std::string porcentaje;
    std::string teorico;
    std::string teoricoFraccion;
};

struct ExperimentValues {
    std::string ensayos;
    std::string semilla;
    std::string tiradores;
    std::string platos;
    std::vector<Outcome> outcomes;
    std::string masProbable;
    std::string intactosMedia;
    std::string intactosMediaExacta;
};

std::string Percent(std::int64_t part, std::int64_t whole) {
    return PatternFormat(Quotient{part * 100, whole}, Pattern::TwoDecimals, kPlainSymbols);
}

ExperimentValues ValuesOf(const ExperimentRecord& record) {
    const ExperimentTheory theory = TheoryOf(record.experiment);
    const std::int32_t trials = record.trials < 1 ? 1 : record.trials;
    ExperimentValues values;
    values.ensayos = std::to_string(record.trials);
    values.semilla = SeedText(record.seed);
    values.tiradores = std::to_string(record.experiment.shooters());
    values.platos = std::to_string(record.experiment.plates());
    for (const BrokenTheory& exact : theory.broken) {
        const std::size_t index = static_cast<std::size_t>(exact.platesBroken - 1);
        const std::int32_t count =
            index < record.tally.brokenCounts.size() ? record.tally.brokenCounts[index] : 0;
        values.outcomes.push_back(Outcome{
            std::to_string(exact.platesBroken), std::to_string(count), Percent(count, trials),
            Percent(exact.favourable, theory.equallyLikely), FractionText(exact.probability)});
    }
    values.masProbable = std::to_string(ModalBroken(record.tally));
    // Rounded half to even, as the window's box for the mean.
    values.intactosMedia = PatternFormat(HalfEvenRound(MeanIntact(record.tally, trials)),
                                         Pattern::Grouped, kPlainSymbols);
    values.intactosMediaExacta = ExactMeanText(record.tally.intactTotal, trials);
    return values;
}

}  // namespace

std::string ExperimentJson(const ExperimentRecord& record, std::string_view version) {
    const ExperimentValues values = ValuesOf(record);
    std::string json = "{\"version\":" + JsonString(version);
    const auto field = [&json](std::string_view name, const std::string& value) {
        json.append(",\"").append(name).append("\":").append(value);
    };
    field("ensayos", values.ensayos);
    field("semilla", values.semilla);
    field("tiradores", values.tiradores);
    field("platos", values.platos);
    json += ",\"distribucion\":[";
    for (std::size_t i = 0; i < values.outcomes.size(); ++i) {
        const Outcome& outcome = values.outcomes[i];
        json += i == 0 ? "{" : ",{";
        json += "\"rotos\":" + outcome.rotos + ",\"veces\":" + outcome.veces +
                ",\"porcentaje\":" + outcome.porcentaje + ",\"teorico\":" + outcome.teorico +
                ",\"teorico_fraccion\":" + JsonString(outcome.teoricoFraccion) + "}";
    }
    json += "]";
    field("mas_probable", values.masProbable);
    field("intactos_media", values.intactosMedia);
    field("intactos_media_exacta", values.intactosMediaExacta);
    return json + "}\n";
}

std::string ExperimentCsv(const ExperimentRecord& record, std::string_view version) {
    const ExperimentValues values = ValuesOf(record);
    std::string csv =
        "version,ensayos,semilla,tiradores,platos,rotos,veces,porcentaje,teorico,"
        "teorico_fraccion,mas_probable,intactos_media,intactos_media_exacta\n";
    for (const Outcome& outcome : values.outcomes) {
        const std::array<std::string_view, 13> row{version,
                                                   values.ensayos,
                                                   values.semilla,
                                                   values.tiradores,
                                                   values.platos,
                                                   outcome.rotos,
                                                   outcome.veces,
                                                   outcome.porcentaje,
                                                   outcome.teorico,
                                                   outcome.teoricoFraccion,
                                                   values.masProbable,
                                                   values.intactosMedia,
                                                   values.intactosMediaExacta};
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0) csv += ',';
            csv += CsvField(row[i], ",");
        }
        csv += '\n';
    }
    return csv;
}

}  // namespace vesquin
