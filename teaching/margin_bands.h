// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The shaded 95 % margin around each theory line of the convergence chart: where
// about 95 of every 100 runs stay at each number of trials. The values are the
// engine's; this only lays them on the chart.

#include <QObject>

#include <array>
#include <cstdint>
#include <vector>

class QAbstractAxis;
class QAreaSeries;
class QChart;
class QLineSeries;

namespace vesquin {

class MarginBands {
  public:
    // The most bands a chart needs: one per number broken, up to ten shooters.
    static constexpr std::size_t kMostBands = 10;

    // Adds the bands to `chart`, behind the series added after them.
    MarginBands(QChart* chart, QAbstractAxis* trialsAxis, QAbstractAxis* percentAxis);

    // Redraws one band per theoretical probability (one for each number broken,
    // from one plate up) from 1 to `lastTrials` trials (at least 10); the bands
    // beyond them are hidden.
    void extendTo(std::int32_t lastTrials, const std::vector<double>& probabilities);
    void setShown(bool shown);
    bool shown() const { return m_shown; }
    void applyTheme(bool dark, bool highContrast = false);

    const QAreaSeries* band(int outcome) const { return m_bands.at(outcome); }

  private:
    void showBands();

    std::array<QAreaSeries*, kMostBands> m_bands{};
    std::array<QLineSeries*, kMostBands> m_lows{};
    std::array<QLineSeries*, kMostBands> m_highs{};
    std::size_t m_used = 0;
    bool m_shown = true;
};

}  // namespace vesquin
