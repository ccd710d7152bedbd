// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "experiment_export.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "experiment_reading.h"
#include "experiment_results_text.h"

namespace vesquin {
namespace {

Experiment Of(std::int32_t shooters, std::int32_t plates) {
    return std::get<Experiment>(Experiment::Make(shooters, plates));
}

// A record with chosen counts: the texts are judged on numbers that are known.
ExperimentRecord RecordOf(Experiment experiment, std::vector<std::int32_t> counts,
                          std::int64_t intact, std::uint64_t seed) {
    ExperimentRecord record;
    record.experiment = experiment;
    for (const std::int32_t count : counts) record.trials += count;
    record.seed = seed;
    record.tally = ExperimentTally{std::move(counts), intact};
    return record;
}

TEST(ReadExperimentNumber, TakesPlainDigitsOnly) {
    struct Case {
        std::string_view text;
        std::optional<std::int32_t> number;
    };
    constexpr std::int32_t kLargest = std::numeric_limits<std::int32_t>::max();
    for (const Case& c : {
             Case{"4", 4}, Case{"04", 4}, Case{"0", 0}, Case{"20", 20},
             Case{"2147483647", kLargest}, Case{"2147483648", kLargest},
             Case{"99999999999999999999", kLargest}, Case{"", std::nullopt},
             Case{"-1", std::nullopt}, Case{"+4", std::nullopt}, Case{" 4", std::nullopt},
             Case{"4 ", std::nullopt}, Case{"4.0", std::nullopt}, Case{"4,0", std::nullopt},
             Case{"cuatro", std::nullopt}, Case{"0x4", std::nullopt},
             Case{"\xD9\xA4", std::nullopt},  // an Arabic-Indic four
         }) {
        EXPECT_EQ(ReadExperimentNumber(c.text), c.number) << c.text;
    }
}

TEST(ReadExperiment, AbsentNumbersAreThePuzzlesAndBadOnesAreRefused) {
    using Texts = std::optional<std::string_view>;
    struct Case {
        Texts shooters;
        Texts plates;
        std::variant<Experiment, ExperimentFailure> result;
    };
    for (const Case& c : {
             Case{std::nullopt, std::nullopt, Experiment::Classic()},
             Case{"4", "8", Of(4, 8)},
             Case{std::nullopt, "12", Of(3, 12)},
             Case{"10", std::nullopt, Of(10, 6)},
             Case{"1", "2", Of(1, 2)},
             Case{"10", "20", Of(10, 20)},
             Case{"0", "6", ExperimentFailure::FewerShootersThanOne},
             Case{"11", "1", ExperimentFailure::MoreShootersThanTen},
             Case{"cuatro", std::nullopt, ExperimentFailure::FewerShootersThanOne},
             Case{"", "6", ExperimentFailure::FewerShootersThanOne},
             Case{"3", "1", ExperimentFailure::FewerPlatesThanTwo},
             Case{"3", "21", ExperimentFailure::MorePlatesThanTwenty},
             Case{"3", "-6", ExperimentFailure::FewerPlatesThanTwo},
             Case{std::nullopt, "99999999999", ExperimentFailure::MorePlatesThanTwenty},
         }) {
        EXPECT_EQ(ReadExperiment(c.shooters, c.plates), c.result)
            << c.shooters.value_or("(none)") << " x " << c.plates.value_or("(none)");
    }
}

TEST(ExperimentRefusal, QuotesTheValueBeforeTheEnginesReason) {
    EXPECT_EQ(ExperimentRefusal("«11»", ExperimentFailure::MoreShootersThanTen),
              "«11» no vale: el número de tiradores ha de ser un número entero entre 1 y 10");
    EXPECT_EQ(ExperimentRefusal("«0»", ExperimentFailure::FewerShootersThanOne),
              "«0» no vale: el número de tiradores ha de ser un número entero entre 1 y 10");
    EXPECT_EQ(ExperimentRefusal("«1»", ExperimentFailure::FewerPlatesThanTwo),
              "«1» no vale: el número de platos ha de ser un número entero entre 2 y 20");
    EXPECT_EQ(ExperimentRefusal("«x»", ExperimentFailure::MorePlatesThanTwenty),
              "«x» no vale: el número de platos ha de ser un número entero entre 2 y 20");
    EXPECT_TRUE(IsShootersFailure(ExperimentFailure::FewerShootersThanOne));
    EXPECT_TRUE(IsShootersFailure(ExperimentFailure::MoreShootersThanTen));
    EXPECT_FALSE(IsShootersFailure(ExperimentFailure::FewerPlatesThanTwo));
    EXPECT_FALSE(IsShootersFailure(ExperimentFailure::MorePlatesThanTwenty));
}

TEST(ExperimentJson, WritesOneEntryPerNumberBrokenWithItsTheory) {
    // 3 x 6: 6, 90 and 120 of 216; 7 + 4 + 1 trials leave 7 x 5 + 4 x 4 + 3 = 54 intact.
    const ExperimentRecord classic = RecordOf(Experiment::Classic(), {7, 4, 1}, 54, 42);
    EXPECT_EQ(ExperimentJson(classic, "1.00"),
              "{\"version\":\"1.00\",\"ensayos\":12,\"semilla\":42,\"tiradores\":3,\"platos\":6,"
              "\"distribucion\":["
              "{\"rotos\":1,\"veces\":7,\"porcentaje\":58.33,\"teorico\":2.78,"
              "\"teorico_fraccion\":\"1/36\"},"
              "{\"rotos\":2,\"veces\":4,\"porcentaje\":33.33,\"teorico\":41.67,"
              "\"teorico_fraccion\":\"5/12\"},"
              "{\"rotos\":3,\"veces\":1,\"porcentaje\":8.33,\"teorico\":55.56,"
              "\"teorico_fraccion\":\"5/9\"}],"
              "\"mas_probable\":1,\"intactos_media\":4,\"intactos_media_exacta\":4.5000}\n");
    // One shooter breaks one plate every time; the mean intact is n - 1 exactly.
    const ExperimentRecord lone = RecordOf(Of(1, 20), {5}, 95, 0);
    EXPECT_EQ(ExperimentJson(lone, "2.0"),
              "{\"version\":\"2.0\",\"ensayos\":5,\"semilla\":0,\"tiradores\":1,\"platos\":20,"
              "\"distribucion\":[{\"rotos\":1,\"veces\":5,\"porcentaje\":100.00,"
              "\"teorico\":100.00,\"teorico_fraccion\":\"1/1\"}],"
              "\"mas_probable\":1,\"intactos_media\":19,\"intactos_media_exacta\":19.0000}\n");
}

TEST(ExperimentJson, ATieGoesToTheLargerNumberAndTheMeanRoundsHalfToEven) {
    // 2 x 2: one or two broken, 1/2 each; 2 + 2 trials leave 2 + 0 intact, mean 0.5.
    const std::string json = ExperimentJson(RecordOf(Of(2, 2), {2, 2}, 2, 9), "1.00");
    EXPECT_NE(
        json.find("\"mas_probable\":2,\"intactos_media\":0,\"intactos_media_exacta\":0.5000}"),
        std::string::npos)
        << json;
    EXPECT_NE(json.find("\"teorico\":50.00,\"teorico_fraccion\":\"1/2\""), std::string::npos);
}

TEST(ExperimentCsv, TheLongFormHasOneRowPerNumberBroken) {
    const ExperimentRecord record = RecordOf(Of(2, 3), {1, 3}, 2 + 3, 5);
    EXPECT_EQ(ExperimentCsv(record, "1.00"),
              "version,ensayos,semilla,tiradores,platos,rotos,veces,porcentaje,teorico,"
              "teorico_fraccion,mas_probable,intactos_media,intactos_media_exacta\n"
              "1.00,4,5,2,3,1,1,25.00,33.33,1/3,2,1,1.2500\n"
              "1.00,4,5,2,3,2,3,75.00,66.67,2/3,2,1,1.2500\n");
    // A version with the separator in it is quoted, as RunCsv does.
    const std::string quoted = ExperimentCsv(record, "1,0");
    EXPECT_EQ(quoted.substr(quoted.find('\n') + 1, 8), "\"1,0\",4,") << quoted;
}

TEST(ExperimentResultsText, StatesTheExperimentAndGivesOneLinePerNumberBroken) {
    const ExperimentRecord record = RecordOf(Of(4, 8), {0, 1200, 0, 0}, 7200, 7);
    EXPECT_EQ(ExperimentResultsText(record, kSpanishSymbols),
              "Cuatro tiradores eligen, cada uno al azar, uno de ocho platos lanzados a la vez, "
              "y cada plato elegido se rompe. ¿Cuántos platos rotos es lo más probable, y "
              "cuántos quedan enteros de media?\n"
              "\n"
              "RESULTADOS TRAS SIMULAR LA EXPERIENCIA 1.200 VECES\n"
              "\n"
              "Se rompe un solo plato 0 veces (0,00 %); en teoría, el 0,20 % (1/512)\n"
              "Se rompen dos platos 1.200 veces (100,00 %); en teoría, el 9,57 % (49/512)\n"
              "Se rompen tres platos 0 veces (0,00 %); en teoría, el 49,22 % (63/128)\n"
              "Se rompen cuatro platos 0 veces (0,00 %); en teoría, el 41,02 % (105/256)\n"
              "\n"
              "El número de platos más probable que se rompe es 2; en teoría, 3\n"
              "El número de platos que queda intacto por término medio es 6,00; en teoría, "
              "4,69 (2401/512)\n"
              "\n"
              "Semilla: 7\n");
}

TEST(ExperimentResultsText, SaysATieAndWritesLargeNumbersInDigitsAndTheUsersSymbols) {
    const std::string english = ExperimentResultsText(
        RecordOf(Of(2, 12), {1500, 1500}, 1500 * 11 + 1500 * 10, 3), LocaleSymbols{".", ","});
    EXPECT_NE(english.find("RESULTADOS TRAS SIMULAR LA EXPERIENCIA 3,000 VECES\n"),
              std::string::npos)
        << english;
    EXPECT_NE(english.find("Se rompe un solo plato 1,500 veces (50.00 %); en teoría, el 8.33 % "
                           "(1/12)\n"),
              std::string::npos)
        << english;
    EXPECT_NE(english.find("es 2 (empate entre 1 y 2); en teoría, 2\n"), std::string::npos)
        << english;
    const std::string many = ExperimentResultsText(
        RecordOf(Of(10, 12), {0, 0, 0, 0, 0, 0, 0, 0, 0, 1}, 2, 1), kSpanishSymbols);
    EXPECT_EQ(many.rfind("Diez tiradores eligen, cada uno al azar, uno de 12 platos", 0), 0u);
    EXPECT_NE(many.find("\nRESULTADOS TRAS SIMULAR LA EXPERIENCIA 1 VEZ\n"), std::string::npos)
        << many;
    EXPECT_NE(many.find("\nSe rompen nueve platos 0 veces (0,00 %)"), std::string::npos) << many;
    EXPECT_NE(many.find("\nSe rompen diez platos 1 vez (100,00 %)"), std::string::npos) << many;
}

}  // namespace
}  // namespace vesquin
