// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the page's "Ensayo a ensayo" part asks of the engine: a run taken one trial,
// ten or a hundred at a time from a recorded seed, each trial's choices, its line
// and its outcome, the tally beside the theory, the pupil's prediction set beside
// the run at its end, and the words of every control. A finished run joins the
// page's history like any other.

#include <emscripten/emscripten.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "binding_state.h"
#include "chance_margin.h"
#include "experiment.h"
#include "experiment_theory.h"
#include "json_text.h"
#include "prediction.h"
#include "step_binding.h"
#include "step_texts.h"
#include "teaching_texts.h"
#include "trial_steps.h"

namespace vesquin::web {
namespace {

std::unique_ptr<StepRun> g_run;
// The entry the finished run became in the history; 0 until it has.
std::int32_t g_entry = 0;

StepRun& Run() {
    if (!g_run) g_run = std::make_unique<StepRun>(100, UniformSource().seed());
    return *g_run;
}

std::string JsonNumbers(const std::vector<std::int32_t>& values) {
    std::string texts;
    for (const std::int32_t value : values) texts += (texts.empty() ? "" : ",") + JsonNumber(value);
    return "[" + texts + "]";
}

std::string JsonStep(const TrialStep& step, const LocaleSymbols& symbols) {
    return "{\"trial\":" + JsonNumber(step.trial) + ",\"choices\":" + JsonNumbers(step.choices) +
           ",\"broken\":" + JsonNumber(step.broken) + ",\"intact\":" + JsonNumber(step.intact) +
           ",\"line\":" + JsonString(TrialLine(step, symbols)) +
           ",\"outcome\":" + JsonString(TrialOutcomeText(step)) + "}";
}

// The run as the page shows it after a batch: `steps` are the batch's trials, of
// which only the last is drawn; the list holds the run's kept last trials.
std::string StateJson(const std::vector<TrialStep>& steps, const LocaleSymbols& symbols,
                      const std::string& sentence) {
    const StepRun& run = Run();
    const Experiment& experiment = run.experiment();
    const ExperimentTheory theory = TheoryOf(experiment);
    std::string tally;
    for (std::int32_t broken = 1; broken <= experiment.mostBroken(); ++broken) {
        const auto index = static_cast<std::size_t>(broken - 1);
        const double percent = index < theory.broken.size() ? theory.broken[index].percent : 0;
        tally += (tally.empty() ? "" : ",") +
                 JsonString(StepTallyLine(run.tally(), broken, percent, symbols));
    }
    std::string recent;
    for (const TrialStep& step : run.recent())
        recent += (recent.empty() ? "" : ",") + JsonString(TrialLine(step, symbols));
    return "{\"shooters\":" + JsonNumber(experiment.shooters()) +
           ",\"plates\":" + JsonNumber(experiment.plates()) +
           ",\"mostBroken\":" + JsonNumber(experiment.mostBroken()) +
           ",\"trials\":" + JsonNumber(run.trials()) + ",\"done\":" + JsonNumber(run.done()) +
           ",\"finished\":" + JsonBool(run.finished()) +
           ",\"seed\":" + JsonNumber(static_cast<std::int64_t>(run.seed())) +
           ",\"seedText\":" + JsonString(StepSeedText(run.seed())) +
           ",\"progress\":" + JsonString(StepProgressText(run.done(), run.trials(), symbols)) +
           ",\"tally\":[" + tally + "],\"recent\":[" + recent + "],\"taken\":" +
           JsonNumber(static_cast<std::int64_t>(steps.size())) + ",\"last\":" +
           (steps.empty() ? std::string("null") : JsonStep(steps.back(), symbols)) +
           ",\"sentence\":" + JsonString(sentence) + ",\"entry\":" + JsonNumber(g_entry) + "}";
}

std::optional<Prediction> PredictionOf(int broken, int percent, const Experiment& experiment) {
    if (broken < 1 || broken > experiment.mostBroken() || percent < 0 || percent > 100)
        return std::nullopt;
    return Prediction{broken, percent};
}

}  // namespace

const StepRun* GrowingStepRun() {
    // Once in the history, the run is shown as the entry it became.
    if (!g_run || g_run->done() == 0 || g_entry != 0) return nullptr;
    return g_run.get();
}

}  // namespace vesquin::web

