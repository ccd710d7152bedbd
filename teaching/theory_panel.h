// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The exact theory, counted over the 216 equally likely choices, with the
// selected run's simulated values beside it. The texts come from the engine.

#include <QGroupBox>

#include <array>

#include "number_text.h"
#include "run_history.h"

class QLabel;

namespace vesquin {

class TheoryPanel : public QGroupBox {
    Q_OBJECT

  public:
    explicit TheoryPanel(LocaleSymbols symbols, QWidget* parent = nullptr);

    // Shows `entry`'s values beside the theory; null leaves the simulation column empty.
    void showRun(const HistoryEntry* entry);

    // The text of row `row` (0 to 5: one, two, three plates, most probable, mean
    // intact, mean broken) in column `column` (0 label, 1 favourable, 2 fraction,
    // 3 theory, 4 simulation); for tests and screen readers alike.
    QString cellText(int row, int column) const;
    // The lines that judge the run against the 95 % margin, one per number broken.
    QString marginText() const;

  private:
    LocaleSymbols m_symbols;
    QLabel* m_choices = nullptr;
    QLabel* m_simulatedTitle = nullptr;
    QLabel* m_margin = nullptr;  // how far each percentage is from the theory, in margins
    std::array<std::array<QLabel*, 5>, 6> m_cells{};
};

}  // namespace vesquin
