// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program the user runs. It links no Qt: one of its own options means a run on the
// command line, answered here; anything else is the window, handed over to the window
// program once the arguments are known to be Qt's own and a display is there.

#include <iostream>
#include <string>
#include <vector>

#include "application_identity.h"
#include "argument_check.h"
#include "catalogue.h"
#include "command_line.h"
#include "command_line_run.h"
#include "language_option.h"
#include "locale_table.h"
#include "window_handover.h"

#ifndef VESQUIN_WINDOW_PROGRAM
#error "VESQUIN_WINDOW_PROGRAM: the window program, relative to this one"
#endif

int main(int argc, char* argv[]) {
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    // Before anything is read, so that even a refused argument is told in the language
    // asked for; the window program reads the same arguments and chooses alike.
    vesquin::SetLanguage(vesquin::ChosenLanguage(arguments));
    if (vesquin::NamesCommandLineOption(arguments)) {
        const vesquin::CommandLineSetting setting{
            vesquin::kApplicationVersion,
            vesquin::SymbolsForLocaleName(vesquin::NumericLocaleName(vesquin::ProcessEnvironment)),
            vesquin::kAdvertisedMaximumTrials};
        return vesquin::RunCommandLine(arguments, setting, std::cout, std::cerr);
    }
    if (const auto problem = vesquin::CheckWindowArguments(arguments)) {
        std::cerr << vesquin::UsageErrorText(*problem) << '\n';
        return vesquin::kExitUsage;
    }
    if (!vesquin::HasDisplay(arguments, vesquin::ProcessEnvironment)) {
        std::cerr << vesquin::NoDisplayMessage() << '\n';
        return vesquin::kExitNoWindow;
    }
    std::cerr << vesquin::HandOverToWindow(vesquin::WindowProgramPath(VESQUIN_WINDOW_PROGRAM), argv)
              << '\n';
    return vesquin::kExitNoWindow;
}
