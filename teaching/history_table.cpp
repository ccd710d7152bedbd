// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "history_table.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QStyle>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <utility>

#include "experiment_run.h"
#include "history_text.h"
#include "run_history_model.h"

namespace vesquin {

HistoryTable::HistoryTable(std::function<void()> copy, QWidget* parent)
    : QTableView(parent), m_copy(std::move(copy)) {}

void HistoryTable::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        m_copy();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void HistoryTable::arrangeColumns(const LocaleSymbols& symbols) {
    QHeaderView* header = horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    // The widest text each key column can ever hold: a run's number or the
    // total's mark, the most trials a total holds, the largest seed.
    const std::string mostTrials =
        PatternFormat(static_cast<double>(kRunMaximumTrials), Pattern::Grouped, symbols);
    const auto* history = qobject_cast<const RunHistoryModel*>(model());
    if (!history) return;
    const std::array<std::pair<int, std::string>, 3> keys{{
        {RunHistoryModel::kNumberColumn, std::string(kTotalRowMark) + "0"},
        {RunHistoryModel::kTrialsColumn, mostTrials},
        {history->seedColumn(), std::to_string(UINT64_MAX)},
    }};
    QFont bold = font();
    bold.setBold(true);  // the total row is bold
    const QFontMetrics metrics(bold);
    const int padding = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header) +
                        2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 8;
    // Columns added since the last arrangement (a run that breaks more plates) start
    // again from the model's order, so that nothing keeps a place meant for another.
    for (int logical = 0; logical < header->count(); ++logical)
        header->moveSection(header->visualIndex(logical), logical);
    for (int visual = 0; visual < static_cast<int>(keys.size()); ++visual) {
        const int logical = keys[visual].first;
        header->moveSection(header->visualIndex(logical), visual);
        const int width = std::max(
            metrics.horizontalAdvance(QString::fromStdString(keys[visual].second)) + padding,
            header->sectionSizeHint(logical));
        header->setSectionResizeMode(logical, QHeaderView::Fixed);
        header->resizeSection(logical, width);
    }
    // The experiment of each run beside its seed: what a teacher types to repeat it.
    header->moveSection(header->visualIndex(history->shootersColumn()), int(keys.size()));
    header->moveSection(header->visualIndex(history->platesColumn()), int(keys.size()) + 1);
}

}  // namespace vesquin
