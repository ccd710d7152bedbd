// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// "Teoría exacta": for the experiment of the run shown, how many of the n^k
// equally likely choices break each number of plates, as a fraction and a
// percentage, and where those numbers come from; apart from them, in a table of
// their own, the most probable number and the two means, which are no
// probabilities. Beside each, the run's own value.

#include <QGroupBox>

#include <array>

#include "experiment_total.h"
#include "number_text.h"

class QLabel;

namespace vesquin {

class TheoryPanel : public QGroupBox {
    Q_OBJECT

  public:
    explicit TheoryPanel(LocaleSymbols symbols, QWidget* parent = nullptr);

    // Shows the theory of `entry`'s experiment and its values beside it; null shows
    // the window's puzzle with the simulation column empty. With `total`, `entry`
    // is the total row's.
    void showRun(const ExperimentEntry* entry, const ExperimentTotal* total = nullptr);

    // The rows shown: one per number broken, then most probable, mean intact and
    // mean broken (for 3 x 6, rows 0 to 5).
    int rowCount() const { return m_rows + 3; }
    // The text of row `row` in column `column` (0 label, 1 favourable, 2 fraction,
    // 3 theory, 4 simulation); for tests and screen readers alike.
    QString cellText(int row, int column) const;
    // The lines that judge the run against the 95 % margin, one per number broken.
    QString marginText() const;
    // The sentence on where the numbers come from.
    QString sourceText() const;

  private:
    static constexpr int kMostRows = 10;

    LocaleSymbols m_symbols;
    QLabel* m_choices = nullptr;
    QLabel* m_source = nullptr;
    QLabel* m_simulatedTitle = nullptr;
    QLabel* m_margin = nullptr;  // how far each percentage is from the theory, in margins
    QLabel* m_meansSimulatedTitle = nullptr;
    int m_rows = 3;
    std::array<std::array<QLabel*, 5>, kMostRows> m_cells{};
    std::array<std::array<QLabel*, 5>, 3> m_means{};
};

}  // namespace vesquin
