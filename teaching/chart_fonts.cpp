// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart_fonts.h"

#include <QAbstractAxis>
#include <QLegend>
#include <QPen>

#include <algorithm>
#include <utility>

namespace vesquin {
namespace {

// Marks a chart whose texts and lines this file set, and the theme must set again.
constexpr char kEnlarged[] = "vesquinEnlarged";

}  // namespace

void ApplyChartTheme(QChart& chart, QChart::ChartTheme theme) {
    if (chart.property(kEnlarged).toBool()) {
        // A theme only fills in what holds no value of its own: empty them, and
        // apply another theme first, as the same theme again would change nothing.
        chart.legend()->setFont(QFont());
        for (QAbstractAxis* axis : chart.axes()) {
            axis->setLabelsFont(QFont());
            axis->setTitleFont(QFont());
            axis->setLinePen(QPen());
            axis->setGridLinePen(QPen());
        }
        chart.setTheme(theme == QChart::ChartThemeLight ? QChart::ChartThemeDark
                                                        : QChart::ChartThemeLight);
        chart.setProperty(kEnlarged, false);
    }
    chart.setTheme(theme);
}

void EnlargeChartTexts(QChart& chart, const QFont& font) {
    chart.setProperty(kEnlarged, true);
    QFont bold = font;
    bold.setBold(true);
    chart.legend()->setFont(font);
    for (QAbstractAxis* axis : chart.axes()) {
        axis->setLabelsFont(font);
        axis->setTitleFont(bold);
        for (const auto& [get, set] :
             {std::pair{&QAbstractAxis::linePen, &QAbstractAxis::setLinePen},
              std::pair{&QAbstractAxis::gridLinePen, &QAbstractAxis::setGridLinePen}}) {
            QPen pen = (axis->*get)();
            pen.setWidthF(std::max(2.0, pen.widthF() * 2));
            (axis->*set)(pen);
        }
    }
}

}  // namespace vesquin
