// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A run's seed as people and other programs write it: plain decimal digits with no
// sign, blanks or grouping, whatever the user's locale, so that a seed printed by one
// run can be typed back to repeat it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vesquin {

// "12345" gives 12345; "", "-1", "+1", " 1", "1.000", "0x10" and anything above
// kMaximumSeed (9007199254740991, 2^53 - 1) give nothing. Leading zeros are allowed.
std::optional<std::uint64_t> ReadSeed(std::string_view text);

// 12345 gives "12345".
std::string SeedText(std::uint64_t seed);

// Why a seed text was refused, after the text as the face quotes it (the command line
// for a terminal, the page isolated): "«-1» no es una semilla: un entero de 0 a
// 9007199254740991, sin separadores".
std::string SeedRefusal(std::string_view quotedSeed);

// The last line of a report written as text: "Semilla: 42".
std::string SeedLine(std::uint64_t seed);

// What a face that cannot take the seed it was given does instead, and says so.
std::string_view ClockSeedNotice();

}  // namespace vesquin
