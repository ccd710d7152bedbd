// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Arguments that are not the program's own options: the ones Qt itself takes, which go
// to the window, and mistyped ones, which are refused with the option probably meant.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "command_line.h"

namespace vesquin {

// The program's own option that `argument` was probably meant to be, or "" when none is
// close: "--ensayo", "--Ensayos", "-e" and "--ensayos10" give "--ensayos".
std::string CloseOption(std::string_view argument);

// The problem with an unknown argument, in the usage errors' words:
// "opción desconocida «--ensayo» (¿querías decir --ensayos?)", or "sobra «x»" for one
// that is not an option at all.
UsageError UnknownArgument(std::string_view argument);

// Nothing when every argument is one Qt's applications take (such as "-style fusion",
// "-platform xcb" or "--reverse", with its value where it needs one); otherwise what is
// wrong with the first argument that is not.
std::optional<UsageError> CheckWindowArguments(std::span<const std::string> arguments);

}  // namespace vesquin
