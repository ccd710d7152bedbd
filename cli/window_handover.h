// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Handing the window over to the window program. The program the user runs is the
// command line, free of Qt, so that a script calling it a thousand times does not pay
// for loading Qt a thousand times; the window is a program of its own, installed beside
// it, that the command line replaces itself with when the window is wanted.

#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace vesquin {

// The exit status when the window cannot open (no display, no window program).
inline constexpr int kExitNoWindow = 1;

// Reads an environment variable, "" when it is unset.
using EnvironmentLookup = std::function<std::string_view(const char* name)>;
std::string_view ProcessEnvironment(const char* name);

// Whether the window has somewhere to open: an X or Wayland display, or a Qt platform
// chosen by QT_QPA_PLATFORM or "-platform" (Qt then answers for it). Always true where
// windows need no display server.
bool HasDisplay(std::span<const std::string> arguments, const EnvironmentLookup& variable);

// What the user is told when there is none, one line with the usual "vesquin:" prefix.
std::string NoDisplayMessage();

// The window program: `relativePath` from the folder of this program, when it is there
// (an installed tree), or else the one beside this program (the build tree).
std::string WindowProgramPath(std::string_view relativePath);

// Replaces this process with `program`, handing it `argv` (argv[0] included). Returns
// only when that failed, with the message for the user.
std::string HandOverToWindow(const std::string& program, char* argv[]);

}  // namespace vesquin
