// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Simulated against theoretical percentage of one, two and three broken plates,
// each bar labelled with its value in the user's number symbols.

#include <QChartView>
#include <QList>

#include "experiment_record.h"
#include "number_text.h"

class QBarCategoryAxis;
class QBarSeries;
class QBarSet;
class QGraphicsSimpleTextItem;

namespace vesquin {

class OutcomeBars : public QChartView {
    Q_OBJECT

  public:
    explicit OutcomeBars(LocaleSymbols symbols, QWidget* parent = nullptr);

    // Shows the percentages of `run` beside the theory's, one pair of bars for each
    // number its experiment can break; null shows the window's puzzle's theory alone.
    void showRun(const ExperimentRecord* run);
    void applyTheme(bool dark);
    // "Pantalla grande", as ConvergenceChart::setLarge.
    void setLarge(bool large);
    bool large() const { return m_large; }

    // The bar labels as drawn: the simulated ones, then the theoretical ones.
    QStringList labelTexts() const;
    const QBarSet* simulatedSet() const { return m_simulated; }
    // The names under the bars, left to right ("Un plato", "Dos platos", ...).
    QStringList categories() const;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void placeLabels();

    void makeLabels(int bars);
    void colourLabels();

    LocaleSymbols m_symbols;
    QBarCategoryAxis* m_outcomes = nullptr;
    bool m_dark = false;
    bool m_large = false;
    QBarSeries* m_series = nullptr;
    QBarSet* m_simulated = nullptr;
    QBarSet* m_theory = nullptr;
    QList<QGraphicsSimpleTextItem*> m_labels;  // over each bar, m_simulated's first
};

}  // namespace vesquin
