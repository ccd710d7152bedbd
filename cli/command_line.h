// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's own options, read GNU style: "--ensayos 1000" or "--ensayos=1000".
// The value after an option is taken whatever it looks like unless it is one of these
// options itself, so "--ensayos -5" hands "-5" to the count rules while "--ensayos
// --semilla 5" lacks the count. Options may come in any order; a repeated one keeps its
// last value.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>

#include "experiment.h"

namespace vesquin {

enum class OutputFormat { Text, Csv, Json };

struct CommandLineRequest {
    enum class Action { Run, Help, Version };
    Action action = Action::Run;
    std::string countText;  // as typed; the count rules read it
    std::optional<std::uint64_t> seed;
    OutputFormat format = OutputFormat::Text;
    // Set when --tiradores or --platos is given (the other one at the puzzle's own
    // number): the run is then of this experiment and written in its general form.
    std::optional<Experiment> experiment;

    friend bool operator==(const CommandLineRequest&, const CommandLineRequest&) = default;
};

// What is wrong with the arguments, in the current language, as one sentence without the program's
// name: "falta el valor de --ensayos".
struct UsageError {
    std::string problem;

    friend bool operator==(const UsageError&, const UsageError&) = default;
};

// True when any argument is one of the options below (with or without "=value"): the
// program then works on the command line and opens no window. Otherwise the arguments
// are the window's (see CheckWindowArguments). --idioma is the window's as well as ours,
// so it alone does not count.
bool NamesCommandLineOption(std::span<const std::string> arguments);

// Reads the arguments after the program's name. --ayuda, -h and --help ask for help and
// --version for the version, whatever else is given; otherwise --ensayos is required
// and --semilla, --formato, --tiradores, --platos and --idioma are optional. --idioma is
// only checked here: the language is chosen from the arguments before any text is
// written (ChosenLanguage), so that this function's own messages are in it.
// {"--ensayos=1.000", "--formato", "json"} gives a Run of "1.000" in JSON;
// {"--semilla", "7"} gives "falta --ensayos: cuántos ensayos hacer";
// {"--ensayos=5", "--tiradores=11"} gives "«11» no vale: el número de tiradores ha de
// ser un número entero entre 1 y 10" (the value isolated as QuotedForTerminal does).
std::variant<CommandLineRequest, UsageError> ParseCommandLine(
    std::span<const std::string> arguments);

}  // namespace vesquin
