// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The native engine's answer for one run, for the web page's tests to compare with
// what the page shows:  reference_run DECIMAL GROUPING COUNT SEED
// prints one JSON line: the tallies and the eleven result texts, or the failure.
// With SHOOTERS and PLATES after the seed it runs that experiment instead, and prints
// the trials that broke each number of plates and the intact plates in all.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>

#include "chart_palette.h"
#include "data_text.h"
#include "experiment_record.h"
#include "experiment_run.h"

// The teaching charts' colours, as the desktop takes them:  reference_run --paleta
void PrintPalette() {
    std::string palettes;
    for (const bool dark : {false, true}) {
        const vesquin::ChartPalette& palette = vesquin::ChartColours(dark);
        std::string outcomes;
        for (const vesquin::Rgb& colour : palette.outcomes)
            outcomes += (outcomes.empty() ? "\"" : ",\"") + vesquin::HexColour(colour) + "\"";
        palettes += std::string(dark ? ",\"dark\":" : "\"light\":") + "{\"background\":\"" +
                    vesquin::HexColour(palette.background) + "\",\"outcomes\":[" + outcomes +
                    "],\"simulatedBar\":\"" + vesquin::HexColour(palette.simulatedBar) +
                    "\",\"theoryBar\":\"" + vesquin::HexColour(palette.theoryBar) + "\"}";
    }
    std::printf("{%s}\n", palettes.c_str());
}

// reference_run DECIMAL GROUPING COUNT SEED SHOOTERS PLATES
int PrintExperimentRun(char** argv) {
    const vesquin::LocaleSymbols symbols{argv[1], argv[2]};
    const std::uint64_t seed = std::strtoull(argv[4], nullptr, 10);
    const auto experiment = vesquin::Experiment::Make(std::atoi(argv[5]), std::atoi(argv[6]));
    if (const auto* failure = std::get_if<vesquin::ExperimentFailure>(&experiment)) {
        std::printf("{\"ok\":false,\"failure\":%s}\n",
                    vesquin::JsonString(vesquin::ExperimentFailureName(*failure)).c_str());
        return 0;
    }
    vesquin::UniformSource source(seed);
    const auto run =
        vesquin::PerformExperimentRun(std::get<vesquin::Experiment>(experiment), argv[3], source,
                                      symbols, vesquin::kAdvertisedMaximumTrials, seed);
    if (const auto* error = std::get_if<vesquin::RunError>(&run)) {
        std::printf("{\"ok\":false,\"failure\":%s}\n",
                    vesquin::JsonString(vesquin::RunFailureName(error->failure)).c_str());
        return 0;
    }
    const auto& record = std::get<vesquin::ExperimentRecord>(run);
    std::string broken;
    for (const std::int32_t count : record.tally.brokenCounts) {
        if (!broken.empty()) broken += ',';
        broken += std::to_string(count);
    }
    std::printf(
        "{\"ok\":true,\"seed\":%llu,\"trials\":%d,\"shooters\":%d,\"plates\":%d,"
        "\"tally\":{\"broken\":[%s],\"intact\":%lld}}\n",
        static_cast<unsigned long long>(record.seed), record.trials, record.experiment.shooters(),
        record.experiment.plates(), broken.c_str(),
        static_cast<long long>(record.tally.intactTotal));
    return 0;
}

int main(int argc, char** argv) {
    if (argc == 2 && std::string_view(argv[1]) == "--paleta") {
        PrintPalette();
        return 0;
    }
    if (argc == 7) return PrintExperimentRun(argv);
    if (argc != 5) {
        std::fprintf(stderr,
                     "uso: reference_run DECIMAL AGRUPACION CUENTA SEMILLA [TIRADORES PLATOS]\n");
        return 2;
    }
    const vesquin::LocaleSymbols symbols{argv[1], argv[2]};
    const std::uint64_t seed = std::strtoull(argv[4], nullptr, 10);
    vesquin::UniformSource source(seed);
    const auto run =
        vesquin::PerformRun(argv[3], source, symbols, vesquin::kAdvertisedMaximumTrials, seed);
    if (const auto* error = std::get_if<vesquin::RunError>(&run)) {
        std::printf("{\"ok\":false,\"failure\":%s}\n",
                    vesquin::JsonString(vesquin::RunFailureName(error->failure)).c_str());
        return 0;
    }
    const auto& record = std::get<vesquin::RunRecord>(run);
    std::string boxes;
    for (const auto& result : vesquin::ComposeResults(record.tally, record.trials, symbols)) {
        boxes += (boxes.empty() ? "[" : ",[") + vesquin::JsonString(result.box) + "," +
                 vesquin::JsonString(result.text) + "]";
    }
    std::printf(
        "{\"ok\":true,\"seed\":%llu,\"trials\":%d,\"tally\":{\"one\":%d,\"two\":%d,\"three\":%d,"
        "\"intact\":%d},\"boxes\":[%s]}\n",
        static_cast<unsigned long long>(record.seed), record.trials, record.tally.oneCount,
        record.tally.twoCount, record.tally.threeCount, record.tally.intactTotal, boxes.c_str());
    return 0;
}
