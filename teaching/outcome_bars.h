// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Simulated against theoretical percentage of one, two and three broken plates,
// each bar labelled with its value in the user's number symbols.

#include <QChartView>
#include <QList>

#include "experiment_run.h"
#include "number_text.h"

class QBarSeries;
class QBarSet;
class QGraphicsSimpleTextItem;

namespace vesquin {

class OutcomeBars : public QChartView {
    Q_OBJECT

  public:
    explicit OutcomeBars(LocaleSymbols symbols, QWidget* parent = nullptr);

    // Shows the percentages of `run` beside the theory's; null shows the theory alone.
    void showRun(const RunRecord* run);
    void applyTheme(bool dark);

    // The bar labels as drawn: the simulated three, then the theoretical three.
    QStringList labelTexts() const;
    const QBarSet* simulatedSet() const { return m_simulated; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void placeLabels();

    LocaleSymbols m_symbols;
    QBarSeries* m_series = nullptr;
    QBarSet* m_simulated = nullptr;
    QBarSet* m_theory = nullptr;
    QList<QGraphicsSimpleTextItem*> m_labels;  // over each bar, m_simulated's first
};

}  // namespace vesquin
