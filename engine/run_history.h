// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The lab notebook: every successful run since the program started, in order.
// Clearing the window's boxes does not touch it; only clear() empties it.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "experiment_run.h"

namespace vesquin {

struct HistoryEntry {
    std::int32_t number = 0;  // 1 for the program's first run; never reused, not even after clear()
    std::string time;         // when the run was performed, as the face writes times ("11:05:32")
    RunRecord record;
    std::string date;             // the day of the run, as the face writes dates ("09/12/2026")
    std::int32_t runsSummed = 0;  // 0 for a run; for the total row, how many runs it adds up
};

// The total row: every run of `entries` taken as one long run, so that twenty-five
// runs of 40 trials give one of 1.000 with their counts and intact plates added up.
// Its number is 0, its seed 0, and its checkpoints follow the runs one after
// another (about 20 a decade, the whole total last), so the convergence chart
// shows how the class's trials settle together. None when `entries` is empty or
// holds more than kRunMaximumTrials trials in all (the tallies would not fit).
std::optional<HistoryEntry> HistoryTotal(std::span<const HistoryEntry> entries);

// Adds `run` to `total` (a total row, or HistoryEntry{} before the first run), so
// that a long history keeps its total as the runs come. Returns false, and leaves
// `total` as it was, when the sum would pass kRunMaximumTrials.
bool AddToTotal(HistoryEntry& total, const HistoryEntry& run);

class RunHistory {
  public:
    // Appends the run as the next numbered entry and returns it.
    const HistoryEntry& add(RunRecord record, std::string time, std::string date = {});
    // Forgets every entry; the numbering goes on from where it was.
    void clear() { m_entries.clear(); }

    const std::vector<HistoryEntry>& entries() const { return m_entries; }
    bool empty() const { return m_entries.empty(); }
    std::size_t size() const { return m_entries.size(); }

  private:
    std::vector<HistoryEntry> m_entries;
    std::int32_t m_lastNumber = 0;
};

}  // namespace vesquin
