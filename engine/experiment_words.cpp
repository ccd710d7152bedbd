// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "experiment_words.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

namespace vesquin {
namespace {

constexpr std::array<std::string_view, 11> kWords{
    "cero", "uno", "dos", "tres", "cuatro", "cinco", "seis", "siete", "ocho", "nueve", "diez"};

// Every word above is plain ASCII, so the first byte is the first letter.
std::string capitalised(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = char(text[0] - 'a' + 'A');
    return text;
}

std::string counted(std::int32_t count, std::string_view singular, std::string_view plural) {
    return NumberBeforeNoun(count) + " " + std::string(count == 1 ? singular : plural);
}

}  // namespace

std::string NumberAlone(std::int32_t value) {
    if (value >= 0 && value < std::int32_t(kWords.size())) {
        return std::string(kWords[static_cast<std::size_t>(value)]);
    }
    return std::to_string(value);
}

std::string NumberBeforeNoun(std::int32_t value) {
    return value == 1 ? "un" : NumberAlone(value);
}

std::string Shooters(std::int32_t count) {
    return counted(count, "tirador", "tiradores");
}

std::string Plates(std::int32_t count) {
    return counted(count, "plato", "platos");
}

std::string ExperimentStatement(const Experiment& experiment) {
    const std::int32_t k = experiment.shooters();
    const std::string choice = "uno de " + Plates(experiment.plates()) + " lanzados a la vez";
    const std::string question =
        " ¿Cuántos platos rotos es lo más probable, y cuántos quedan enteros de media?";
    if (k == 1) {
        return "Un tirador elige, al azar, " + choice + ", y el plato elegido se rompe." + question;
    }
    return capitalised(Shooters(k)) + " eligen, cada uno al azar, " + choice +
           ", y cada plato elegido se rompe." + question;
}

std::string ModalTieText(const ExperimentTally& tally) {
    const auto& counts = tally.brokenCounts;
    if (counts.empty()) return "";
    const std::int32_t largest = *std::max_element(counts.begin(), counts.end());
    std::vector<std::size_t> tied;
    for (std::size_t j = 0; j < counts.size(); ++j) {
        if (counts[j] == largest) tied.push_back(j + 1);
    }
    if (tied.size() < 2) return "";
    std::string text = "empate entre ";
    for (std::size_t i = 0; i < tied.size(); ++i) {
        if (i > 0) text += i + 1 == tied.size() ? " y " : ", ";
        text += std::to_string(tied[i]);
    }
    return text;
}

}  // namespace vesquin
