// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "convergence_chart.h"

#include <QChart>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPen>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <utility>

#include "chart_colours.h"
#include "chart_fonts.h"
#include "experiment_panel.h"
#include "experiment_theory.h"
#include "margin_bands.h"
#include "teaching_figures.h"
#include "teaching_texts.h"
#include "teaching_view_texts.h"

namespace vesquin {
namespace {

// From the first trial to the run's last, and at least to 10 so that a short run
// still has a decade to stand in.
double RightEnd(std::int32_t trials) {
    return std::max(10.0, static_cast<double>(trials));
}

}  // namespace

ConvergenceChart::ConvergenceChart(LocaleSymbols symbols, QWidget* parent)
    : QChartView(parent), m_symbols(std::move(symbols)) {
    setObjectName(QStringLiteral("convergenceChart"));
    setAccessibleName(QString::fromUtf8(Text(kConvergenceChartName)));
    setAccessibleDescription(QString::fromUtf8(Text(kConvergenceChartDescription)));
    setRenderHint(QPainter::Antialiasing);
    setFocusPolicy(Qt::NoFocus);
    // Room for the plot under the title and over the two-line axis title and the legend.
    setMinimumSize(360, 320);

    auto* chart = new QChart;
    chart->setTitle(QString::fromUtf8(Text(kConvergenceChartTitle)));
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));

    m_trialsAxis = new QLogValueAxis;
    m_trialsAxis->setBase(10);
    m_trialsAxis->setLabelFormat(QStringLiteral("%.0f"));
    m_trialsAxis->setMinorTickCount(-1);
    // The note says what a logarithmic axis is, on a line of its own.
    m_trialsAxis->setTitleText(QStringLiteral("%1<br>%2")
                                   .arg(QString::fromUtf8(Text(kTrialsAxisTitle)),
                                        QString::fromUtf8(Text(kLogScaleNote))));
    m_trialsAxis->setRange(1, 10);
    m_percentAxis = new QValueAxis;
    m_percentAxis->setRange(0, 100);
    m_percentAxis->setTickCount(11);
    m_percentAxis->setLabelFormat(QStringLiteral("%.0f"));
    m_percentAxis->setTitleText(QString::fromUtf8(Text(kPercentAxisTitle)));
    chart->addAxis(m_trialsAxis, Qt::AlignBottom);
    chart->addAxis(m_percentAxis, Qt::AlignLeft);
    // First, so that the run's lines and the theory's are drawn over the bands.
    m_margins = std::make_unique<MarginBands>(chart, m_trialsAxis, m_percentAxis);
    m_theoryLegend = new QLineSeries;
    m_theoryLegend->setName(QString::fromUtf8(Text(kTheoryLegendName)));
    // A short line drawn with each series' own pen, so the entry shows the dashes.
    chart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    connect(chart, &QChart::plotAreaChanged, this, &ConvergenceChart::placeTicks);
    setChart(chart);
    makeSeries(Experiment::Classic().mostBroken());
    applyTheme(false);
    showRun(nullptr);
}

void ConvergenceChart::makeSeries(int count) {
    if (count == seriesCount()) return;
    QChart* chart = this->chart();
    for (const std::vector<QLineSeries*>* kind : {&m_runs, &m_theory}) {
        for (QLineSeries* series : *kind) {
            chart->removeSeries(series);
            delete series;
        }
    }
    if (chart->series().contains(m_theoryLegend)) chart->removeSeries(m_theoryLegend);
    m_runs.clear();
    m_theory.clear();
    for (int j = 1; j <= count; ++j) {
        auto* run = new QLineSeries;
        run->setName(QString::fromStdString(BrokenName(j)));
        auto* theory = new QLineSeries;
        theory->setName(QString::fromStdString(TheorySeriesName(run->name().toStdString())));
        for (QLineSeries* series : {run, theory}) {
            chart->addSeries(series);
            series->attachAxis(m_trialsAxis);
            series->attachAxis(m_percentAxis);
        }
        // The legend names the colours once, and the dashes once below.
        for (QLegendMarker* marker : chart->legend()->markers(theory)) marker->setVisible(false);
        m_runs.push_back(run);
        m_theory.push_back(theory);
    }
    // The dashes' entry stays last in the legend.
    chart->addSeries(m_theoryLegend);
    m_theoryLegend->attachAxis(m_trialsAxis);
    m_theoryLegend->attachAxis(m_percentAxis);
    colourSeries();
}

void ConvergenceChart::colourSeries() {
    const double thickness = m_large ? 2 : 1;
    for (std::size_t k = 0; k < m_runs.size(); ++k) {
        const QColor colour = SeriesColour(static_cast<int>(k) + 1, m_dark, m_large);
        m_runs[k]->setPen(QPen(colour, 2 * thickness));
        m_theory[k]->setPen(QPen(colour, 1.5 * thickness, Qt::DashLine));
    }
    const QColor dashes = m_large ? (m_dark ? Qt::white : Qt::black)
                                  : (m_dark ? QColor(0xD0, 0xD0, 0xD0) : QColor(0x40, 0x40, 0x40));
    m_theoryLegend->setPen(QPen(dashes, 1.5 * thickness, Qt::DashLine));
}

