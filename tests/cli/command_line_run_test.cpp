// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "command_line_invoke.h"
#include "command_line_run.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "run_messages.h"
#include "text_report.h"
#include "trial_tally.h"
#include "uniform_source.h"

namespace vesquin {
namespace {

using cli_test::Invoke;
using cli_test::Outcome;

// The "ensayos" and "semilla" numbers and the three counts of a JSON output.
std::string JsonValue(const std::string& json, const std::string& key) {
    const std::string marker = "\"" + key + "\":";
    const auto at = json.find(marker);
    if (at == std::string::npos) return {};
    const auto start = at + marker.size();
    return json.substr(start, json.find_first_of(",}", start) - start);
}

TEST(CommandLineRun, WritesTheReportAndTheSeedOnStandardOutputOnly) {
    const Outcome outcome = Invoke({"--ensayos", "1000", "--semilla", "1"});
    EXPECT_EQ(outcome.status, kExitSuccess);
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(
        outcome.out.rfind("VESQUIN\n\n1) RESULTADOS TRAS SIMULAR LA EXPERIENCIA 1.000 VECES\n", 0),
        0u)
        << outcome.out;
    const std::string ending = "\n\nSemilla: 1\n";
    ASSERT_GE(outcome.out.size(), ending.size());
    EXPECT_EQ(outcome.out.substr(outcome.out.size() - ending.size()), ending);
}

TEST(CommandLineRun, SameCountAndSeedGiveTheSameResultsOnEveryVectorUnit) {
    const Outcome first = Invoke({"--ensayos=100.000", "--semilla=987654321", "--formato=json"});
    const Outcome second = Invoke({"--ensayos=100.000", "--semilla=987654321", "--formato=json"});
    ASSERT_EQ(first.status, kExitSuccess) << first.err;
    EXPECT_EQ(first.out, second.out);
    EXPECT_EQ(JsonValue(first.out, "semilla"), "987654321");
    // The counts printed are the ones every trial loop draws from that seed.
    for (const VectorUnit unit : SupportedVectorUnits()) {
        UniformSource source;
        source.reseed(987654321);
        const RunTally tally = TallyTrials(100000, source, unit);
        EXPECT_NE(first.out.find("\"veces\":{\"uno\":" + std::to_string(tally.oneCount) +
                                 ",\"dos\":" + std::to_string(tally.twoCount) +
                                 ",\"tres\":" + std::to_string(tally.threeCount) + "}"),
                  std::string::npos)
            << "unit " << static_cast<int>(unit) << ": " << first.out;
    }
}

TEST(CommandLineRun, ADifferentSeedGivesADifferentTally) {
    const Outcome one = Invoke({"--ensayos=100000", "--semilla=1", "--formato=csv"});
    const Outcome two = Invoke({"--ensayos=100000", "--semilla=2", "--formato=csv"});
    ASSERT_EQ(one.status, kExitSuccess);
    ASSERT_EQ(two.status, kExitSuccess);
    const auto dataRow = [](const std::string& csv) {
        const auto start = csv.find('\n') + 1;
        // version, trials and seed differ by construction; compare from the counts on.
        std::string row = csv.substr(start);
        for (int field = 0; field < 3; ++field) row.erase(0, row.find(',') + 1);
        return row;
    };
    EXPECT_NE(dataRow(one.out), dataRow(two.out)) << one.out << two.out;
}

TEST(CommandLineRun, WithoutASeedPrintsTheClockSeedThatRepeatsTheRun) {
    const Outcome first = Invoke({"--ensayos=5000", "--formato=json"});
    const Outcome second = Invoke({"--ensayos=5000", "--formato=json"});
    const std::string seed = JsonValue(first.out, "semilla");
    ASSERT_FALSE(seed.empty()) << first.out;
    EXPECT_NE(seed, JsonValue(second.out, "semilla"));
    EXPECT_LE(std::stoull(seed), kMaximumSeed);
    EXPECT_EQ(Invoke({"--ensayos=5000", "--formato=json", "--semilla=" + seed}).out, first.out);
}

TEST(CommandLineRun, ReadsTheCountWithTheUsersSymbols) {
    struct Case {
        const char* count;
        const LocaleSymbols& symbols;
        const char* trials;
    };
    for (const Case& c : {
             Case{"1.000", kSpanishSymbols, "1000"},
             Case{"1,000", kEnglishSymbols, "1000"},
             Case{"1.000", kEnglishSymbols, "1"},
             Case{"3,5", kSpanishSymbols, "4"},  // halves to even
             Case{"2.5", kEnglishSymbols, "2"},
             Case{"1.000.000", kSpanishSymbols, "1000000"},
         }) {
        const Outcome outcome =
            Invoke({"--formato=json", std::string("--ensayos=") + c.count}, c.symbols);
        EXPECT_EQ(outcome.status, kExitSuccess) << c.count << ": " << outcome.err;
        EXPECT_EQ(JsonValue(outcome.out, "ensayos"), c.trials) << c.count;
    }
}

TEST(CommandLineRun, ABadCountWritesTheWindowsMessageAndExitsTwo) {
    struct Case {
        std::vector<std::string> arguments;
        RunFailure failure;
        std::string typed;
    };
    for (const Case& c : {
             Case{{"--ensayos="}, RunFailure::EmptyCount, ""},
             Case{{"--ensayos", "abc"}, RunFailure::NotANumber, "abc"},
             Case{{"--ensayos", "-5"}, RunFailure::FewerThanOne, "-5"},
             Case{{"--ensayos=0,4"}, RunFailure::FewerThanOne, "0,4"},
             Case{{"--ensayos=1.000.001"}, RunFailure::MoreThanMaximum, "1.000.001"},
         }) {
        const Outcome outcome = Invoke(c.arguments);
        EXPECT_EQ(outcome.status, kExitUsage);
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(
            outcome.err,
            RunFailureMessage(c.typed, RunError{c.failure, 1'000'000}, kSpanishSymbols) + "\n");
    }
}

TEST(CommandLineRun, ABadOptionWritesOneUsageLineAndExitsTwo) {
    for (const std::vector<std::string>& arguments :
         std::vector<std::vector<std::string>>{{"--ensayos"},
                                               {"--semilla", "1"},
                                               {"--ensayos=5", "--formato=xml"},
                                               {"--x", "-h=1"}}) {
        const Outcome outcome = Invoke(arguments);
        EXPECT_EQ(outcome.status, kExitUsage);
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(outcome.err.rfind("vesquin: ", 0), 0u) << outcome.err;
        EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - 1) << outcome.err;
        EXPECT_NE(
            outcome.err.find("Uso: vesquin --ensayos N [--semilla S] [--formato texto|csv|json]"),
            std::string::npos)
            << outcome.err;
    }
}

TEST(CommandLineRun, HelpAndVersion) {
    const Outcome version = Invoke({"--version"});
    EXPECT_EQ(version.status, kExitSuccess);
    EXPECT_EQ(version.out, "vesquin 1.00\n");
    EXPECT_EQ(version.err, "");
    for (const char* option : {"--ayuda", "-h", "--help"}) {
        const Outcome help = Invoke({option}, kEnglishSymbols);
        EXPECT_EQ(help.status, kExitSuccess);
        EXPECT_EQ(help.err, "");
        EXPECT_EQ(help.out.rfind("Uso: vesquin --ensayos N", 0), 0u) << help.out;
        // The maximum in the user's symbols, and examples to copy.
        EXPECT_NE(help.out.find("de 1 a 1,000,000"), std::string::npos) << help.out;
        EXPECT_NE(help.out.find("Ejemplos:\n  vesquin --ensayos 1000\n"), std::string::npos);
    }
}

TEST(CommandLineRun, ResultsThatCannotBeWrittenAreAFailure) {
    const CommandLineSetting setting{"1.00", kSpanishSymbols, 1'000'000};
    std::ostringstream err;
    std::ostream broken(nullptr);  // every write fails, as on a full disk
    const std::vector<std::string> arguments{"--ensayos", "10"};
    EXPECT_EQ(RunCommandLine(arguments, setting, broken, err), kExitOutputFailed);
    EXPECT_EQ(err.str(), "vesquin: no se han podido escribir los resultados\n");
}

TEST(RunReportText, TheReportsSentencesInTheUsersSymbols) {
    RunRecord record;
    record.trials = 1234567;
    record.seed = 42;
    record.tally = RunTally{34000, 510000, 690567, 4286567};
    EXPECT_EQ(RunReportText(record, kSpanishSymbols),
              "VESQUIN\n"
              "\n"
              "1) RESULTADOS TRAS SIMULAR LA EXPERIENCIA 1.234.567 VECES\n"
              "\n"
              "El número de platos más probable que se rompe es 3\n"
              "El número de platos que queda intacto por término medio es 3\n"
              "\n"
              "Se rompe un solo plato 34.000 veces (2,75 %)\n"
              "Se rompen dos platos 510.000 veces (41,31 %)\n"
              "Se rompen tres platos 690.567 veces (55,94 %)\n"
              "\n"
              "2) RESULTADOS TEÓRICOS\n"
              "\n"
              "Se debería romper un solo plato el 2,78 % de las veces\n"
              "Se deberían romper dos platos el 41,67 % de las veces\n"
              "Se deberían romper tres platos el 55,56 % de las veces\n"
              "\n"
              "Semilla: 42\n");
    const std::string english = RunReportText(record, kEnglishSymbols);
    EXPECT_NE(english.find("EXPERIENCIA 1,234,567 VECES\n"), std::string::npos) << english;
    EXPECT_NE(english.find("Se rompen dos platos 510,000 veces (41.31 %)\n"), std::string::npos);
}

TEST(RunReportText, ASmallRunPrintsItsCountWithTwoDigits) {
    RunRecord record;
    record.trials = 7;
    record.seed = 0;
    record.tally = RunTally{0, 3, 4, 24};
    EXPECT_NE(RunReportText(record, kSpanishSymbols).find("EXPERIENCIA 07 VECES\n"),
              std::string::npos);
}

}  // namespace
}  // namespace vesquin
