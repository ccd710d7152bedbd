// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The lesson in one picture: the relative frequencies of each number of
// broken plates the run's experiment can give (one line each) after n trials, n on a logarithmic
// axis, settling on the theoretical percentages drawn as dashed lines of the same colours. The
// decades on the trials axis are written with the user's symbols ("1.000.000").

#include <QChartView>

#include <QList>

#include <memory>
#include <vector>

#include "experiment_record.h"
#include "number_text.h"

class QGraphicsSimpleTextItem;
class QLineSeries;
class QLogValueAxis;
class QValueAxis;

namespace vesquin {

class MarginBands;

class ConvergenceChart : public QChartView {
    Q_OBJECT

  public:
    explicit ConvergenceChart(LocaleSymbols symbols, QWidget* parent = nullptr);
    ~ConvergenceChart() override;

    // Draws the running frequencies of `run`; null leaves the theory of the
    // window's puzzle alone.
    void showRun(const ExperimentRecord* run);
    // Follows the system theme (light or dark).
    void applyTheme(bool dark);
    // "Pantalla grande": the widget's own (doubled) font for every text of the
    // chart, lines twice as thick, and the high-contrast colours.
    void setLarge(bool large);
    bool large() const { return m_large; }

    // The series as drawn, for tests: the run's and the theory's, one per number
    // broken (outcome 0 for one plate).
    int seriesCount() const { return static_cast<int>(m_runs.size()); }
    const QLineSeries* runSeries(int outcome) const { return m_runs.at(std::size_t(outcome)); }
    const QLineSeries* theorySeries(int outcome) const { return m_theory.at(std::size_t(outcome)); }
    const QLogValueAxis* trialsAxis() const { return m_trialsAxis; }
    const QLineSeries* theoryLegendSeries() const { return m_theoryLegend; }
    // The shaded 95 % margins around the theory lines, shown unless switched off.
    void setMarginShown(bool shown);
    const MarginBands& margins() const { return *m_margins; }
    // The decades' texts under the axis, left to right ("1", "10", ... "1.000.000").
    QStringList tickTexts() const;

  private:
    void placeTicks();
    void makeSeries(int count);
    void colourSeries();

    LocaleSymbols m_symbols;
    std::vector<QLineSeries*> m_runs;
    QLineSeries* m_theoryLegend = nullptr;  // no points: the legend's one entry for the dashes
    QList<QGraphicsSimpleTextItem*> m_ticks;
    std::vector<QLineSeries*> m_theory;
    bool m_dark = false;
    bool m_large = false;
    QLogValueAxis* m_trialsAxis = nullptr;
    QValueAxis* m_percentAxis = nullptr;
    std::unique_ptr<MarginBands> m_margins;
};

}  // namespace vesquin