using namespace vesquin;
using namespace vesquin::web;

extern "C" {

// The words of the part's controls, with "&" before the access key as the
// desktop's labels have them, and those of the margin and of Pantalla grande.
EMSCRIPTEN_KEEPALIVE const char* vesquin_step_words() {
    const StepControlLabels& labels = StepLabels();
    return Answer(
        "{\"title\":" + JsonString(labels.title) + ",\"oneTrial\":" + JsonString(labels.oneTrial) +
        ",\"tenTrials\":" + JsonString(labels.tenTrials) +
        ",\"hundredTrials\":" + JsonString(labels.hundredTrials) +
        ",\"play\":" + JsonString(labels.play) + ",\"pause\":" + JsonString(labels.pause) +
        ",\"speed\":" + JsonString(labels.speed) + ",\"restart\":" + JsonString(labels.restart) +
        ",\"noAnimation\":" + JsonString(labels.noAnimation) +
        ",\"trialCount\":" + JsonString(labels.trialCount) +
        ",\"recentTitle\":" + JsonString(labels.recentTitle) +
        ",\"tallyTitle\":" + JsonString(labels.tallyTitle) +
        ",\"howMany\":" + JsonString(labels.howMany) + ",\"howOften\":" +
        JsonString(labels.howOften) + ",\"noPrediction\":" + JsonString(labels.noPrediction) +
        ",\"marginToggle\":" + JsonString(MarginToggleLabel()) +
        ",\"marginExplanation\":" + JsonString(MarginExplanation()) +
        ",\"largeScreen\":" + JsonString(std::string(LargeScreenToggleLabel())) +
        ",\"fewestSpeed\":1,\"mostSpeed\":20,\"mostTrials\":10000}");
}

// A new step run of `trials` trials (brought within 1..10.000) of `shooters` and
// `plates` (3 x 6 when they are no experiment), from `seed` as for vesquin_simulate.
EMSCRIPTEN_KEEPALIVE const char* vesquin_step_start(const char* decimal, const char* grouping,
                                                    int trials, int shooters, int plates,
                                                    double seed) {
    const auto setUp = Experiment::Make(shooters, plates);
    const Experiment experiment = std::holds_alternative<Experiment>(setUp)
                                      ? std::get<Experiment>(setUp)
                                      : Experiment::Classic();
    const std::optional<std::uint64_t> fixed = FixedSeed(seed);
    g_run = std::make_unique<StepRun>(std::clamp(trials, 1, 10000),
                                      fixed ? *fixed : UniformSource().seed(), experiment);
    g_entry = 0;
    return Answer(StateJson({}, SymbolsOf(decimal, grouping), ""));
}

// The next `count` trials. When they end the run, it joins the history at `time`
// with the prediction (`guessBroken` 0: none made), and the answer carries the
// sentence that sets the prediction beside the run and the theory.
EMSCRIPTEN_KEEPALIVE const char* vesquin_step_advance(const char* decimal, const char* grouping,
                                                      const char* time, int count,
                                                      int guessBroken, int guessPercent) {
    const LocaleSymbols symbols = SymbolsOf(decimal, grouping);
    StepRun& run = Run();
    const bool wasFinished = run.finished();
    const std::vector<TrialStep> steps = run.Advance(count);
    std::string sentence;
    if (run.finished()) {
        const auto prediction = PredictionOf(guessBroken, guessPercent, run.experiment());
        sentence = PredictionSentence(prediction, run.tally(), TheoryOf(run.experiment()), symbols);
        if (!wasFinished) g_entry = History().add(run.GeneralRecord(), time, prediction).number;
    }
    return Answer(StateJson(steps, symbols, sentence));
}

}  // extern "C"
