// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The --idioma option, which chooses the language over the environment's settings. Both
// programs read it: the command line for its own texts, and the window program, which
// the command line hands the same arguments to.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "languages.h"

namespace vesquin {

inline constexpr std::string_view kLanguageOption = "--idioma";

// The language a value of --idioma names: exactly one of the codes, "ca", "gl", "eu",
// "en" or "es"; anything else ("CA", "ca_ES", "fr", "") names none.
std::optional<Language> LanguageFromOption(std::string_view value);

// The value of the last --idioma among the arguments, as "--idioma ca" or "--idioma=ca";
// nothing when the option is not there, "" when it lacks its value.
std::optional<std::string_view> LanguageOptionValue(std::span<const std::string> arguments);

// The language the arguments ask for, else the one the environment's settings give.
// An --idioma that names no language of ours leaves the settings' choice (the command
// line refuses it, in that language).
Language ChosenLanguage(std::span<const std::string> arguments, const LanguageSettings& settings);

// The same with this process's environment.
Language ChosenLanguage(std::span<const std::string> arguments);

// Why a value of --idioma was refused, after the value as the face quotes it:
// "«fr» no es un idioma: ca, gl, eu, en o es".
std::string LanguageRefusal(std::string_view quotedValue);

}  // namespace vesquin
