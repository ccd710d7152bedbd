// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "margin_bands.h"

#include <QAreaSeries>
#include <QChart>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>

#include <algorithm>

#include "chance_margin.h"
#include "chart_colours.h"

namespace vesquin {

MarginBands::MarginBands(QChart* chart, QAbstractAxis* trialsAxis, QAbstractAxis* percentAxis) {
    for (std::size_t k = 0; k < m_bands.size(); ++k) {
        m_lows[k] = new QLineSeries(chart);
        m_highs[k] = new QLineSeries(chart);
        m_bands[k] = new QAreaSeries(m_highs[k], m_lows[k]);
        chart->addSeries(m_bands[k]);
        m_bands[k]->attachAxis(trialsAxis);
        m_bands[k]->attachAxis(percentAxis);
        // The check box and the sentence under the chart name the bands.
        for (QLegendMarker* marker : chart->legend()->markers(m_bands[k]))
            marker->setVisible(false);
    }
}

void MarginBands::extendTo(std::int32_t lastTrials, const std::vector<double>& probabilities) {
    const std::int32_t last = std::max(lastTrials, std::int32_t{10});
    m_used = std::min(probabilities.size(), m_bands.size());
    for (std::size_t k = 0; k < m_used; ++k) {
        QList<QPointF> lows, highs;
        for (const BandPoint& at : ChanceBandPoints(probabilities[k], last)) {
            lows.append(QPointF(at.trials, at.lowPercent));
            highs.append(QPointF(at.trials, at.highPercent));
        }
        m_lows[k]->replace(lows);
        m_highs[k]->replace(highs);
    }
    showBands();
}

void MarginBands::setShown(bool shown) {
    m_shown = shown;
    showBands();
}

void MarginBands::showBands() {
    for (std::size_t k = 0; k < m_bands.size(); ++k) m_bands[k]->setVisible(m_shown && k < m_used);
}

void MarginBands::applyTheme(bool dark, bool highContrast) {
    for (std::size_t k = 0; k < m_bands.size(); ++k) {
        QColor fill = SeriesColour(static_cast<int>(k) + 1, dark, highContrast);
        fill.setAlpha(dark ? 60 : 45);
        m_bands[k]->setBrush(fill);
        m_bands[k]->setPen(Qt::NoPen);
    }
}

}  // namespace vesquin
