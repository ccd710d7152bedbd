// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The number of shooters or plates as a user writes it outside a spin box (an option
// on the command line, a parameter in an address): plain decimal digits, like a seed,
// since a tally of people or plates never needs a sign, a separator or a decimal.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "experiment.h"

namespace vesquin {

// "4" and "04" give 4; "", "-1", "+4", " 4", "4.0" and "cuatro" give nothing. A
// number too long for int32 gives INT32_MAX, which no experiment takes.
std::optional<std::int32_t> ReadExperimentNumber(std::string_view text);

// The experiment of the typed numbers, each one absent meaning the puzzle's own (3
// shooters, 6 plates), or why not: a text that is not a number is refused as none
// would be. {"4", "8"} gives 4 x 8, {nothing, "12"} 3 x 12, {"cuatro", nothing}
// FewerShootersThanOne, {"11", "1"} MoreShootersThanTen (shooters are checked first).
std::variant<Experiment, ExperimentFailure> ReadExperiment(
    std::optional<std::string_view> shootersText, std::optional<std::string_view> platesText);

// The same, for numbers typed in a page's boxes or address: blanks around a number and
// a leading "+" are allowed there. " 8 " and "+4" read; "", "4,5", "cuatro", "0" and
// "11" shooters do not.
std::variant<Experiment, ExperimentFailure> ReadTypedExperiment(std::string_view shootersText,
                                                                std::string_view platesText);

// Why a typed number was refused, after the text as the face quotes it, built on
// ExperimentFailureMessage: "«12» no vale: el número de tiradores ha de ser un número
// entero entre 1 y 10". Shooters' failures speak of shooters, plates' of plates.
std::string ExperimentRefusal(std::string_view quotedValue, ExperimentFailure failure);

// Whether the failure is about the shooters (else it is about the plates).
bool IsShootersFailure(ExperimentFailure failure);

}  // namespace vesquin
