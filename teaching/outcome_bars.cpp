// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "outcome_bars.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QPen>
#include <QGraphicsSimpleTextItem>
#include <QValueAxis>

#include <algorithm>
#include <array>
#include <utility>

#include "chart_colours.h"
#include "chart_fonts.h"
#include "experiment_panel.h"
#include "experiment_theory.h"
#include "teaching_figures.h"
#include "teaching_view_texts.h"

namespace vesquin {
namespace {

// Bars take this share of each category, split evenly between the two sets.
constexpr double kBarWidth = 0.6;

}  // namespace

OutcomeBars::OutcomeBars(LocaleSymbols symbols, QWidget* parent)
    : QChartView(parent), m_symbols(std::move(symbols)) {
    setObjectName(QStringLiteral("outcomeBars"));
    setAccessibleName(QString::fromUtf8(Text(kOutcomeBarsName)));
    setRenderHint(QPainter::Antialiasing);
    setFocusPolicy(Qt::NoFocus);
    setMinimumSize(300, 260);

    auto* chart = new QChart;
    chart->setTitle(QString::fromUtf8(Text(kOutcomeBarsTitle)));
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));

    m_simulated = new QBarSet(QString::fromUtf8(Text(kSimulatedBars)));
    m_theory = new QBarSet(QString::fromUtf8(Text(kTheoryBars)));
    m_series = new QBarSeries;
    m_series->setBarWidth(kBarWidth);
    m_series->append(m_simulated);
    m_series->append(m_theory);
    chart->addSeries(m_series);

    auto* outcomes = new QBarCategoryAxis;
    m_outcomes = outcomes;
    // A name cut short ("Dos plat…") reads as no name: every one is drawn whole.
    outcomes->setTruncateLabels(false);
    outcomes->setTitleText(QString::fromUtf8(Text(kBrokenAxisTitle)));
    auto* percent = new QValueAxis;
    percent->setRange(0, 100);
    percent->setTickCount(6);
    percent->setLabelFormat(QStringLiteral("%.0f"));
    percent->setTitleText(QStringLiteral("%"));
    chart->addAxis(outcomes, Qt::AlignBottom);
    chart->addAxis(percent, Qt::AlignLeft);
    m_series->attachAxis(outcomes);
    m_series->attachAxis(percent);

    connect(chart, &QChart::plotAreaChanged, this, &OutcomeBars::placeLabels);
    setChart(chart);
    applyTheme(false);
    showRun(nullptr);
}

void OutcomeBars::setLarge(bool large) {
    m_large = large;
    applyTheme(m_dark);
}

void OutcomeBars::applyTheme(bool dark) {
    ApplyChartTheme(*chart(), dark ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    for (const auto& [set, colour] : {std::pair{m_simulated, SimulatedBarColour(dark, m_large)},
                                      std::pair{m_theory, TheoryBarColour(dark, m_large)}}) {
        set->setColor(colour);
        // A projector's bars keep a strong edge against the background.
        set->setPen(QPen(m_large ? (dark ? Qt::white : Qt::black) : colour, m_large ? 2 : 1));
    }
    if (m_large) EnlargeChartTexts(*chart(), font());
    QFont title = chart()->titleFont();
    title.setPointSizeF(font().pointSizeF() * (m_large ? 1.15 : 1) + 1);
    title.setBold(true);
    chart()->setTitleFont(title);
    m_dark = dark;
    colourLabels();
    placeLabels();
}

void OutcomeBars::makeLabels(int bars) {
    // Qt Charts writes values with its own number rules; these labels use the user's.
    while (m_labels.size() < 2 * bars) {
        auto* label = new QGraphicsSimpleTextItem(chart());
        label->setZValue(10);
        m_labels.append(label);
    }
    while (m_labels.size() > 2 * bars) delete m_labels.takeLast();
    colourLabels();
}

void OutcomeBars::colourLabels() {
    const int bars = static_cast<int>(m_labels.size()) / 2;
    for (int i = 0; i < m_labels.size(); ++i) {
        m_labels[i]->setBrush(i < bars ? SimulatedBarColour(m_dark, m_large)
                                       : TheoryBarColour(m_dark, m_large));
        m_labels[i]->setFont(font());
    }
}

QStringList OutcomeBars::categories() const {
    return m_outcomes->categories();
}

void OutcomeBars::showRun(const ExperimentRecord* run) {
    const Experiment experiment = run ? run->experiment : Experiment::Classic();
    const int bars = experiment.mostBroken();
    // The puzzle's three names fit under their bars; more bars stand too close for
    // names and take their numbers, under the axis title "Platos rotos".
    QStringList names;
    for (int j = 1; j <= bars; ++j)
        names << (bars <= 3 ? QString::fromStdString(BrokenName(j)) : QString::number(j));
    if (m_outcomes->categories() != names) {
        m_outcomes->clear();
        m_outcomes->append(names);
    }
    makeLabels(bars);
    QList<qreal> simulated(bars, 0.0);
    QList<qreal> theory;
    for (const BrokenTheory& broken : TheoryOf(experiment).broken) theory.append(broken.percent);
    std::vector<Quotient> percent;
    if (run) {
        percent = BrokenPercentages(run->tally, run->trials);
        for (int j = 0; j < bars && j < int(percent.size()); ++j)
            simulated[j] = percent[std::size_t(j)].value();
    }
    m_simulated->remove(0, m_simulated->count());
    m_simulated->append(simulated);
    m_theory->remove(0, m_theory->count());
    m_theory->append(theory);
    for (int i = 0; i < bars; ++i) {
        m_labels[i]->setText(
            run && i < int(percent.size())
                ? QString::fromStdString(PercentText(percent[std::size_t(i)], m_symbols))
                : QString());
        m_labels[bars + i]->setText(QString::fromStdString(PercentText(theory[i], m_symbols)));
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
    const int bars = static_cast<int>(m_labels.size()) / 2;
    // Many bars leave a category narrower than its labels, which would then stand
    // over the neighbours' bars: they go, and the theory panel keeps the figures.
    double widest = 0;
    for (const QGraphicsSimpleTextItem* label : std::as_const(m_labels))
        widest = std::max(widest, label->boundingRect().width());
    const bool room = bars > 0 && widest + 4 <= chart()->plotArea().width() / bars;
    for (QGraphicsSimpleTextItem* label : std::as_const(m_labels)) label->setVisible(room);
    for (int i = 0; i < bars && i < m_simulated->count(); ++i) {
        std::array<QPointF, 2> barTops;
        for (int set = 0; set < 2; ++set) {
            const double offset = (set == 0 ? -1 : 1) * kBarWidth / 4;
            barTops[set] = chart()->mapToPosition(QPointF(i + offset, sets[set]->at(i)), m_series);
        }
        const int taller = barTops[0].y() <= barTops[1].y() ? 0 : 1;
        std::array<QRectF, 2> boxes;
        for (int set = 0; set < 2; ++set) {
            const QSizeF size = m_labels[set * bars + i]->boundingRect().size();
            boxes[set] = QRectF(QPointF(barTops[set].x() - size.width() / 2,
                                        barTops[taller].y() - size.height() - 2),
                                size);
        }
        if (boxes[0].adjusted(-3, 0, 3, 0).intersects(boxes[1]))
            boxes[1 - taller].moveBottom(boxes[taller].top());
        for (int set = 0; set < 2; ++set) {
            if (boxes[set].top() < plotTop) boxes[set].moveTop(plotTop);
            m_labels[set * bars + i]->setPos(boxes[set].topLeft());
        }
    }
}

}  // namespace vesquin
