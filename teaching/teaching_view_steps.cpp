// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The teaching view's two tabs: the charts, theory and history, and "Ensayo a
// ensayo", whose growing run the charts follow and whose finished run joins the
// history like any other. Also the 95 % margin's check box and its sentence.
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "chance_margin.h"
#include "convergence_chart.h"
#include "experiment_group.h"
#include "experiment_history.h"
#include "outcome_bars.h"
#include "run_history_model.h"
#include "step_texts.h"
#include "teaching_view.h"
#include "trial_step_pane.h"

namespace vesquin {

QWidget* TeachingView::marginControls(QWidget* parent) {
    auto* box = new QWidget(parent);
    m_marginCheck = new QCheckBox(QString::fromStdString(MarginToggleLabel()), box);
    m_marginCheck->setObjectName(QStringLiteral("marginCheck"));
    m_marginCheck->setAccessibleName(
        QString::fromStdString(MarginToggleLabel()).remove(QLatin1Char('&')));
    m_marginCheck->setChecked(true);
    auto* sentence = new QLabel(QString::fromStdString(MarginExplanation()), box);
    sentence->setObjectName(QStringLiteral("marginSentence"));
    sentence->setWordWrap(true);
    m_marginCheck->setAccessibleDescription(sentence->text());
    auto* checks = new QHBoxLayout;
    checks->addWidget(m_marginCheck);
    checks->addSpacing(2 * m_marginCheck->fontMetrics().height());
    checks->addWidget(largeScreenControl(box));
    checks->addStretch();
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(checks);
    layout->addWidget(sentence);
    connect(m_marginCheck, &QCheckBox::toggled, m_convergence, &ConvergenceChart::setMarginShown);
    return box;
}

QWidget* TeachingView::withStepTab(QScrollArea* charts) {
    const StepControlLabels& labels = StepLabels();
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("teachingTabs"));
    // The tab bar takes the focus itself; the tabs' frame is only its container.
    m_tabs->setFocusPolicy(Qt::NoFocus);
    // Scrolled like the charts, so that a small or magnified screen still holds the view.
    auto* stepsScroll = new QScrollArea(m_tabs);
    stepsScroll->setWidgetResizable(true);
    stepsScroll->setFrameShape(QFrame::NoFrame);
    stepsScroll->setFocusPolicy(Qt::NoFocus);
    m_steps = new TrialStepPane(m_history.symbols(), stepsScroll);
    m_steps->setObjectName(QStringLiteral("trialStepPane"));
    stepsScroll->setWidget(m_steps);
    m_tabs->addTab(charts, QString::fromStdString(labels.chartsTab));
    m_tabs->addTab(stepsScroll, QString::fromStdString(labels.stepsTab));
    m_tabs->tabBar()->setObjectName(QStringLiteral("teachingTabBar"));
    // The frame's policy passes to its proxy, the bar: give the bar its own back.
    m_tabs->tabBar()->setFocusPolicy(Qt::TabFocus);
    m_tabs->tabBar()->setAccessibleName(QString::fromStdString(labels.tabsName));
    // The charts follow the run as it grows; at its end it joins the history,
    // which shows it as its newest run.
    connect(m_steps, &TrialStepPane::stepped, this, [this] {
        const ExperimentRecord growing = m_steps->run().GeneralRecord();
        m_convergence->showRun(&growing);
        m_bars->showRun(&growing);
    });
    connect(m_steps, &TrialStepPane::runFinished, this,
            [this](const ExperimentRecord& record, const std::optional<Prediction>& prediction) {
                m_history.appendExperiment(record, prediction);
            });
    // The steps are of the experiment chosen in the Experimento group.
    const auto follow = [this] { m_steps->setExperiment(m_experiment->experiment()); };
    connect(m_experiment->shootersBox(), &QSpinBox::valueChanged, this, follow);
    connect(m_experiment->platesBox(), &QSpinBox::valueChanged, this, follow);
    follow();
    return m_tabs;
}

}  // namespace vesquin
