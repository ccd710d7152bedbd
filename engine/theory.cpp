// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory.h"

#include <numeric>

#include "trial_tally.h"

namespace vesquin {

Fraction Reduced(std::int64_t numerator, std::int64_t denominator) {
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    const std::int64_t divisor = std::gcd(numerator, denominator);
    return Fraction{numerator / divisor, denominator / divisor};
}

ExactTheory EnumerateTheory() {
    constexpr std::int32_t kPlates = 6;
    RunTally counted;
    std::int32_t choices = 0;
    for (std::uint8_t c1 = 1; c1 <= kPlates; ++c1) {
        for (std::uint8_t c2 = 1; c2 <= kPlates; ++c2) {
            for (std::uint8_t c3 = 1; c3 <= kPlates; ++c3) {
                ++choices;
                switch (Classify(c1, c2, c3)) {
                    case TrialOutcome::OnePlate:
                        ++counted.oneCount;
                        counted.intactTotal += kPlates - 1;
                        break;
                    case TrialOutcome::TwoPlates:
                        ++counted.twoCount;
                        counted.intactTotal += kPlates - 2;
                        break;
                    case TrialOutcome::ThreePlates:
                        ++counted.threeCount;
                        counted.intactTotal += kPlates - 3;
                        break;
                }
            }
        }
    }

    ExactTheory theory;
    theory.equallyLikely = choices;
    const std::array<std::int32_t, 3> favourable{counted.oneCount, counted.twoCount,
                                                 counted.threeCount};
    for (std::size_t i = 0; i < favourable.size(); ++i) {
        OutcomeTheory& outcome = theory.outcomes[i];
        outcome.platesBroken = static_cast<std::int32_t>(i) + 1;
        outcome.favourable = favourable[i];
        outcome.probability = Reduced(favourable[i], choices);
        outcome.percent = favourable[i] * 100.0 / choices;
    }
    theory.modalBroken = ModalBroken(counted);
    theory.meanIntact = Reduced(counted.intactTotal, choices);
    theory.meanBroken = Reduced(std::int64_t{kPlates} * choices - counted.intactTotal, choices);
    return theory;
}

const ExactTheory& Theory() {
    static const ExactTheory theory = EnumerateTheory();
    return theory;
}

}  // namespace vesquin
