// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line in each language: --idioma among the options, the report written in
// that language, and the refusals too; the number symbols stay the locale's.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "argument_check.h"
#include "catalogue.h"
#include "command_line.h"
#include "command_line_invoke.h"
#include "command_line_run.h"

namespace vesquin {
namespace {

using cli_test::Invoke;
using cli_test::Outcome;

// What each language writes for ten trials from seed 1, and for refusals.
struct Written {
    const char* code;
    std::string report;
    std::string formatRefusal;
    std::string countRefusal;
};

const std::vector<Written>& EveryLanguage() {
    static const std::vector<Written> written{
        {"ca",
         "VESQUIN\n\n1) RESULTATS DESPRÉS DE SIMULAR L'EXPERIÈNCIA 10 VEGADES\n\n"
         "El nombre més probable de plats que es trenquen és 2\n"
         "El nombre mitjà de plats que queden intactes és 4\n\n"
         "Es trenca un sol plat 0 vegades (0,00 %)\n"
         "Es trenquen dos plats 6 vegades (60,00 %)\n"
         "Es trenquen tres plats 4 vegades (40,00 %)\n\n"
         "2) RESULTATS TEÒRICS\n\n"
         "S'hauria de trencar un sol plat el 2,78 % de les vegades\n"
         "S'haurien de trencar dos plats el 41,67 % de les vegades\n"
         "S'haurien de trencar tres plats el 55,56 % de les vegades\n\nLlavor: 1\n",
         "vesquin: «\u2068x\u2069» no és un format: texto, csv o json. Ús: vesquin --ensayos N "
         "[--semilla S] [--formato texto|csv|json] (més a «vesquin --ayuda»)\n",
         "Cal fer la simulació almenys una vegada. Indica un nombre entre 1 i 1.000.000.\n"},
        {"gl",
         "VESQUIN\n\n1) RESULTADOS TRAS SIMULAR A EXPERIENCIA 10 VECES\n\n"
         "O número de pratos máis probable que se rompe é 2\n"
         "O número medio de pratos que quedan intactos é 4\n\n"
         "Rómpese un só prato 0 veces (0,00 %)\n"
         "Rómpense dous pratos 6 veces (60,00 %)\n"
         "Rómpense tres pratos 4 veces (40,00 %)\n\n"
         "2) RESULTADOS TEÓRICOS\n\n"
         "Debería romperse un só prato o 2,78 % das veces\n"
         "Deberían romperse dous pratos o 41,67 % das veces\n"
         "Deberían romperse tres pratos o 55,56 % das veces\n\nSemente: 1\n",
         "vesquin: «\u2068x\u2069» non é un formato: texto, csv ou json. Uso: vesquin --ensayos N "
         "[--semilla S] [--formato texto|csv|json] (máis en «vesquin --ayuda»)\n",
         "Hai que facer a simulación polo menos unha vez. Indica un número entre 1 e 1.000.000.\n"},
        {"eu",
         "VESQUIN\n\n1) ESPERIENTZIA 10 ALDIZ SIMULATU ONDORENGO EMAITZAK\n\n"
         "Hausten diren plateren kopuru probableena: 2\n"
         "Osorik geratzen diren plateren batez besteko kopurua: 4\n\n"
         "Plater bakar bat hausten da 0 aldiz (% 0,00)\n"
         "Bi plater hausten dira 6 aldiz (% 60,00)\n"
         "Hiru plater hausten dira 4 aldiz (% 40,00)\n\n"
         "2) EMAITZA TEORIKOAK\n\n"
         "Plater bakar bat hautsi beharko litzateke: kasuen % 2,78\n"
         "Bi plater hautsi beharko lirateke: kasuen % 41,67\n"
         "Hiru plater hautsi beharko lirateke: kasuen % 55,56\n\nHazia: 1\n",
         "vesquin: «\u2068x\u2069» ez da formatu bat: texto, csv edo json. Erabilera: vesquin "
         "--ensayos N [--semilla S] [--formato texto|csv|json] (informazio gehiago: «vesquin "
         "--ayuda»)\n",
         "Simulazioa gutxienez behin egin behar da. Idatzi 1 eta 1.000.000 arteko zenbaki bat.\n"},
        {"en",
         "VESQUIN\n\n1) RESULTS AFTER SIMULATING THE EXPERIMENT 10 TIMES\n\n"
         "The most likely number of clay plates broken is 2\n"
         "The mean number of clay plates left intact is 4\n\n"
         "Just one clay plate breaks 0 times (0,00 %)\n"
         "Two clay plates break 6 times (60,00 %)\n"
         "Three clay plates break 4 times (40,00 %)\n\n"
         "2) THEORETICAL RESULTS\n\n"
         "Just one clay plate should break 2,78 % of the time\n"
         "Two clay plates should break 41,67 % of the time\n"
         "Three clay plates should break 55,56 % of the time\n\nSeed: 1\n",
         "vesquin: «\u2068x\u2069» is not a format: texto, csv or json. Usage: vesquin --ensayos N "
         "[--semilla S] [--formato texto|csv|json] (more in “vesquin --help”)\n",
         "The simulation must be run at least once. Enter a number between 1 and 1.000.000.\n"},
    };
    return written;
}

TEST(CommandLineLanguages, TheReportAndTheRefusalsInTheLanguageAsked) {
    const ScopedLanguage spanish(Language::Spanish);
    for (const Written& language : EveryLanguage()) {
        SCOPED_TRACE(language.code);
        for (const std::vector<std::string>& arguments :
             {std::vector<std::string>{"--idioma", language.code, "--ensayos", "10", "--semilla",
                                       "1"},
              std::vector<std::string>{"--ensayos=10", "--semilla=1",
                                       std::string("--idioma=") + language.code}}) {
            const Outcome report = Invoke(arguments);
            EXPECT_EQ(report.status, kExitSuccess);
            EXPECT_EQ(report.out, language.report);
            EXPECT_EQ(report.err, "");
        }
        // The language is chosen before the arguments are judged, whatever their order.
        const Outcome format =
            Invoke({"--formato", "x", "--ensayos", "3", "--idioma", language.code});
        EXPECT_EQ(format.status, kExitUsage);
        EXPECT_EQ(format.err, language.formatRefusal);
        const Outcome count = Invoke({"--idioma", language.code, "--ensayos", "0"});
        EXPECT_EQ(count.status, kExitUsage);
        EXPECT_EQ(count.err, language.countRefusal);
        EXPECT_EQ(count.out, "");
        // The run's language does not outlive it.
        EXPECT_EQ(CurrentLanguage(), Language::Spanish);
    }
}

TEST(CommandLineLanguages, DataKeysAreTheSameInEveryLanguage) {
    const ScopedLanguage spanish(Language::Spanish);
    for (const char* format : {"json", "csv"}) {
        for (const char* experiment : {"--platos=6", "--platos=8"}) {
            const std::vector<std::string> base{"--ensayos", "10",   "--semilla", "1",
                                                "--formato", format, experiment};
            const std::string inSpanish = Invoke(base).out;
            ASSERT_FALSE(inSpanish.empty());
            for (const Written& language : EveryLanguage()) {
                std::vector<std::string> arguments = base;
                arguments.insert(arguments.end(), {"--idioma", language.code});
                EXPECT_EQ(Invoke(arguments).out, inSpanish) << language.code << ' ' << format;
            }
        }
    }
}

TEST(CommandLineLanguages, ABadLanguageIsAUsageErrorNamingIt) {
    const ScopedLanguage spanish(Language::Spanish);
    struct Case {
        std::vector<std::string> arguments;
        std::string err;
    };
    const std::string usage =
        ". Uso: vesquin --ensayos N [--semilla S] [--formato texto|csv|json] (más en «vesquin "
        "--ayuda»)\n";
    for (const Case& c : {
             Case{{"--ensayos", "10", "--idioma", "fr"},
                  "vesquin: «\u2068fr\u2069» no es un idioma: ca, gl, eu, en o es" + usage},
             Case{{"--idioma=CA", "--ensayos", "10"},
                  "vesquin: «\u2068CA\u2069» no es un idioma: ca, gl, eu, en o es" + usage},
             Case{{"--idioma=", "--ensayos", "10"},
                  "vesquin: «\u2068\u2069» no es un idioma: ca, gl, eu, en o es" + usage},
             Case{{"--ensayos", "10", "--idioma"}, "vesquin: falta el valor de --idioma" + usage},
             Case{{"--idioma", "--ensayos", "10"}, "vesquin: falta el valor de --idioma" + usage},
         }) {
        const Outcome outcome = Invoke(c.arguments);
        EXPECT_EQ(outcome.status, kExitUsage) << testing::PrintToString(c.arguments);
        EXPECT_EQ(outcome.err, c.err);
        EXPECT_EQ(outcome.out, "");
    }
}

TEST(CommandLineLanguages, TheLanguageAloneIsTheWindows) {
    const ScopedLanguage spanish(Language::Spanish);
    struct Case {
        std::vector<std::string> arguments;
        bool commandLine;
        std::string windowProblem;  // "" when the window takes the arguments
    };
    for (const Case& c : {
             Case{{"--idioma", "ca"}, false, ""},
             Case{{"--idioma=en", "-style", "fusion"}, false, ""},
             Case{{"-reverse", "--idioma", "eu"}, false, ""},
             Case{{"--idioma", "fr"},
                  false,
                  "«\u2068fr\u2069» no es un idioma: ca, gl, eu, en o es"},
             Case{{"--idioma"}, false, "falta el valor de --idioma"},
             Case{{"--idioma", "gl", "--ensayos", "5"}, true, ""},
             Case{{"--idioma=gl", "--ayuda"}, true, ""},
         }) {
        EXPECT_EQ(NamesCommandLineOption(c.arguments), c.commandLine)
            << testing::PrintToString(c.arguments);
        if (c.commandLine) continue;
        const auto problem = CheckWindowArguments(c.arguments);
        EXPECT_EQ(problem ? problem->problem : "", c.windowProblem)
            << testing::PrintToString(c.arguments);
    }
}

}  // namespace
}  // namespace vesquin
