// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "argument_check.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "command_line.h"
#include "locale_table.h"
#include "window_handover.h"

namespace vesquin {
namespace {

using Arguments = std::vector<std::string>;

TEST(CloseOption, NamesTheOptionMeant) {
    struct Case {
        std::string argument;
        std::string meant;
    };
    for (const Case& c : {
             Case{"--ensayo", "--ensayos"},
             Case{"--Ensayos", "--ensayos"},
             Case{"-e", "--ensayos"},
             Case{"--ensayos10", "--ensayos"},
             Case{"-ensayos", "--ensayos"},
             Case{"--ensallos", "--ensayos"},
             Case{"--semila", "--semilla"},
             Case{"-s", "--semilla"},
             Case{"--formto=json", "--formato"},
             Case{"--FORMATO", "--formato"},
             Case{"--verison", "--version"},
             Case{"--ayda", "--ayuda"},
             Case{"--tirador", "--tiradores"},
             Case{"--Tiradores=4", "--tiradores"},
             Case{"--tiradors", "--tiradores"},
             Case{"-t", "--tiradores"},
             Case{"--plato", "--platos"},
             Case{"--PLATOS", "--platos"},
             Case{"-p", "--platos"},
             Case{"--platos8", "--platos"},
             Case{"--bogus", ""},
             Case{"-x", ""},
             Case{"--", ""},
             Case{"ensayo", ""},
             Case{"--zzzzzzzz", ""},
         }) {
        EXPECT_EQ(CloseOption(c.argument), c.meant) << c.argument;
    }
}

TEST(CheckWindowArguments, LetsQtsOwnOptionsThroughAndNothingElse) {
    struct Case {
        Arguments arguments;
        std::string problem;  // "" when the window may start
    };
    for (const Case& c : {
             Case{{}, ""},
             Case{{"-style", "fusion"}, ""},
             Case{{"-style=fusion", "--reverse"}, ""},
             Case{{"-platform", "xcb", "-display", ":1", "-geometry", "10x10"}, ""},
             Case{{"--platform", "offscreen"}, ""},
             Case{{"-qwindowtitle", "clase", "-stylesheet=a.qss", "-widgetcount"}, ""},
             Case{{"--ensayo", "10"},
                  "opción desconocida «\u2068--ensayo\u2069» (¿querías decir --ensayos?)"},
             Case{{"--Ensayos", "10"},
                  "opción desconocida «\u2068--Ensayos\u2069» (¿querías decir --ensayos?)"},
             Case{{"-e", "10"}, "opción desconocida «\u2068-e\u2069» (¿querías decir --ensayos?)"},
             Case{{"--ensayos10"},
                  "opción desconocida «\u2068--ensayos10\u2069» (¿querías decir --ensayos?)"},
             Case{{"--bogus"}, "opción desconocida «\u2068--bogus\u2069»"},
             Case{{"informe.txt"}, "sobra «\u2068informe.txt\u2069»"},
             // The value Qt's option takes is not checked again as an argument.
             Case{{"-style", "--ensayo"}, ""},
             Case{{"-style"}, "falta el valor de -style"},
             Case{{"-style", "fusion", "x"}, "sobra «\u2068x\u2069»"},
             Case{{"-reverse=1"}, "opción desconocida «\u2068-reverse=1\u2069»"},
             Case{{"---style", "fusion"}, "opción desconocida «\u2068---style\u2069»"},
             Case{{"--formato=\u202Evsc"},
                  "opción desconocida «\u2068--formato=\u202Evsc\u2069» (¿querías decir "
                  "--formato?)"},
         }) {
        const auto problem = CheckWindowArguments(c.arguments);
        EXPECT_EQ(problem ? problem->problem : "", c.problem)
            << ::testing::PrintToString(c.arguments);
    }
}

TEST(ParseCommandLine, AnOptionIsNotTheValueOfTheOneBefore) {
    struct Case {
        Arguments arguments;
        std::string problem;
    };
    for (const Case& c : {
             Case{{"--ensayos", "--semilla", "5"}, "falta el valor de --ensayos"},
             Case{{"--ensayos", "--formato=json"}, "falta el valor de --ensayos"},
             Case{{"--ensayos", "5", "--semilla", "--formato", "csv"},
                  "falta el valor de --semilla"},
             Case{{"--ensayos=5", "--formato", "-h"}, "falta el valor de --formato"},
             Case{{"--ensayo", "10"},
                  "opción desconocida «\u2068--ensayo\u2069» (¿querías decir --ensayos?)"},
             // A right-to-left override stays inside its isolate.
             Case{{"--ensayos=5", "--formato", "\u202Evsc"},
                  "«\u2068\u202Evsc\u2069» no es un formato: texto, csv o json"},
         }) {
        const auto parsed = ParseCommandLine(c.arguments);
        ASSERT_TRUE(std::holds_alternative<UsageError>(parsed))
            << ::testing::PrintToString(c.arguments);
        EXPECT_EQ(std::get<UsageError>(parsed).problem, c.problem)
            << ::testing::PrintToString(c.arguments);
    }
    // A negative count is still a value, for the count rules to refuse.
    const auto negative = ParseCommandLine(Arguments{"--ensayos", "-5"});
    ASSERT_TRUE(std::holds_alternative<CommandLineRequest>(negative));
    EXPECT_EQ(std::get<CommandLineRequest>(negative).countText, "-5");
}

TEST(HasDisplay, WantsADisplayOrAChosenPlatform) {
    struct Case {
        std::map<std::string, std::string> environment;
        Arguments arguments;
        bool display;
    };
    for (const Case& c : {
             Case{{}, {}, false},
             Case{{{"DISPLAY", ""}}, {}, false},
             Case{{{"DISPLAY", ":0"}}, {}, true},
             Case{{{"WAYLAND_DISPLAY", "wayland-0"}}, {}, true},
             Case{{{"QT_QPA_PLATFORM", "offscreen"}}, {}, true},
             Case{{}, {"-platform", "offscreen"}, true},
             Case{{}, {"-style", "fusion"}, false},
         }) {
        const auto lookup = [&c](const char* name) -> std::string_view {
            const auto found = c.environment.find(name);
            return found == c.environment.end() ? std::string_view() : found->second;
        };
        EXPECT_EQ(HasDisplay(c.arguments, lookup), c.display)
            << ::testing::PrintToString(c.arguments);
    }
}

TEST(LocaleTable, ReadsTheNameAsTheEnvironmentGivesIt) {
    struct Case {
        std::string name;
        LocaleSymbols symbols;
    };
    for (const Case& c : {
             Case{"es_ES.UTF-8", {",", "."}},
             Case{"es_ES", {",", "."}},
             Case{"es", {",", "."}},
             Case{"es_ZZ", {",", "."}},
             Case{"gl_ES.UTF-8", {",", "."}},
             Case{"fr_FR.UTF-8", {",", "\u202F"}},
             Case{"de-AT@euro", {",", "\u00A0"}},
             Case{"de_CH", {".", "\u2019"}},
             Case{"en_US.UTF-8", {".", ","}},
             Case{"C", {".", ","}},
             Case{"C.UTF-8", {".", ","}},
             Case{"POSIX", {".", ","}},
             Case{"", {".", ","}},
             Case{"zz_ZZ", {".", ","}},
         }) {
        const LocaleSymbols symbols = SymbolsForLocaleName(c.name);
        EXPECT_EQ(symbols.decimal, c.symbols.decimal) << c.name;
        EXPECT_EQ(symbols.grouping, c.symbols.grouping) << c.name;
    }
}

TEST(LocaleTable, TakesTheFirstVariableSet) {
    struct Case {
        std::map<std::string, std::string> environment;
        std::string name;
    };
    for (const Case& c : {
             Case{{}, ""},
             Case{{{"LANG", "fr_FR"}}, "fr_FR"},
             Case{{{"LANG", "fr_FR"}, {"LC_NUMERIC", "de_DE"}}, "de_DE"},
             Case{{{"LANG", "fr_FR"}, {"LC_NUMERIC", "de_DE"}, {"LC_ALL", "es_ES"}}, "es_ES"},
             Case{{{"LANG", "fr_FR"}, {"LC_ALL", ""}}, "fr_FR"},
         }) {
        const auto lookup = [&c](const char* name) -> std::string_view {
            const auto found = c.environment.find(name);
            return found == c.environment.end() ? std::string_view() : found->second;
        };
        EXPECT_EQ(NumericLocaleName(lookup), c.name);
    }
}

}  // namespace
}  // namespace vesquin
