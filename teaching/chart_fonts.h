// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The charts for a projector ("Pantalla grande"). A chart's theme sets its own
// small fonts and thin lines, apart from the widget's: this gives every text of
// the chart the widget's (doubled) font, and the axes and grid lines twice the
// theme's width. A theme leaves alone what was set this way, so the chart is
// handed back to its theme before a theme is applied again.

#include <QChart>
#include <QFont>

namespace vesquin {

// Sets the theme; an enlarged chart first gets its theme's texts and lines back.
void ApplyChartTheme(QChart& chart, QChart::ChartTheme theme);

// After ApplyChartTheme: the texts in `font` and the lines twice the theme's.
void EnlargeChartTexts(QChart& chart, const QFont& font);

}  // namespace vesquin
