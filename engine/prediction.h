// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a pupil guessed before a run: the number of plates broken most often, and
// how often in %. The history keeps it with the run it was made for.

#include <cstdint>

namespace vesquin {

struct Prediction {
    std::int32_t broken = 0;
    std::int32_t percent = 0;  // 0 to 100

    friend bool operator==(const Prediction&, const Prediction&) = default;
};

}  // namespace vesquin