void ConvergenceChart::setLarge(bool large) {
    m_large = large;
    applyTheme(m_dark);
    placeTicks();  // the decades' texts take the axis's font
}

ConvergenceChart::~ConvergenceChart() = default;

void ConvergenceChart::setMarginShown(bool shown) {
    m_margins->setShown(shown);
}

void ConvergenceChart::applyTheme(bool dark) {
    m_dark = dark;
    ApplyChartTheme(*chart(), dark ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    m_margins->applyTheme(dark, m_large);
    colourSeries();
    if (m_large) EnlargeChartTexts(*chart(), font());
    // The axis keeps its own labels for the room they take, unseen; the decades
    // are written over them with the user's symbols (its printf format cannot group).
    m_trialsAxis->setLabelsColor(Qt::transparent);
    const QBrush tickBrush = m_percentAxis->labelsBrush();
    for (QGraphicsSimpleTextItem* tick : std::as_const(m_ticks)) tick->setBrush(tickBrush);
    // The theme draws the minor grid (2 to 9 in each decade) dashed; dashed or
    // translucent lines cost most of a frame to draw, thin opaque ones a fraction.
    QPen minor = m_trialsAxis->minorGridLinePen();
    minor.setStyle(Qt::SolidLine);
    minor.setWidthF(m_large ? 1 : 0.5);
    minor.setColor(dark ? QColor(0x3C, 0x42, 0x50) : QColor(0xE0, 0xE0, 0xE0));
    m_trialsAxis->setMinorGridLinePen(minor);
    // setTheme resets the title font; keep it modest.
    QFont title = chart()->titleFont();
    title.setPointSizeF(font().pointSizeF() * (m_large ? 1.15 : 1) + 1);
    title.setBold(true);
    chart()->setTitleFont(title);
}

void ConvergenceChart::showRun(const ExperimentRecord* run) {
    const Experiment experiment = run ? run->experiment : Experiment::Classic();
    makeSeries(experiment.mostBroken());
    const double right = RightEnd(run ? run->trials : 1);
    m_trialsAxis->setRange(1, right);
    const ExperimentTheory exact = TheoryOf(experiment);
    std::vector<double> probabilities;
    for (std::size_t k = 0; k < m_theory.size(); ++k) {
        const double theory = exact.broken[k].percent;
        m_theory[k]->replace(QList<QPointF>{{1, theory}, {right, theory}});
        probabilities.push_back(exact.broken[k].probability.value());
    }
    m_margins->extendTo(static_cast<std::int32_t>(right), probabilities);
    std::vector<QList<QPointF>> points(m_runs.size());
    if (run) {
        for (const BrokenFrequencies& at : RunningFrequencies(*run))
            for (std::size_t k = 0; k < points.size() && k < at.percent.size(); ++k)
                points[k].append(QPointF(at.trials, at.percent[k]));
    }
    for (std::size_t k = 0; k < m_runs.size(); ++k) {
        m_runs[k]->replace(points[k]);
        // A run of one trial is a single point, which a line alone would not show.
        m_runs[k]->setPointsVisible(points[k].size() == 1);
    }
    placeTicks();
}

QStringList ConvergenceChart::tickTexts() const {
    QStringList texts;
    for (const QGraphicsSimpleTextItem* tick : m_ticks)
        if (tick->isVisible()) texts << tick->text();
    return texts;
}

void ConvergenceChart::placeTicks() {
    // The chart lays itself out once before its series are made.
    if (m_runs.empty()) return;
    // One text per power of ten in the axis's range, centred under its grid line.
    const int decades = static_cast<int>(std::floor(std::log10(m_trialsAxis->max()) + 1e-9)) + 1;
    while (m_ticks.size() < decades) {
        auto* tick = new QGraphicsSimpleTextItem(chart());
        tick->setFont(m_trialsAxis->labelsFont());
        tick->setBrush(m_percentAxis->labelsBrush());
        m_ticks.append(tick);
    }
    const QRectF plot = chart()->plotArea();
    for (int i = 0; i < m_ticks.size(); ++i) {
        QGraphicsSimpleTextItem* tick = m_ticks[i];
        tick->setVisible(i < decades);
        if (i >= decades) continue;
        const double trials = std::pow(10.0, i);
        tick->setFont(m_trialsAxis->labelsFont());
        tick->setText(QString::fromStdString(TrialsTickText(trials, m_symbols)));
        const QPointF at = chart()->mapToPosition(QPointF(trials, 0), m_runs.front());
        const QRectF box = tick->boundingRect();
        tick->setPos(at.x() - box.width() / 2, plot.bottom() + 4);
    }
}

}  // namespace vesquin
