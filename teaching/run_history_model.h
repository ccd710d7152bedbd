// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The run history for the whole program's life, as a table model: it exists
// from start-up, whether or not the teaching view is ever opened, and the
// teaching view's table shows it. It holds the window's 3 x 6 runs and the
// teaching view's runs of any experiment, numbered together; the texts come
// from experiment_history_text. Below the runs comes the total row, which adds
// up the runs of the last run's experiment (see TotalOfExperiment); it goes when
// the history is emptied.

#include <QAbstractTableModel>
#include <QString>

#include <optional>
#include <string>
#include <vector>

#include "experiment_history.h"
#include "experiment_run.h"
#include "experiment_total.h"
#include "number_text.h"

namespace vesquin {

class RunHistoryModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    explicit RunHistoryModel(LocaleSymbols symbols, QObject* parent = nullptr);

    // Adds a successful run as the last row, stamped with the time of day ("11:05:32").
    void append(const RunRecord& record);  // the window's run, 3 x 6
    // `prediction`: the pupil's guess made before the run, kept in its own column.
    void appendExperiment(const ExperimentRecord& record,
                          const std::optional<Prediction>& prediction = std::nullopt);
    // Empties the history ("Vaciar historial"); the next run keeps its own number.
    void clearHistory();

    const std::vector<ExperimentEntry>& entries() const { return m_history.entries(); }
    // The runs, without the total row: the rows 0 to runCount() - 1.
    int runCount() const { return static_cast<int>(m_history.entries().size()); }
    // The entry of `row`, the total row's included; null outside the rows.
    const ExperimentEntry* entry(int row) const;
    // The total row, when there is one.
    const ExperimentTotal* total() const { return m_total ? &*m_total : nullptr; }
    bool isTotalRow(int row) const { return m_total && row == runCount(); }
    // The day of the run of `row` ("09/12/2026"), empty for the total row.
    std::string date(int row) const;
    const LocaleSymbols& symbols() const { return m_symbols; }

    // Where the columns stand: the counts of 1, 2 ... plates (at least three of
    // them, more when a run can break more), then shooters, plates and seed last.
    static constexpr int kNumberColumn = 0;
    static constexpr int kTrialsColumn = 2;
    int seedColumn() const { return columnCount() - 1; }
    int predictionColumn() const { return columnCount() - 4; }
    int shootersColumn() const { return columnCount() - 3; }
    int platesColumn() const { return columnCount() - 2; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  signals:
    // The count columns grew: the table arranges its key columns again.
    void columnsRearranged();

  private:
    void updateTotal(const ExperimentEntry& run);
    const ExperimentHistoryRow& rowTexts(int row) const;

    LocaleSymbols m_symbols;
    ExperimentHistory m_history;
    std::vector<std::string> m_dates;
    std::int32_t m_brokenColumns = 3;
    std::optional<ExperimentTotal> m_total;  // none before the first run
    // The texts of the last row asked for: a table asks for a row's cells one by one.
    mutable int m_cachedRow = -1;
    mutable ExperimentHistoryRow m_cachedTexts;
};

}  // namespace vesquin
