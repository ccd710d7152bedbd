// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The command line run in-process, as `vesquin` runs it, with what it wrote and its
// status, for the command-line tests.

#include <sstream>
#include <string>
#include <vector>

#include "command_line.h"
#include "command_line_run.h"

namespace vesquin::cli_test {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

inline Outcome Invoke(const std::vector<std::string>& arguments,
                      const LocaleSymbols& symbols = kSpanishSymbols) {
    const CommandLineSetting setting{"1.00", symbols, 1'000'000};
    std::ostringstream out;
    std::ostringstream err;
    Outcome outcome;
    outcome.status = RunCommandLine(arguments, setting, out, err);
    outcome.out = out.str();
    outcome.err = err.str();
    return outcome;
}

}  // namespace vesquin::cli_test
