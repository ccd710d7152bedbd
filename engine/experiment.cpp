// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "experiment.h"

#include "catalogue.h"

namespace vesquin {

std::string_view ExperimentFailureName(ExperimentFailure failure) {
    switch (failure) {
        case ExperimentFailure::FewerShootersThanOne:
            return "FewerShootersThanOne";
        case ExperimentFailure::MoreShootersThanTen:
            return "MoreShootersThanTen";
        case ExperimentFailure::FewerPlatesThanTwo:
            return "FewerPlatesThanTwo";
        case ExperimentFailure::MorePlatesThanTwenty:
            return "MorePlatesThanTwenty";
    }
    return "";
}

std::string ExperimentFailureMessage(ExperimentFailure failure) {
    switch (failure) {
        case ExperimentFailure::FewerShootersThanOne:
        case ExperimentFailure::MoreShootersThanTen:
            return std::string(Text("experiment failure",
                                    "El número de tiradores ha de ser un número entero entre 1 y 10."));
        case ExperimentFailure::FewerPlatesThanTwo:
        case ExperimentFailure::MorePlatesThanTwenty:
            return std::string(Text("experiment failure",
                                    "El número de platos ha de ser un número entero entre 2 y 20."));
    }
    return "";
}

std::variant<Experiment, ExperimentFailure> Experiment::Make(std::int32_t shooters,
                                                             std::int32_t plates) {
    if (shooters < kFewestShooters) return ExperimentFailure::FewerShootersThanOne;
    if (shooters > kMostShooters) return ExperimentFailure::MoreShootersThanTen;
    if (plates < kFewestPlates) return ExperimentFailure::FewerPlatesThanTwo;
    if (plates > kMostPlates) return ExperimentFailure::MorePlatesThanTwenty;
    return Experiment(shooters, plates);
}

std::uint64_t Experiment::equallyLikely() const {
    std::uint64_t choices = 1;
    for (std::int32_t shooter = 0; shooter < m_shooters; ++shooter) {
        choices *= static_cast<std::uint64_t>(m_plates);
    }
    return choices;
}

}  // namespace vesquin
