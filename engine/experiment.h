// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The experiment as a value: how many shooters, how many plates. Each shooter picks
// one plate, uniformly and independently, and every plate picked breaks. The
// window's puzzle is 3 shooters and 6 plates; the teaching faces let a class try
// others within the limits below, which keep n^k within 64 bits and the bit set of
// plates hit within 32.

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace vesquin {

inline constexpr std::int32_t kFewestShooters = 1;
inline constexpr std::int32_t kMostShooters = 10;
inline constexpr std::int32_t kFewestPlates = 2;
inline constexpr std::int32_t kMostPlates = 20;

enum class ExperimentFailure {
    FewerShootersThanOne,  // shooters < 1
    MoreShootersThanTen,   // shooters > 10
    FewerPlatesThanTwo,    // plates < 2
    MorePlatesThanTwenty,  // plates > 20
};

// The failure's name as data files and scripts spell it: "FewerShootersThanOne", ...
std::string_view ExperimentFailureName(ExperimentFailure failure);

// What the user is told, in Spanish: for MoreShootersThanTen,
// "El número de tiradores ha de ser un número entero entre 1 y 10."
std::string ExperimentFailureMessage(ExperimentFailure failure);

class Experiment {
  public:
    // The window's puzzle: 3 shooters, 6 plates.
    static constexpr Experiment Classic() { return Experiment(3, 6); }

    // Shooters from 1 to 10 and plates from 2 to 20, or why not; shooters are
    // checked first. Make(4, 8) is an experiment, Make(0, 1) FewerShootersThanOne.
    static std::variant<Experiment, ExperimentFailure> Make(std::int32_t shooters,
                                                            std::int32_t plates);

    constexpr std::int32_t shooters() const { return m_shooters; }
    constexpr std::int32_t plates() const { return m_plates; }
    // The most plates a trial can break, min(shooters, plates): 3 for 3 x 6.
    constexpr std::int32_t mostBroken() const {
        return m_shooters < m_plates ? m_shooters : m_plates;
    }
    // The equally likely ordered choices, plates^shooters: 216 for 3 x 6.
    std::uint64_t equallyLikely() const;
    constexpr bool isClassic() const { return m_shooters == 3 && m_plates == 6; }

    friend constexpr bool operator==(const Experiment&, const Experiment&) = default;

  private:
    constexpr Experiment(std::int32_t shooters, std::int32_t plates)
        : m_shooters(shooters), m_plates(plates) {}

    std::int32_t m_shooters;
    std::int32_t m_plates;
};

}  // namespace vesquin
