// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A lab notebook that holds runs of any experiment: the window's 3 x 6 runs and the
// teaching faces' own, side by side, numbered in the order they were performed.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "experiment_record.h"
#include "experiment_run.h"
#include "prediction.h"

namespace vesquin {

struct ExperimentEntry {
    std::int32_t number = 0;  // 1 for the first run; never reused, not even after clear()
    std::string time;         // as the face writes times ("11:05:32")
    ExperimentRecord record;
    std::optional<Prediction> prediction;  // the pupil's guess before the run, when one was made
};

// The window's run in the general shape: the same trials, seed, tallies and checkpoints.
ExperimentRecord ClassicRecord(const RunRecord& run);

class ExperimentHistory {
  public:
    // Appends the run as the next numbered entry and returns it.
    const ExperimentEntry& add(ExperimentRecord record, std::string time,
                               std::optional<Prediction> prediction = std::nullopt);
    // Forgets every entry; the numbering goes on from where it was.
    void clear() { m_entries.clear(); }

    const std::vector<ExperimentEntry>& entries() const { return m_entries; }

  private:
    std::vector<ExperimentEntry> m_entries;
    std::int32_t m_lastNumber = 0;
};

}  // namespace vesquin
