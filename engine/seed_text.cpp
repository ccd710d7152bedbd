// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "seed_text.h"

#include <charconv>

#include "catalogue.h"
#include "uniform_source.h"

namespace vesquin {

std::optional<std::uint64_t> ReadSeed(std::string_view text) {
    // from_chars alone would take a leading '-' for unsigned types on some libraries.
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    std::uint64_t seed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
    if (error != std::errc{} || end != text.data() + text.size() || seed > kMaximumSeed) {
        return std::nullopt;
    }
    return seed;
}

std::string SeedText(std::uint64_t seed) {
    return std::to_string(seed);
}

std::string SeedRefusal(std::string_view quotedSeed) {
    return Text("seed refusal", "{value} no es una semilla: un entero de 0 a {largest}, sin separadores",
                {{"value", quotedSeed}, {"largest", SeedText(kMaximumSeed)}});
}

std::string SeedLine(std::uint64_t seed) {
    return Text("report line", "Semilla: {seed}", {{"seed", SeedText(seed)}});
}

std::string_view ClockSeedNotice() {
    return Text("seed notice", "Cada simulación toma su semilla del reloj; el historial la anota.");
}

}  // namespace vesquin
