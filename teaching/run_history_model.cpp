// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "run_history_model.h"

#include <QDateTime>
#include <QFont>

#include <utility>

#include "history_text.h"

namespace vesquin {

RunHistoryModel::RunHistoryModel(LocaleSymbols symbols, QObject* parent)
    : QAbstractTableModel(parent), m_symbols(std::move(symbols)) {}

void RunHistoryModel::append(const RunRecord& record) {
    const int row = runCount();
    beginInsertRows(QModelIndex(), row, row);
    const QDateTime now = QDateTime::currentDateTime();
    const HistoryEntry& added =
        m_history.add(record, now.toString(QStringLiteral("HH:mm:ss")).toStdString(),
                      now.toString(QStringLiteral("dd/MM/yyyy")).toStdString());
    endInsertRows();
    addToTotal(added);
}

void RunHistoryModel::addToTotal(const HistoryEntry& run) {
    const int row = runCount();
    if (!m_totalTooLarge) {
        HistoryEntry total = m_total.value_or(HistoryEntry{});
        if (AddToTotal(total, run)) {
            if (m_total) {
                m_total = std::move(total);
                emit dataChanged(index(row, 0), index(row, columnCount() - 1));
            } else {
                beginInsertRows(QModelIndex(), row, row);
                m_total = std::move(total);
                endInsertRows();
            }
            return;
        }
        m_totalTooLarge = true;
    }
    if (m_total) {
        beginRemoveRows(QModelIndex(), row, row);
        m_total.reset();
        endRemoveRows();
    }
}

void RunHistoryModel::clearHistory() {
    beginResetModel();
    m_history.clear();
    m_total.reset();
    m_totalTooLarge = false;
    endResetModel();
}

const HistoryEntry* RunHistoryModel::entry(int row) const {
    if (isTotalRow(row)) return &*m_total;
    if (row < 0 || row >= runCount()) return nullptr;
    return &m_history.entries()[static_cast<std::size_t>(row)];
}

int RunHistoryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : runCount() + (m_total ? 1 : 0);
}

int RunHistoryModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kHistoryColumns);
}

QVariant RunHistoryModel::data(const QModelIndex& index, int role) const {
    const HistoryEntry* run = entry(index.row());
    if (!run || index.column() < 0 || index.column() >= columnCount()) return {};
    const auto column = static_cast<HistoryColumn>(index.column());
    switch (role) {
        case Qt::DisplayRole:
            // Formatted when shown: a long history costs no texts until they are seen.
            return QString::fromStdString(HistoryCell(*run, column, m_symbols));
        case Qt::FontRole:
            if (run->runsSummed > 0) {
                QFont bold;
                bold.setBold(true);
                return bold;
            }
            return {};
        case Qt::TextAlignmentRole:
            return column == HistoryColumn::Time ? QVariant(int(Qt::AlignCenter))
                                                 : QVariant(int(Qt::AlignRight | Qt::AlignVCenter));
        default:
            return {};
    }
}

QVariant RunHistoryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    return QString::fromStdString(HistoryHeader()[static_cast<std::size_t>(section)]);
}

}  // namespace vesquin
