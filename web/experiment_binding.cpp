// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the teaching panel's experiment asks of the engine: the experiment read from
// the numbers of shooters and plates as typed (or as the address gives them), its
// statement, and a run of it, which joins the page's history. Every text given
// comes with its length in bytes, so a NUL inside is part of what the user gave.

#include <emscripten/emscripten.h>

#include <string>
#include <string_view>
#include <variant>

#include "binding_state.h"
#include "experiment.h"
#include "experiment_panel.h"
#include "experiment_reading.h"
#include "experiment_record.h"
#include "experiment_words.h"
#include "json_text.h"
#include "run_messages.h"

namespace vesquin::web {
namespace {

std::string_view TextOf(const char* bytes, int length) {
    return std::string_view(bytes, length < 0 ? 0 : std::size_t(length));
}

std::string FailureJson(ExperimentFailure failure) {
    const bool shooters = failure == ExperimentFailure::FewerShootersThanOne ||
                          failure == ExperimentFailure::MoreShootersThanTen;
    return "{\"ok\":false,\"field\":" + JsonString(shooters ? "shooters" : "plates") +
           ",\"failure\":" + JsonString(ExperimentFailureName(failure)) +
           ",\"message\":" + JsonString(ExperimentFailureMessage(failure)) + "}";
}

std::string ExperimentJson(const Experiment& experiment) {
    return "\"shooters\":" + JsonNumber(experiment.shooters()) +
           ",\"plates\":" + JsonNumber(experiment.plates());
}

}  // namespace
}  // namespace vesquin::web

using namespace vesquin;
using namespace vesquin::web;

extern "C" {

// The words of the experiment's controls and their ranges.
EMSCRIPTEN_KEEPALIVE const char* vesquin_experiment_words() {
    const ExperimentPanelWords words;
    return Answer(
        "{\"group\":" + JsonString(words.group) + ",\"shooters\":" + JsonString(words.shooters) +
        ",\"plates\":" + JsonString(words.plates) + ",\"trials\":" + JsonString(words.trials) +
        ",\"simulate\":" + JsonString(words.simulate) + ",\"means\":" + JsonString(words.means) +
        ",\"exact\":" + JsonString(words.exact) + ",\"casesTitle\":" +
        JsonString(words.casesTitle) + ",\"gridTitle\":" + JsonString(words.gridTitle) +
        ",\"gridRows\":" + JsonString(words.gridRows) + ",\"fewestShooters\":" +
        JsonNumber(kFewestShooters) + ",\"mostShooters\":" + JsonNumber(kMostShooters) +
        ",\"fewestPlates\":" + JsonNumber(kFewestPlates) +
        ",\"mostPlates\":" + JsonNumber(kMostPlates) + "}");
}

// The experiment as typed: {"ok":true,"shooters":4,"plates":8,"statement":…}, or
// which of the two is refused and the message that says why.
EMSCRIPTEN_KEEPALIVE const char* vesquin_experiment(const char* shooters, int shootersLength,
                                                    const char* plates, int platesLength) {
    const auto read =
        ReadTypedExperiment(TextOf(shooters, shootersLength), TextOf(plates, platesLength));
    if (const auto* failure = std::get_if<ExperimentFailure>(&read))
        return Answer(FailureJson(*failure));
    const Experiment& experiment = std::get<Experiment>(read);
    return Answer("{\"ok\":true," + ExperimentJson(experiment) +
                  ",\"statement\":" + JsonString(ExperimentStatement(experiment)) + "}");
}

// One run of the experiment as typed, `seed` as for vesquin_simulate. On success the
// history's entry, the seed, the trials, the experiment and its tallies; on failure
// the field refused ("shooters", "plates" or "count") and the message for it, the
// count's as the window words it. A run that succeeds joins the history at `time`.
EMSCRIPTEN_KEEPALIVE const char* vesquin_experiment_simulate(const char* count, int countLength,
                                                             const char* shooters,
                                                             int shootersLength, const char* plates,
                                                             int platesLength, const char* decimal,
                                                             const char* grouping, const char* time,
                                                             double seed) {
    const auto read =
        ReadTypedExperiment(TextOf(shooters, shootersLength), TextOf(plates, platesLength));
    if (const auto* failure = std::get_if<ExperimentFailure>(&read))
        return Answer(FailureJson(*failure));
    const LocaleSymbols symbols = SymbolsOf(decimal, grouping);
    const std::string_view countText = TextOf(count, countLength);
    const auto run = PerformExperimentRun(std::get<Experiment>(read), countText, Source(), symbols,
                                          kAdvertisedMaximumTrials, FixedSeed(seed));
    if (const auto* error = std::get_if<RunError>(&run)) {
        return Answer("{\"ok\":false,\"field\":\"count\",\"failure\":" +
                      JsonString(RunFailureName(error->failure)) + ",\"message\":" +
                      JsonString(RunFailureMessage(countText, *error, symbols)) + "}");
    }
    const ExperimentRecord& record = std::get<ExperimentRecord>(run);
    std::string broken;
    for (const std::int32_t value : record.tally.brokenCounts)
        broken += (broken.empty() ? "" : ",") + JsonNumber(value);
    const std::int32_t entry = History().add(record, time).number;
    return Answer("{\"ok\":true,\"entry\":" + JsonNumber(entry) +
                  ",\"seed\":" + JsonNumber(static_cast<std::int64_t>(record.seed)) +
                  ",\"trials\":" + JsonNumber(record.trials) + "," +
                  ExperimentJson(record.experiment) + ",\"tally\":{\"broken\":[" + broken +
                  "],\"intact\":" + JsonNumber(record.tally.intactTotal) + "}}");
}

}  // extern "C"
