// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program run from the command line: one run with no window, its results on
// standard output, every message on standard error.

#include <cstdint>
#include <iosfwd>
#include <span>
#include <string>

#include "command_line.h"
#include "experiment_run.h"
#include "number_text.h"

namespace vesquin {

// Exit statuses: success; results that could not be written; a bad count, option or value.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitOutputFailed = 1;
inline constexpr int kExitUsage = 2;

struct CommandLineSetting {
    std::string version;    // "1.00"
    LocaleSymbols symbols;  // the user's, for the count and the text format
    std::int32_t maximum;   // the window's maximum number of trials
};

// Carries out the arguments after the program's name (see ParseCommandLine) and
// returns the exit status. --ensayos performs one run and writes it in the format
// asked for: the window's puzzle in today's forms (RunReportText, RunJson, RunCsv), or,
// when --tiradores or --platos is given, that experiment's run in the general forms
// (ExperimentResultsText, ExperimentJson, ExperimentCsv); a bad count writes the window's message
// (RunFailureMessage), and a bad option a one-line usage hint, to `err` with status 2. --ayuda
// writes a short Spanish usage text and --version "vesquin 1.00". Every usage error in one form,
// the program's name first and the usage hint after: "vesquin: falta el valor de --ensayos. Uso:
// vesquin --ensayos N [...] (más en «vesquin --ayuda»)", without the line's end.
std::string UsageErrorText(const UsageError& error);

int RunCommandLine(std::span<const std::string> arguments, const CommandLineSetting& setting,
                   std::ostream& out, std::ostream& err);

}  // namespace vesquin
