// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "terminal_text.h"

namespace vesquin {
namespace {

using Arguments = std::vector<std::string>;
using Action = CommandLineRequest::Action;

CommandLineRequest RunOf(std::string count, std::optional<std::uint64_t> seed = std::nullopt,
                         OutputFormat format = OutputFormat::Text,
                         std::optional<Experiment> experiment = std::nullopt) {
    return CommandLineRequest{Action::Run, std::move(count), seed, format, experiment};
}

Experiment Of(std::int32_t shooters, std::int32_t plates) {
    return std::get<Experiment>(Experiment::Make(shooters, plates));
}

TEST(NamesCommandLineOption, OurOptionsAloneLeaveTheWindow) {
    struct Case {
        Arguments arguments;
        bool ours;
    };
    for (const Case& c : {
             Case{{}, false},
             Case{{"-style", "fusion"}, false},
             Case{{"-platform", "offscreen"}, false},
             Case{{"--platform", "xcb"}, false},
             Case{{"--ensayo", "5"}, false},  // not ours: Qt may take or ignore it
             Case{{"--ensayos", "5"}, true},
             Case{{"--ensayos=5"}, true},
             Case{{"-style", "fusion", "--semilla=3"}, true},
             Case{{"--formato"}, true},
             Case{{"-h"}, true},
             Case{{"--help"}, true},
             Case{{"--ayuda"}, true},
             Case{{"--version"}, true},
             Case{{"--version=1"}, true},
             Case{{"--tiradores", "4"}, true},
             Case{{"--platos=8"}, true},
             Case{{"--tirador", "4"}, false},
         }) {
        EXPECT_EQ(NamesCommandLineOption(c.arguments), c.ours)
            << ::testing::PrintToString(c.arguments);
    }
}

TEST(ParseCommandLine, ReadsEachOptionInBothGnuForms) {
    struct Case {
        Arguments arguments;
        CommandLineRequest request;
    };
    for (const Case& c : {
             Case{{"--ensayos", "1000"}, RunOf("1000")},
             Case{{"--ensayos=1.000"}, RunOf("1.000")},
             // The value after the option is taken as it is: the count rules judge it.
             Case{{"--ensayos", "-5"}, RunOf("-5")},
             Case{{"--ensayos=-5"}, RunOf("-5")},
             Case{{"--ensayos="}, RunOf("")},
             Case{{"--ensayos", "  7 "}, RunOf("  7 ")},
             Case{{"--ensayos=a=b"}, RunOf("a=b")},
             Case{{"--semilla", "42", "--ensayos", "10"}, RunOf("10", 42)},
             Case{{"--ensayos=10", "--semilla=0"}, RunOf("10", 0)},
             Case{{"--ensayos", "10", "--formato", "json"}, RunOf("10", {}, OutputFormat::Json)},
             Case{{"--formato=csv", "--ensayos=10"}, RunOf("10", {}, OutputFormat::Csv)},
             Case{{"--ensayos=10", "--formato=texto"}, RunOf("10", {}, OutputFormat::Text)},
             // A repeated option keeps its last value.
             Case{{"--ensayos=10", "--ensayos=20", "--formato=csv", "--formato=json"},
                  RunOf("20", {}, OutputFormat::Json)},
             // Either experiment option makes the run that experiment's, the other at 3 or 6.
             Case{{"--tiradores", "4", "--platos", "8", "--ensayos", "10"},
                  RunOf("10", {}, OutputFormat::Text, Of(4, 8))},
             Case{{"--ensayos=10", "--tiradores=10", "--platos=20", "--semilla=9"},
                  RunOf("10", 9, OutputFormat::Text, Of(10, 20))},
             Case{{"--ensayos=10", "--platos=2"}, RunOf("10", {}, OutputFormat::Text, Of(3, 2))},
             Case{{"--ensayos=10", "--tiradores", "1"},
                  RunOf("10", {}, OutputFormat::Text, Of(1, 6))},
             Case{{"--ensayos=10", "--tiradores=3", "--formato=csv"},
                  RunOf("10", {}, OutputFormat::Csv, Experiment::Classic())},
             Case{{"--ensayos=10", "--platos=007"}, RunOf("10", {}, OutputFormat::Text, Of(3, 7))},
             // Judged on the last value given.
             Case{{"--ensayos=10", "--tiradores=11", "--tiradores=2"},
                  RunOf("10", {}, OutputFormat::Text, Of(2, 6))},
         }) {
        const auto parsed = ParseCommandLine(c.arguments);
        ASSERT_TRUE(std::holds_alternative<CommandLineRequest>(parsed))
            << ::testing::PrintToString(c.arguments) << ": "
            << std::get<UsageError>(parsed).problem;
        EXPECT_EQ(std::get<CommandLineRequest>(parsed), c.request)
            << ::testing::PrintToString(c.arguments);
    }
}

TEST(ParseCommandLine, HelpAndVersionWinOverARun) {
    struct Case {
        Arguments arguments;
        Action action;
    };
    for (const Case& c : {
             Case{{"--ayuda"}, Action::Help},
             Case{{"-h"}, Action::Help},
             Case{{"--help"}, Action::Help},
             Case{{"--ensayos", "abc", "--help"}, Action::Help},
             Case{{"--version"}, Action::Version},
             Case{{"--ensayos=5", "--version"}, Action::Version},
             Case{{"--version", "--ayuda"}, Action::Help},
             Case{{"--tiradores=99", "--ayuda"}, Action::Help},
             Case{{"--platos", "x", "--version"}, Action::Version},
         }) {
        const auto parsed = ParseCommandLine(c.arguments);
        ASSERT_TRUE(std::holds_alternative<CommandLineRequest>(parsed))
            << ::testing::PrintToString(c.arguments);
        EXPECT_EQ(std::get<CommandLineRequest>(parsed).action, c.action)
            << ::testing::PrintToString(c.arguments);
    }
}

TEST(ParseCommandLine, SaysWhatIsWrongWithTheArguments) {
    struct Case {
        Arguments arguments;
        std::string problem;
    };
    for (const Case& c : {
             Case{{}, "falta --ensayos: cuántos ensayos hacer"},
             Case{{"--semilla", "3"}, "falta --ensayos: cuántos ensayos hacer"},
             Case{{"--formato=json"}, "falta --ensayos: cuántos ensayos hacer"},
             Case{{"--ensayos"}, "falta el valor de --ensayos"},
             Case{{"--ensayos", "5", "--semilla"}, "falta el valor de --semilla"},
             Case{{"--ensayos", "5", "--formato"}, "falta el valor de --formato"},
             Case{{"--ensayos", "5", "--formato", "xml"},
                  "«\u2068xml\u2069» no es un formato: texto, csv o json"},
             Case{{"--ensayos=5", "--formato=JSON"},
                  "«\u2068JSON\u2069» no es un formato: texto, csv o json"},
             Case{{"--ensayos=5", "--semilla=-1"},
                  "«\u2068-1\u2069» no es una semilla: un entero de 0 a 9007199254740991, sin "
                  "separadores"},
             Case{{"--ensayos=5", "--semilla", "9007199254740992"},
                  "«\u20689007199254740992\u2069» no es una semilla: un entero de 0 a "
                  "9007199254740991, "
                  "sin separadores"},
             Case{{"--ensayos=5", "--semilla=1.000"},
                  "«\u20681.000\u2069» no es una semilla: un entero de 0 a 9007199254740991, sin "
                  "separadores"},
             Case{{"--ensayos=5", "--bogus"}, "opción desconocida «\u2068--bogus\u2069»"},
             Case{{"--tiradores=4"}, "falta --ensayos: cuántos ensayos hacer"},
             Case{{"--ensayos=5", "--tiradores"}, "falta el valor de --tiradores"},
             Case{{"--ensayos=5", "--platos", "--tiradores", "4"}, "falta el valor de --platos"},
             Case{{"--ensayos=5", "--tiradores=0"},
                  "«\u20680\u2069» no vale: el número de tiradores ha de ser un número entero "
                  "entre 1 y 10"},
             Case{{"--ensayos=5", "--tiradores", "11", "--platos", "1"},
                  "«\u206811\u2069» no vale: el número de tiradores ha de ser un número entero "
                  "entre 1 y 10"},
             Case{{"--ensayos=5", "--tiradores=cuatro"},
                  "«\u2068cuatro\u2069» no vale: el número de tiradores ha de ser un número "
                  "entero entre 1 y 10"},
             Case{{"--ensayos=5", "--tiradores=4", "--platos=1"},
                  "«\u20681\u2069» no vale: el número de platos ha de ser un número entero "
                  "entre 2 y 20"},
             Case{{"--ensayos=5", "--platos=21"},
                  "«\u206821\u2069» no vale: el número de platos ha de ser un número entero "
                  "entre 2 y 20"},
             Case{{"--ensayos=5", "--platos=", "--tiradores=4"},
                  "«\u2068\u2069» no vale: el número de platos ha de ser un número entero "
                  "entre 2 y 20"},
             Case{{"--ensayos=5", "--platos=-6"},
                  "«\u2068-6\u2069» no vale: el número de platos ha de ser un número entero "
                  "entre 2 y 20"},
             Case{{"--ensayos=5", "--platos=\x1b[2J8"},
                  "«\u2068\xEF\xBF\xBD[2J8\u2069» no vale: el número de platos ha de ser un "
                  "número entero entre 2 y 20"},
             Case{{"--ensayos=5", "--tirador=4"},
                  "opción desconocida «\u2068--tirador=4\u2069» (¿querías decir --tiradores?)"},
             Case{{"--ensayos=5", "--plato", "4"},
                  "opción desconocida «\u2068--plato\u2069» (¿querías decir --platos?)"},
             Case{{"--ensayos=5", "-style", "fusion"}, "opción desconocida «\u2068-style\u2069»"},
             Case{{"--ensayos", "5", "6"}, "sobra «\u20686\u2069»"},
             Case{{"--version=2"}, "--version no lleva valor"},
             Case{{"--ayuda=sí"}, "--ayuda no lleva valor"},
             // What the user typed is shown safely: no escape sequence reaches the terminal.
             Case{{"--ensayos=5", "--formato=\x1b[31mrojo"},
                  "«\u2068\xEF\xBF\xBD[31mrojo\u2069» no es un formato: texto, csv o json"},
         }) {
        const auto parsed = ParseCommandLine(c.arguments);
        ASSERT_TRUE(std::holds_alternative<UsageError>(parsed))
            << ::testing::PrintToString(c.arguments);
        EXPECT_EQ(std::get<UsageError>(parsed).problem, c.problem)
            << ::testing::PrintToString(c.arguments);
    }
}

TEST(TerminalSafe, ReplacesControlCharactersAndBrokenUtf8Only) {
    struct Case {
        std::string text;
        std::string safe;
    };
    const std::string r = "\xEF\xBF\xBD";  // U+FFFD
    for (const Case& c : {
             Case{"1.000,5", "1.000,5"}, Case{"año «ñ» €", "año «ñ» €"},
             Case{"\xF0\x9F\x8E\xAF", "\xF0\x9F\x8E\xAF"},  // outside the basic plane
             Case{"a\tb\nc\rd", "a" + r + "b" + r + "c" + r + "d"},
             Case{"\x1b]0;title\x07", r + "]0;title" + r}, Case{"\x7f", r},
             Case{"\xC2\x9B"
                  "2J",
                  r + "2J"},                // U+009B, the one-character escape
             Case{"\xC2\xA0", "\xC2\xA0"},  // U+00A0 is not a control
             Case{"\xFF"
                  "a",
                  r + "a"},                    // not UTF-8
             Case{"\xC3", r},                  // cut short
             Case{"\xC0\xAF", r + r},          // overlong
             Case{"\xED\xA0\x80", r + r + r},  // a surrogate
         }) {
        EXPECT_EQ(TerminalSafe(c.text), c.safe) << ::testing::PrintToString(c.text);
    }
}

TEST(QuotedForTerminal, CutsLongTextsAtFortyCharacters) {
    EXPECT_EQ(QuotedForTerminal("abc"), "«\u2068abc\u2069»");
    EXPECT_EQ(QuotedForTerminal(""), "«\u2068\u2069»");
    EXPECT_EQ(QuotedForTerminal(std::string(40, 'x')),
              "«\u2068" + std::string(40, 'x') + "\u2069»");
    EXPECT_EQ(QuotedForTerminal(std::string(41, 'x')),
              "«\u2068" + std::string(40, 'x') + "…\u2069»");
    std::string accents;
    for (int i = 0; i < 41; ++i) accents += "ñ";
    std::string forty;
    for (int i = 0; i < 40; ++i) forty += "ñ";
    EXPECT_EQ(QuotedForTerminal(accents), "«\u2068" + forty + "…\u2069»");
}

}  // namespace
}  // namespace vesquin
