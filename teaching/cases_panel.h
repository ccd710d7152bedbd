// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the theory comes from, as the rule of Laplace counts it: the possible
// cases, the favourable ones for each number of plates broken in words and
// products, and, for an experiment small enough, every ordered choice drawn as a
// cell coloured by the plates it breaks, with the count of each colour. The
// choice of one trial (the last of the run shown) is lit.

#include <QGroupBox>
#include <QList>

#include <optional>

#include "case_grid.h"
#include "experiment.h"
#include "number_text.h"

class QLabel;
class QGridLayout;

namespace vesquin {

// The cells themselves, painted: rows of the grid in bands of a few dozen side by
// side, so that 6^4 = 1.296 choices stand in a block a pupil can take in.
class CaseGridView : public QWidget {
  public:
    explicit CaseGridView(QWidget* parent = nullptr);

    void showGrid(const std::optional<CaseGrid>& grid, std::optional<std::size_t> lit);
    const std::optional<CaseGrid>& grid() const { return m_grid; }
    std::optional<std::size_t> litCell() const { return m_lit; }
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QRect cellRect(std::size_t cell) const;
    int bands() const;

    std::optional<CaseGrid> m_grid;
    std::optional<std::size_t> m_lit;
};

class CasesPanel : public QGroupBox {
    Q_OBJECT

  public:
    explicit CasesPanel(LocaleSymbols symbols, QWidget* parent = nullptr);

    // The cases of `experiment`; `trialPlates` (one plate per shooter) lights that
    // choice's cell, when it is drawn.
    void showExperiment(const Experiment& experiment, const std::vector<std::int32_t>& trialPlates);

    // The texts shown, top to bottom: possible cases, one line per number broken,
    // the rule of Laplace; then the grid's key, or why no grid is drawn.
    QStringList countingTexts() const;
    QStringList keyTexts() const;
    const CaseGridView* gridView() const { return m_grid; }

  private:
    LocaleSymbols m_symbols;
    QLabel* m_counting = nullptr;
    QLabel* m_gridNote = nullptr;
    CaseGridView* m_grid = nullptr;
    QGridLayout* m_key = nullptr;
    QList<QLabel*> m_keyTexts;
    QList<QWidget*> m_keySwatches;
};

}  // namespace vesquin
