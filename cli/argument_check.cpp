// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "argument_check.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <vector>

#include "command_line_texts.h"
#include "language_option.h"
#include "terminal_text.h"

namespace vesquin {
namespace {

// The program's own long options, without their dashes.
constexpr std::array<std::string_view, 9> kOwnOptions{
    "ensayos", "semilla", "formato", "ayuda", "help", "version", "tiradores", "platos", "idioma"};

// What QGuiApplication, QApplication and the X11 platform take from the command line,
// with one dash or two; the first list takes a value (next, or after "=" for the
// style options).
constexpr std::array<std::string_view, 16> kQtWithValue{"platform",
                                                        "platformpluginpath",
                                                        "platformtheme",
                                                        "plugin",
                                                        "qwindowgeometry",
                                                        "geometry",
                                                        "qwindowtitle",
                                                        "title",
                                                        "qwindowicon",
                                                        "icon",
                                                        "session",
                                                        "display",
                                                        "name",
                                                        "style",
                                                        "stylesheet",
                                                        "qmljsdebugger"};
constexpr std::array<std::string_view, 6> kQtAlone{"reverse", "widgetcount", "nograb",
                                                   "dograb",  "sync",        "testability"};

std::string Lowercase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// The argument's name without its dashes (and without "=value").
std::string_view Bare(std::string_view argument) {
    argument.remove_prefix(std::min(argument.find_first_not_of('-'), argument.size()));
    return argument.substr(0, argument.find('='));
}

std::size_t EditDistance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row[b.size()];
}

template <std::size_t N>
bool Holds(const std::array<std::string_view, N>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

std::string CloseOption(std::string_view argument) {
    if (!argument.starts_with('-')) return {};
    const std::string name = Lowercase(Bare(argument));
    if (name.empty()) return {};
    for (const std::string_view option : kOwnOptions) {
        const bool close = name == option || (name.size() == 1 && option.starts_with(name)) ||
                           (name.size() >= 4 && EditDistance(name, option) <= 2) ||
                           name.starts_with(option);
        if (close) return "--" + std::string(option);
    }
    return {};
}

UsageError UnknownArgument(std::string_view argument) {
    if (!argument.starts_with('-')) return UsageError{ExtraArgument(QuotedForTerminal(argument))};
    return UsageError{UnknownOption(QuotedForTerminal(argument), CloseOption(argument))};
}

std::optional<UsageError> CheckWindowArguments(std::span<const std::string> arguments) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        // The language, which the window program reads for itself.
        if (argument == kLanguageOption || argument.starts_with(std::string(kLanguageOption) + "=")) {
            const bool inlineLanguage = argument != kLanguageOption;
            if (!inlineLanguage && i + 1 >= arguments.size()) {
                return UsageError{MissingOptionValue(argument)};
            }
            const std::string_view value =
                inlineLanguage ? argument.substr(kLanguageOption.size() + 1)
                               : std::string_view(arguments[++i]);
            if (!LanguageFromOption(value)) {
                return UsageError{LanguageRefusal(QuotedForTerminal(value))};
            }
            continue;
        }
        const bool dashed = argument.size() > 1 && argument.starts_with('-') &&
                            (argument.size() < 3 || argument[2] != '-');
        const std::string_view name = Bare(argument);
        const bool inlineValue = argument.find('=') != std::string_view::npos;
        if (dashed && Holds(kQtAlone, name) && !inlineValue) continue;
        if (dashed && Holds(kQtWithValue, name)) {
            if (inlineValue) {
                if (name == "style" || name == "stylesheet" || name == "qmljsdebugger") continue;
            } else if (i + 1 < arguments.size()) {
                ++i;
                continue;
            } else {
                return UsageError{MissingOptionValue(argument)};
            }
        }
        return UnknownArgument(argument);
    }
    return std::nullopt;
}

}  // namespace vesquin
