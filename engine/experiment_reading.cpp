// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "experiment_reading.h"

#include <cstdint>
#include <optional>

namespace vesquin {
namespace {

bool Blank(char c) {
    return c == ' ' || c == '\t';
}

// The whole number, or nothing; anything past nine digits is far outside every range.
std::optional<std::int32_t> WholeNumber(std::string_view text) {
    while (!text.empty() && Blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && Blank(text.back())) text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    std::int32_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        if (value < 100'000'000) value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

}  // namespace

std::variant<Experiment, ExperimentFailure> ReadExperiment(std::string_view shootersText,
                                                           std::string_view platesText) {
    const auto shooters = WholeNumber(shootersText);
    if (!shooters) return ExperimentFailure::FewerShootersThanOne;
    const auto plates = WholeNumber(platesText);
    const auto made = Experiment::Make(*shooters, plates ? *plates : kFewestPlates - 1);
    return made;
}

}  // namespace vesquin
