// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "run_history_model.h"

#include <QTime>

#include <utility>

#include "history_text.h"

namespace vesquin {

RunHistoryModel::RunHistoryModel(LocaleSymbols symbols, QObject* parent)
    : QAbstractTableModel(parent), m_symbols(std::move(symbols)) {}

void RunHistoryModel::append(const RunRecord& record) {
    const int row = static_cast<int>(m_history.size());
    beginInsertRows(QModelIndex(), row, row);
    m_history.add(record, QTime::currentTime().toString(QStringLiteral("HH:mm:ss")).toStdString());
    endInsertRows();
}

void RunHistoryModel::clearHistory() {
    beginResetModel();
    m_history.clear();
    endResetModel();
}

const HistoryEntry* RunHistoryModel::entry(int row) const {
    if (row < 0 || row >= rowCount()) return nullptr;
    return &m_history.entries()[static_cast<std::size_t>(row)];
}

int RunHistoryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_history.size());
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
