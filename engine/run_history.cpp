// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "run_history.h"

#include <utility>

namespace vesquin {

const HistoryEntry& RunHistory::add(RunRecord record, std::string time) {
    // A notebook of thousands of runs keeps only what each run needs.
    record.checkpoints.shrink_to_fit();
    m_entries.push_back(HistoryEntry{++m_lastNumber, std::move(time), std::move(record)});
    return m_entries.back();
}

}  // namespace vesquin
