// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The run history for the whole program's life, as a table model: it exists
// from start-up, whether or not the teaching view is ever opened, and the
// teaching view's table shows it. The texts come from history_text.

#include <QAbstractTableModel>
#include <QString>

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
    // The entry of `row`; null outside the rows.
    const HistoryEntry* entry(int row) const;
    const LocaleSymbols& symbols() const { return m_symbols; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    LocaleSymbols m_symbols;
    RunHistory m_history;
};

}  // namespace vesquin
