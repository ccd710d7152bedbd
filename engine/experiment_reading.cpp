// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "experiment_reading.h"

#include <charconv>
#include <cstdint>
#include <limits>

#include "catalogue.h"

namespace vesquin {

std::optional<std::int32_t> ReadExperimentNumber(std::string_view text) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range) return std::numeric_limits<std::int32_t>::max();
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::variant<Experiment, ExperimentFailure> ReadExperiment(
    std::optional<std::string_view> shootersText, std::optional<std::string_view> platesText) {
    const Experiment classic = Experiment::Classic();
    const auto read = [](std::optional<std::string_view> text, std::int32_t absent) {
        return text ? ReadExperimentNumber(*text).value_or(0) : absent;
    };
    return Experiment::Make(read(shootersText, classic.shooters()),
                            read(platesText, classic.plates()));
}

std::variant<Experiment, ExperimentFailure> ReadTypedExperiment(std::string_view shootersText,
                                                                std::string_view platesText) {
    const auto bare = [](std::string_view text) {
        const auto first = text.find_first_not_of(" \t");
        if (first == std::string_view::npos) return std::string_view{};
        text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
        if (!text.empty() && text.front() == '+') text.remove_prefix(1);
        return text;
    };
    return ReadExperiment(bare(shootersText), bare(platesText));
}

std::string ExperimentRefusal(std::string_view quotedValue, ExperimentFailure failure) {
    // Sentences of their own rather than the window's message cut down: after the colon
    // a language may need more than a lower-case first letter.
    if (IsShootersFailure(failure)) {
        return Text("option refusal",
                    "{value} no vale: el número de tiradores ha de ser un número entero entre 1 y 10",
                    {{"value", quotedValue}});
    }
    return Text("option refusal",
                "{value} no vale: el número de platos ha de ser un número entero entre 2 y 20",
                {{"value", quotedValue}});
}

bool IsShootersFailure(ExperimentFailure failure) {
    return failure == ExperimentFailure::FewerShootersThanOne ||
           failure == ExperimentFailure::MoreShootersThanTen;
}

}  // namespace vesquin
