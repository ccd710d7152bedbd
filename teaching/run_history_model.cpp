// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "run_history_model.h"

#include <QDateTime>
#include <QFont>

#include <utility>

namespace vesquin {

RunHistoryModel::RunHistoryModel(LocaleSymbols symbols, QObject* parent)
    : QAbstractTableModel(parent), m_symbols(std::move(symbols)) {}

void RunHistoryModel::append(const RunRecord& record) {
    appendExperiment(ClassicRecord(record));
}

void RunHistoryModel::appendExperiment(const ExperimentRecord& record,
                                       const std::optional<Prediction>& prediction) {
    const std::int32_t broken = std::max(m_brokenColumns, record.experiment.mostBroken());
    if (broken > m_brokenColumns) {
        // New count and percentage columns, one pair for each number the run can reach.
        beginResetModel();
        m_brokenColumns = broken;
        m_cachedRow = -1;
        endResetModel();
        emit columnsRearranged();
    }
    const int row = runCount();
    beginInsertRows(QModelIndex(), row, row);
    const QDateTime now = QDateTime::currentDateTime();
    ExperimentRecord kept = record;
    // A notebook of thousands of runs keeps only what each run needs.
    kept.checkpoints.shrink_to_fit();
    const ExperimentEntry& added =
        m_history.add(std::move(kept), now.toString(QStringLiteral("HH:mm:ss")).toStdString(),
                      prediction);
    m_dates.push_back(now.toString(QStringLiteral("dd/MM/yyyy")).toStdString());
    m_cachedRow = -1;
    endInsertRows();
    updateTotal(added);
}

void RunHistoryModel::updateTotal(const ExperimentEntry& run) {
    const int row = runCount();
    std::optional<ExperimentTotal> total;
    if (m_total && m_total->entry.record.experiment == run.record.experiment) {
        ExperimentTotal sum = *m_total;
        if (AddToExperimentTotal(sum, run)) total = std::move(sum);
    } else {
        // Another experiment than the total's: the total now adds up the runs of this one.
        total = TotalOfExperiment(entries(), run.record.experiment);
    }
    m_cachedRow = -1;
    if (m_total && total) {
        m_total = std::move(total);
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    } else if (total) {
        beginInsertRows(QModelIndex(), row, row);
        m_total = std::move(total);
        endInsertRows();
    } else if (m_total) {
        beginRemoveRows(QModelIndex(), row, row);
        m_total.reset();
        endRemoveRows();
    }
}

void RunHistoryModel::clearHistory() {
    beginResetModel();
    m_history.clear();
    m_dates.clear();
    m_total.reset();
    m_cachedRow = -1;
    endResetModel();
}

const ExperimentEntry* RunHistoryModel::entry(int row) const {
    if (isTotalRow(row)) return &m_total->entry;
    if (row < 0 || row >= runCount()) return nullptr;
    return &entries()[static_cast<std::size_t>(row)];
}

std::string RunHistoryModel::date(int row) const {
    if (row < 0 || row >= runCount()) return {};
    return m_dates[static_cast<std::size_t>(row)];
}

const ExperimentHistoryRow& RunHistoryModel::rowTexts(int row) const {
    if (row != m_cachedRow) {
        m_cachedTexts = isTotalRow(row)
                            ? ComposeTotalRow(*m_total, m_brokenColumns, m_symbols)
                            : ComposeExperimentRow(*entry(row), m_brokenColumns, m_symbols);
        m_cachedRow = row;
    }
    return m_cachedTexts;
}

int RunHistoryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : runCount() + (m_total ? 1 : 0);
}

int RunHistoryModel::columnCount(const QModelIndex& parent) const {
    // Nº, Hora, Ensayos; a count and a percentage for each number broken; the two
    // means' columns, Predicción, Tiradores, Platos and Semilla (as ExperimentHistoryHeader).
    return parent.isValid() ? 0 : 3 + 2 * m_brokenColumns + 6;
}

QVariant RunHistoryModel::data(const QModelIndex& index, int role) const {
    const ExperimentEntry* run = entry(index.row());
    if (!run || index.column() < 0 || index.column() >= columnCount()) return {};
    switch (role) {
        case Qt::DisplayRole:
            // Formatted when shown: a long history costs no texts until they are seen.
            return QString::fromStdString(rowTexts(index.row())[std::size_t(index.column())]);
        case Qt::FontRole:
            if (isTotalRow(index.row())) {
                QFont bold;
                bold.setBold(true);
                return bold;
            }
            return {};
        case Qt::TextAlignmentRole:
            return index.column() == 1 ? QVariant(int(Qt::AlignCenter))
                                       : QVariant(int(Qt::AlignRight | Qt::AlignVCenter));
        default:
            return {};
    }
}

QVariant RunHistoryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    return QString::fromStdString(
        ExperimentHistoryHeader(m_brokenColumns)[static_cast<std::size_t>(section)]);
}

}  // namespace vesquin
