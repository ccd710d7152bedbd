// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "outcome_bars.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QGraphicsSimpleTextItem>
#include <QValueAxis>

#include <algorithm>
#include <array>
#include <utility>

#include "chart_colours.h"
#include "teaching_figures.h"
#include "theory.h"

namespace vesquin {
namespace {

// Bars take this share of each category, split evenly between the two sets.
constexpr double kBarWidth = 0.6;

}  // namespace

OutcomeBars::OutcomeBars(LocaleSymbols symbols, QWidget* parent)
    : QChartView(parent), m_symbols(std::move(symbols)) {
    setObjectName(QStringLiteral("outcomeBars"));
    setAccessibleName(QStringLiteral("Gráfico de barras: simulación frente a teoría"));
    setRenderHint(QPainter::Antialiasing);
    setFocusPolicy(Qt::NoFocus);
    setMinimumSize(300, 260);

    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("Simulación frente a teoría"));
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));

    m_simulated = new QBarSet(QStringLiteral("Simulación"));
    m_theory = new QBarSet(QStringLiteral("Teoría"));
    m_series = new QBarSeries;
    m_series->setBarWidth(kBarWidth);
    m_series->append(m_simulated);
    m_series->append(m_theory);
    chart->addSeries(m_series);

    auto* outcomes = new QBarCategoryAxis;
    outcomes->append(
        {QStringLiteral("Un plato"), QStringLiteral("Dos platos"), QStringLiteral("Tres platos")});
    outcomes->setTitleText(QStringLiteral("Platos rotos"));
    auto* percent = new QValueAxis;
    percent->setRange(0, 100);
    percent->setTickCount(6);
    percent->setLabelFormat(QStringLiteral("%.0f"));
    percent->setTitleText(QStringLiteral("%"));
    chart->addAxis(outcomes, Qt::AlignBottom);
    chart->addAxis(percent, Qt::AlignLeft);
    m_series->attachAxis(outcomes);
    m_series->attachAxis(percent);

    // Qt Charts writes values with its own number rules; these labels use the user's.
    for (int i = 0; i < 6; ++i) {
        auto* label = new QGraphicsSimpleTextItem(chart);
        label->setZValue(10);
        m_labels.append(label);
    }
    connect(chart, &QChart::plotAreaChanged, this, &OutcomeBars::placeLabels);
    setChart(chart);
    applyTheme(false);
    showRun(nullptr);
}

void OutcomeBars::applyTheme(bool dark) {
    chart()->setTheme(dark ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    m_simulated->setColor(SimulatedBarColour(dark));
    m_simulated->setBorderColor(SimulatedBarColour(dark));
    m_theory->setColor(TheoryBarColour(dark));
    m_theory->setBorderColor(TheoryBarColour(dark));
    QFont title = chart()->titleFont();
    title.setPointSizeF(font().pointSizeF() + 1);
    title.setBold(true);
    chart()->setTitleFont(title);
    for (int i = 0; i < m_labels.size(); ++i) {
        m_labels[i]->setBrush(i < 3 ? SimulatedBarColour(dark) : TheoryBarColour(dark));
        m_labels[i]->setFont(font());
    }
    placeLabels();
}

void OutcomeBars::showRun(const RunRecord* run) {
    QList<qreal> simulated{0, 0, 0};
    QList<qreal> theory;
    for (const OutcomeTheory& outcome : Theory().outcomes) theory.append(outcome.percent);
    std::array<Quotient, 3> percent{};
    if (run) {
        percent = RunPercentages(*run);
        simulated = {percent[0].value(), percent[1].value(), percent[2].value()};
    }
    m_simulated->remove(0, m_simulated->count());
    m_simulated->append(simulated);
    m_theory->remove(0, m_theory->count());
    m_theory->append(theory);
    for (int i = 0; i < 3; ++i) {
        m_labels[i]->setText(run ? QString::fromStdString(PercentText(percent[i], m_symbols))
                                 : QString());
        m_labels[3 + i]->setText(QString::fromStdString(PercentText(theory[i], m_symbols)));
    }
    placeLabels();
}

QStringList OutcomeBars::labelTexts() const {
    QStringList texts;
    for (const QGraphicsSimpleTextItem* label : m_labels) texts << label->text();
    return texts;
}

void OutcomeBars::resizeEvent(QResizeEvent* event) {
    QChartView::resizeEvent(event);
    placeLabels();
}

void OutcomeBars::placeLabels() {
    // Each label is centred over its bar (the category's centre, a quarter of the bar
    // width left for the simulation and right for the theory) and written in its bar's
    // colour. Labels are wider than bars, so both stand above the taller bar of the
    // pair, never across the other bar; when they would touch, the shorter bar's label
    // goes one line higher.
    const QList<QBarSet*> sets{m_simulated, m_theory};
    const double plotTop = chart()->plotArea().top();
    for (int i = 0; i < 3; ++i) {
        std::array<QPointF, 2> barTops;
        for (int set = 0; set < 2; ++set) {
            const double offset = (set == 0 ? -1 : 1) * kBarWidth / 4;
            barTops[set] = chart()->mapToPosition(QPointF(i + offset, sets[set]->at(i)), m_series);
        }
        const int taller = barTops[0].y() <= barTops[1].y() ? 0 : 1;
        std::array<QRectF, 2> boxes;
        for (int set = 0; set < 2; ++set) {
            const QSizeF size = m_labels[set * 3 + i]->boundingRect().size();
            boxes[set] = QRectF(QPointF(barTops[set].x() - size.width() / 2,
                                        barTops[taller].y() - size.height() - 2),
                                size);
        }
        if (boxes[0].adjusted(-3, 0, 3, 0).intersects(boxes[1]))
            boxes[1 - taller].moveBottom(boxes[taller].top());
        for (int set = 0; set < 2; ++set) {
            if (boxes[set].top() < plotTop) boxes[set].moveTop(plotTop);
            m_labels[set * 3 + i]->setPos(boxes[set].topLeft());
        }
    }
}

}  // namespace vesquin
