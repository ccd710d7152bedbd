// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The command line's own texts: its one-line usage, its short help and its messages, in
// the current language. The command line writes them as they are; the numbers arrive
// already written and typed values already quoted for the terminal («…»).

#include <string>
#include <string_view>

namespace vesquin {

// "vesquin --ensayos N [--semilla S] [--formato texto|csv|json]", the hint after every
// usage error (the experiment options are in the help, to keep the hint one line). It is
// the options' syntax, the same in every language.
std::string_view CommandLineUsage();

// The help: the usage, what the program does, one line per option and examples.
// `maximum` is the most trials in the user's symbols ("1.000.000"), `largestSeed` the
// largest seed in plain digits.
std::string CommandLineHelp(std::string_view maximum, std::string_view largestSeed);

// A usage error as the user reads it: "vesquin: " and the problem, then the usage.
std::string UsageErrorLine(std::string_view problem);

// The problems, one sentence each without the program's name.
std::string OptionTakesNoValue(std::string_view option);     // "--ayuda no lleva valor"
std::string MissingOptionValue(std::string_view option);     // "falta el valor de --ensayos"
std::string_view MissingCount();                             // "falta --ensayos: cuántos…"
std::string FormatRefusal(std::string_view quotedValue);     // "«x» no es un formato: …"
std::string ExtraArgument(std::string_view quotedArgument);  // "sobra «x»"
// "opción desconocida «--ensayo»", with "(¿querías decir --ensayos?)" when `meant` is
// an option close to it.
std::string UnknownOption(std::string_view quotedArgument, std::string_view meant);

// When the results could not be written (a full disk, a closed pipe).
std::string_view OutputFailureLine();

// When there is no display for the window.
std::string_view NoDisplayLine();

// When the window program could not be started: its path and the system's reason.
std::string WindowFailureLine(std::string_view program, std::string_view reason);

}  // namespace vesquin
