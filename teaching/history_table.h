// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The teaching view's history table: one row a run and the total last. Nº,
// Ensayos and Semilla come first, wide enough for any value they can hold, so
// that a narrow screen scrolls the other columns away but never these.

#include <QTableView>

#include <functional>

#include "number_text.h"

namespace vesquin {

class HistoryTable : public QTableView {
  public:
    // `copy` copies the whole history: Ctrl+C on the table calls it instead of
    // copying the current cell.
    HistoryTable(std::function<void()> copy, QWidget* parent);

    // Orders and sizes the columns of the model now set; call after setModel().
    void arrangeColumns(const LocaleSymbols& symbols);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    std::function<void()> m_copy;
};

}  // namespace vesquin
