// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The command line's own texts: its one-line usage and its short help, in Spanish.
// The command line writes them as they are; the numbers arrive already written.

#include <string>
#include <string_view>

namespace vesquin {

// "vesquin --ensayos N [--semilla S] [--formato texto|csv|json]", the hint after every
// usage error (the experiment options are in the help, to keep the hint one line).
std::string_view CommandLineUsage();

// The help: the usage, what the program does, one line per option and examples.
// `maximum` is the most trials in the user's symbols ("1.000.000"), `largestSeed` the
// largest seed in plain digits.
std::string CommandLineHelp(std::string_view maximum, std::string_view largestSeed);

}  // namespace vesquin
