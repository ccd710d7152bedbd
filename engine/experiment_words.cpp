// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "experiment_words.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "catalogue.h"

namespace vesquin {
namespace {

// Only an ASCII first letter is raised: the count words of every language we ship begin
// with one.
std::string CapitalisedFirst(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = char(text[0] - 'a' + 'A');
    return text;
}

// Translators: the numbers from zero to ten as words, as a count is said on its own
constexpr std::array<Message, 11> kWords{
    Msg("number word", "cero"),  Msg("number word", "uno"),    Msg("number word", "dos"),
    Msg("number word", "tres"),  Msg("number word", "cuatro"), Msg("number word", "cinco"),
    Msg("number word", "seis"),  Msg("number word", "siete"),  Msg("number word", "ocho"),
    Msg("number word", "nueve"), Msg("number word", "diez")};

}  // namespace

std::string NumberAlone(std::int32_t value) {
    if (value >= 0 && value < std::int32_t(kWords.size())) {
        return std::string(Text(kWords[static_cast<std::size_t>(value)]));
    }
    return std::to_string(value);
}

std::string NumberBeforeNoun(std::int32_t value) {
    // Translators: "one" before a noun, as in "un plato"
    return value == 1 ? std::string(Text("number word before a noun", "un")) : NumberAlone(value);
}

std::string Shooters(std::int32_t count) {
    return PluralText("counted shooters", "{count} tirador", "{count} tiradores", count,
                      {{"count", NumberBeforeNoun(count)}});
}

std::string Plates(std::int32_t count) {
    return PluralText("counted plates", "{count} plato", "{count} platos", count,
                      {{"count", NumberBeforeNoun(count)}});
}

std::string ExperimentStatement(const Experiment& experiment) {
    const std::int32_t k = experiment.shooters();
    const std::string plates = Plates(experiment.plates());
    if (k == 1) {
        // Translators: {plates} is a count in words, "seis platos"
        return Text(
            "experiment statement",
            "Un tirador elige, al azar, uno de {plates} lanzados a la vez, y el plato elegido "
            "se rompe. ¿Cuántos platos rotos es lo más probable, y cuántos quedan enteros "
            "de media?",
            {{"plates", plates}});
    }
    // Translators: {shooters} begins the sentence, "Tres tiradores"; {plates} is "seis platos"
    return Text("experiment statement",
                "{shooters} eligen, cada uno al azar, uno de {plates} lanzados a la vez, y cada "
                "plato elegido se rompe. ¿Cuántos platos rotos es lo más probable, y cuántos "
                "quedan enteros de media?",
                {{"shooters", CapitalisedFirst(Shooters(k))}, {"plates", plates}});
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
    std::string list;
    for (std::size_t i = 0; i + 1 < tied.size(); ++i)
        list += (i > 0 ? ", " : "") + std::to_string(tied[i]);
    // Translators: {list} is "1, 2" and {last} "3": "empate entre 1, 2 y 3"
    return Text("modal tie", "empate entre {list} y {last}",
                {{"list", list}, {"last", std::to_string(tied.back())}});
}

}  // namespace vesquin
