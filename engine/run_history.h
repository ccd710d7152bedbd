// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The lab notebook: every successful run since the program started, in order.
// Clearing the window's boxes does not touch it; only clear() empties it.

#include <cstdint>
#include <string>
#include <vector>

#include "experiment_run.h"

namespace vesquin {

struct HistoryEntry {
    std::int32_t number = 0;  // 1 for the program's first run; never reused, not even after clear()
    std::string time;         // when the run was performed, as the face writes times ("11:05:32")
    RunRecord record;
};

class RunHistory {
  public:
    // Appends the run as the next numbered entry and returns it.
    const HistoryEntry& add(RunRecord record, std::string time);
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
