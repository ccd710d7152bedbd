// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "command_line.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "argument_check.h"
#include "command_line_texts.h"
#include "experiment_reading.h"
#include "language_option.h"
#include "seed_text.h"
#include "terminal_text.h"

namespace vesquin {
namespace {

constexpr std::string_view kCount = "--ensayos";
constexpr std::string_view kSeed = "--semilla";
constexpr std::string_view kFormat = "--formato";
constexpr std::string_view kShooters = "--tiradores";
constexpr std::string_view kPlates = "--platos";
constexpr std::string_view kVersion = "--version";
constexpr std::array<std::string_view, 3> kHelp{"--ayuda", "-h", "--help"};
constexpr std::array<std::string_view, 6> kWithValue{kCount,    kSeed,  kFormat,
                                                    kShooters, kPlates, kLanguageOption};

bool IsHelp(std::string_view name) {
    return std::find(kHelp.begin(), kHelp.end(), name) != kHelp.end();
}

bool TakesValue(std::string_view name) {
    return std::find(kWithValue.begin(), kWithValue.end(), name) != kWithValue.end();
}

// The option's name: the whole argument, or what comes before "=".
std::string_view NameOf(std::string_view argument) {
    if (!argument.starts_with("--")) return argument;
    return argument.substr(0, argument.find('='));
}

UsageError Problem(std::string text) {
    return UsageError{std::move(text)};
}

// One of the options below, with or without "=value". Such an argument after an option
// that takes a value is the next option, not the value ("--ensayos --semilla 5" lacks the
// count), whereas "--ensayos -5" hands "-5" to the count rules.
bool IsOwnOption(std::string_view argument) {
    const std::string_view name = NameOf(argument);
    return TakesValue(name) || IsHelp(name) || name == kVersion;
}

}  // namespace

bool NamesCommandLineOption(std::span<const std::string> arguments) {
    // --idioma alone chooses the window's language too: it asks for no run by itself.
    return std::any_of(arguments.begin(), arguments.end(), [](const std::string& argument) {
        return IsOwnOption(argument) && NameOf(argument) != kLanguageOption;
    });
}

std::variant<CommandLineRequest, UsageError> ParseCommandLine(
    std::span<const std::string> arguments) {
    CommandLineRequest request;
    bool help = false;
    bool version = false;
    bool countGiven = false;
    std::optional<std::string_view> shootersText;
    std::optional<std::string_view> platesText;

    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        const std::string_view name = NameOf(argument);
        const bool inline_ = name.size() < argument.size();

        if (IsHelp(name) || name == kVersion) {
            if (inline_) return Problem(OptionTakesNoValue(name));
            (name == kVersion ? version : help) = true;
            continue;
        }
        if (!TakesValue(name)) {
            return UnknownArgument(argument);
        }

        std::string_view value;
        if (inline_) {
            value = argument.substr(name.size() + 1);
        } else if (i + 1 < arguments.size() && !IsOwnOption(arguments[i + 1])) {
            value = arguments[++i];
        } else {
            return Problem(MissingOptionValue(name));
        }

        if (name == kCount) {
            request.countText = std::string(value);
            countGiven = true;
        } else if (name == kSeed) {
            request.seed = ReadSeed(value);
            if (!request.seed) {
                return Problem(SeedRefusal(QuotedForTerminal(value)));
            }
        } else if (name == kShooters) {
            shootersText = value;
        } else if (name == kPlates) {
            platesText = value;
        } else if (name == kLanguageOption) {
            if (!LanguageFromOption(value)) return Problem(LanguageRefusal(QuotedForTerminal(value)));
        } else if (value == "texto") {
            request.format = OutputFormat::Text;
        } else if (value == "csv") {
            request.format = OutputFormat::Csv;
        } else if (value == "json") {
            request.format = OutputFormat::Json;
        } else {
            return Problem(FormatRefusal(QuotedForTerminal(value)));
        }
    }

    if (shootersText || platesText) {
        // Judged once all are read, since a repeated option keeps its last value.
        const auto experiment = ReadExperiment(shootersText, platesText);
        if (const auto* failure = std::get_if<ExperimentFailure>(&experiment)) {
            const std::string_view typed =
                IsShootersFailure(*failure) ? *shootersText : *platesText;
            if (!help && !version) {
                return Problem(ExperimentRefusal(QuotedForTerminal(typed), *failure));
            }
        } else {
            request.experiment = std::get<Experiment>(experiment);
        }
    }

    if (help) {
        request.action = CommandLineRequest::Action::Help;
    } else if (version) {
        request.action = CommandLineRequest::Action::Version;
    } else if (!countGiven) {
        return Problem(std::string(MissingCount()));
    }
    return request;
}

}  // namespace vesquin
