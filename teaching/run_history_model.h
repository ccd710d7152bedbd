// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The run history for the whole program's life, as a table model: it exists
// from start-up, whether or not the teaching view is ever opened, and the
// teaching view's table shows it. The texts come from history_text. Below the
// runs comes the total row, which adds them all up (see HistoryTotal); it goes
// when the history is emptied.

#include <QAbstractTableModel>
#include <QString>

#include <optional>

#include "experiment_run.h"
#include "number_text.h"
#include "run_history.h"

namespace vesquin {

class RunHistoryModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    explicit RunHistoryModel(LocaleSymbols symbols, QObject* parent = nullptr);

    // Adds a successful run as the last row, stamped with the time of day ("11:05:32").
    void append(const RunRecord& record);
    // Empties the history ("Vaciar historial"); the next run keeps its own number.
    void clearHistory();

    const RunHistory& history() const { return m_history; }
    // The runs, without the total row: the rows 0 to runCount() - 1.
    int runCount() const { return static_cast<int>(m_history.size()); }
    // The entry of `row`, the total row's included; null outside the rows.
    const HistoryEntry* entry(int row) const;
    bool isTotalRow(int row) const { return m_total && row == runCount(); }
    const LocaleSymbols& symbols() const { return m_symbols; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    void addToTotal(const HistoryEntry& run);

    LocaleSymbols m_symbols;
    RunHistory m_history;
    std::optional<HistoryEntry> m_total;  // none before the first run
    bool m_totalTooLarge = false;         // the runs add up to more trials than a total can hold
};

}  // namespace vesquin
