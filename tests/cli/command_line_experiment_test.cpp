// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs of any experiment from the command line: the tallies are the engine's for the
// same shooters, plates, count and seed, in every format; without the experiment
// options the outputs are today's.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "command_line_invoke.h"
#include "command_line_run.h"
#include "experiment_export.h"
#include "experiment_record.h"
#include "experiment_results_text.h"
#include "run_export.h"
#include "text_report.h"

namespace vesquin {
namespace {

using cli_test::Invoke;
using cli_test::Outcome;

struct RunSetup {
    std::int32_t shooters;
    std::int32_t plates;
    std::string count;  // as typed, with Spanish symbols
    std::uint64_t seed;
};

// The smallest and largest experiments, the puzzle itself, more shooters than plates
// and the powers of two whose largest draw needs the bound.
const RunSetup kSetups[] = {
    {1, 2, "1", 0},        {3, 6, "1.000", 42},    {4, 8, "1000", 7},
    {10, 20, "12.345", 9}, {10, 2, "777", 123456}, {5, 16, "20000", 9007199254740991},
    {2, 20, "3,5", 31337},
};

std::vector<std::string> ArgumentsOf(const RunSetup& setup, std::string_view format) {
    return {"--tiradores",
            std::to_string(setup.shooters),
            "--platos=" + std::to_string(setup.plates),
            "--ensayos",
            setup.count,
            "--semilla=" + std::to_string(setup.seed),
            "--formato=" + std::string(format)};
}

ExperimentRecord EnginesRun(const RunSetup& setup) {
    UniformSource source;
    const auto run =
        PerformExperimentRun(std::get<Experiment>(Experiment::Make(setup.shooters, setup.plates)),
                             setup.count, source, kSpanishSymbols, 1'000'000, setup.seed);
    return std::get<ExperimentRecord>(run);
}

TEST(CommandLineExperiment, EveryFormatCarriesTheEnginesTallies) {
    for (const RunSetup& setup : kSetups) {
        const ExperimentRecord record = EnginesRun(setup);
        const std::string where = std::to_string(setup.shooters) + " x " +
                                  std::to_string(setup.plates) + ", " + setup.count;
        std::int64_t total = 0;
        for (const std::int32_t count : record.tally.brokenCounts) total += count;
        ASSERT_EQ(total, record.trials) << where;

        const Outcome json = Invoke(ArgumentsOf(setup, "json"));
        ASSERT_EQ(json.status, kExitSuccess) << where << ": " << json.err;
        EXPECT_EQ(json.err, "");
        EXPECT_EQ(json.out, ExperimentJson(record, "1.00")) << where;
        for (std::size_t j = 0; j < record.tally.brokenCounts.size(); ++j) {
            const std::string entry = "{\"rotos\":" + std::to_string(j + 1) +
                                      ",\"veces\":" + std::to_string(record.tally.brokenCounts[j]) +
                                      ",";
            EXPECT_NE(json.out.find(entry), std::string::npos) << where << ": " << entry;
        }
        const Outcome csv = Invoke(ArgumentsOf(setup, "csv"));
        EXPECT_EQ(csv.status, kExitSuccess) << where;
        EXPECT_EQ(csv.out, ExperimentCsv(record, "1.00")) << where;
        const Outcome text = Invoke(ArgumentsOf(setup, "texto"));
        EXPECT_EQ(text.status, kExitSuccess) << where;
        EXPECT_EQ(text.out, ExperimentResultsText(record, kSpanishSymbols)) << where;
    }
}

TEST(CommandLineExperiment, WithoutTheOptionsTheOutputsAreTodays) {
    for (const std::string_view format : {"texto", "csv", "json"}) {
        UniformSource source;
        const RunRecord run =
            std::get<RunRecord>(PerformRun("2.500", source, kSpanishSymbols, 1'000'000, 5));
        const std::string today = format == "csv"    ? RunCsv(run, "1.00")
                                  : format == "json" ? RunJson(run, "1.00")
                                                     : RunReportText(run, kSpanishSymbols);
        const Outcome outcome =
            Invoke({"--ensayos=2.500", "--semilla=5", "--formato=" + std::string(format)});
        EXPECT_EQ(outcome.out, today) << format;
        // The puzzle asked for by name is the general form, with the same tallies.
        const Outcome named = Invoke({"--ensayos=2.500", "--semilla=5", "--tiradores=3",
                                      "--formato=" + std::string(format)});
        EXPECT_NE(named.out, today) << format;
    }
    const Outcome named = Invoke({"--ensayos=2500", "--semilla=5", "--platos=6", "--formato=json"});
    UniformSource source;
    const RunRecord run =
        std::get<RunRecord>(PerformRun("2500", source, kSpanishSymbols, 1'000'000, 5));
    EXPECT_NE(
        named.out.find("{\"rotos\":3,\"veces\":" + std::to_string(run.tally.threeCount) + ","),
        std::string::npos)
        << named.out;
}

TEST(CommandLineExperiment, ABadExperimentIsAUsageErrorAndABadCountTheWindowsMessage) {
    struct Case {
        std::vector<std::string> arguments;
        std::string err;
    };
    const std::string hint =
        ". Uso: vesquin --ensayos N [--semilla S] [--formato texto|csv|json] (más en «vesquin "
        "--ayuda»)\n";
    for (const Case& c : {
             Case{{"--ensayos=5", "--tiradores=11"},
                  "vesquin: «\u206811\u2069» no vale: el número de tiradores ha de ser un número "
                  "entero entre 1 y 10" +
                      hint},
             Case{{"--ensayos=5", "--platos", "1"},
                  "vesquin: «\u20681\u2069» no vale: el número de platos ha de ser un número "
                  "entero entre 2 y 20" +
                      hint},
             // The experiment is judged before the count.
             Case{{"--ensayos=abc", "--platos", "30"},
                  "vesquin: «\u206830\u2069» no vale: el número de platos ha de ser un número "
                  "entero entre 2 y 20" +
                      hint},
             Case{{"--ensayos=0", "--tiradores=4", "--platos=8"},
                  "Hay que hacer la simulación al menos una vez. Indica un número entre 1 y "
                  "1.000.000.\n"},
             Case{{"--ensayos=1.000.001", "--tiradores=10"},
                  "Como máximo se puede hacer la simulación 1.000.000 veces. Indica un número "
                  "entre 1 y 1.000.000.\n"},
         }) {
        const Outcome outcome = Invoke(c.arguments);
        EXPECT_EQ(outcome.status, kExitUsage) << outcome.err;
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(outcome.err, c.err);
    }
}

TEST(CommandLineExperiment, HelpNamesTheExperimentOptionsWithAnExample) {
    const Outcome help = Invoke({"--ayuda"});
    EXPECT_NE(help.out.find("  --tiradores K "), std::string::npos) << help.out;
    EXPECT_NE(help.out.find("  --platos P "), std::string::npos) << help.out;
    EXPECT_NE(help.out.find("de 1 a 10"), std::string::npos);
    EXPECT_NE(help.out.find("de 2 a 20"), std::string::npos);
    EXPECT_NE(help.out.find("\n  vesquin --tiradores 4 --platos 8 --ensayos 1000"),
              std::string::npos);
}

}  // namespace
}  // namespace vesquin
