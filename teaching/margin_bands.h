// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The shaded 95 % margin around each theory line of the convergence chart: where
// about 95 of every 100 runs stay at each number of trials. The values are the
// engine's; this only lays them on the chart.

#include <QObject>

#include <array>
#include <cstdint>

class QAbstractAxis;
class QAreaSeries;
class QChart;
class QLineSeries;

namespace vesquin {

class MarginBands {
  public:
    // Adds the three bands to `chart`, behind the series added after them.
    MarginBands(QChart* chart, QAbstractAxis* trialsAxis, QAbstractAxis* percentAxis);

    // Redraws the bands from 1 to `lastTrials` trials (at least 10).
    void extendTo(std::int32_t lastTrials);
    void setShown(bool shown);
    bool shown() const { return m_shown; }
    void applyTheme(bool dark);

    const QAreaSeries* band(int outcome) const { return m_bands.at(outcome); }

  private:
    std::array<QAreaSeries*, 3> m_bands{};
    std::array<QLineSeries*, 3> m_lows{};
    std::array<QLineSeries*, 3> m_highs{};
    bool m_shown = true;
};

}  // namespace vesquin
