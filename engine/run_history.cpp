// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "run_history.h"

#include <cmath>
#include <utility>

namespace vesquin {
namespace {

RunTally Sum(const RunTally& a, const RunTally& b) {
    return RunTally{a.oneCount + b.oneCount, a.twoCount + b.twoCount, a.threeCount + b.threeCount,
                    a.intactTotal + b.intactTotal};
}

}  // namespace

const HistoryEntry& RunHistory::add(RunRecord record, std::string time, std::string date) {
    // A notebook of thousands of runs keeps only what each run needs.
    record.checkpoints.shrink_to_fit();
    m_entries.push_back(
        HistoryEntry{++m_lastNumber, std::move(time), std::move(record), std::move(date), 0});
    return m_entries.back();
}

bool AddToTotal(HistoryEntry& total, const HistoryEntry& run) {
    RunRecord& sum = total.record;
    // Within this many trials every count, and five intact plates a trial, fit int32.
    if (static_cast<std::int64_t>(sum.trials) + run.record.trials > kRunMaximumTrials) return false;
    // One checkpoint each time the trials grow by a twentieth of a decade, as a
    // single run records them: thousands of runs still draw as a few hundred points.
    const double step = std::pow(10.0, 1.0 / 20.0);
    double next = sum.checkpoints.empty() ? 1.0 : sum.checkpoints.back().trials * step;
    for (const TallyAt& at : run.record.checkpoints) {
        const std::int32_t reached = sum.trials + at.trials;
        if (reached < next) continue;
        sum.checkpoints.push_back(TallyAt{reached, Sum(sum.tally, at.tally)});
        next = reached * step;
    }
    sum.trials += run.record.trials;
    sum.tally = Sum(sum.tally, run.record.tally);
    // The curve always ends on the whole total.
    if (sum.checkpoints.empty() || sum.checkpoints.back().trials != sum.trials)
        sum.checkpoints.push_back(TallyAt{sum.trials, sum.tally});
    ++total.runsSummed;
    return true;
}

std::optional<HistoryEntry> HistoryTotal(std::span<const HistoryEntry> entries) {
    if (entries.empty()) return std::nullopt;
    HistoryEntry total;
    for (const HistoryEntry& entry : entries)
        if (!AddToTotal(total, entry)) return std::nullopt;
    return total;
}

}  // namespace vesquin
