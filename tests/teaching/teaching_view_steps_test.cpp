// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The teaching view's "Ensayo a ensayo" tab: reached from the keyboard, its growing
// run followed by the convergence chart, its finished run added to the history;
// and the 95 % margin on the chart and in the theory panel.
#include <QtTest>

#include <QAbstractButton>
#include <QApplication>
#include <QAreaSeries>
#include <QCheckBox>
#include <QLineSeries>
#include <QSpinBox>
#include <QTabWidget>

#include <variant>

#include "chance_margin.h"
#include "convergence_chart.h"
#include "experiment_history.h"
#include "margin_bands.h"
#include "run_history_model.h"
#include "teaching_view.h"
#include "theory_panel.h"
#include "trial_step_pane.h"

using vesquin::TeachingView;

namespace {

void PressAccessKey(QAbstractButton* button, Qt::Key key) {
    QVERIFY(button);
    QSignalSpy clicked(button, &QAbstractButton::clicked);
    QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
    QTRY_COMPARE(clicked.count(), 1);
}

}  // namespace

class TeachingViewStepsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<vesquin::RunHistoryModel> m_history;
    std::unique_ptr<TeachingView> m_view;

    void open() {
        m_history = std::make_unique<vesquin::RunHistoryModel>(vesquin::kSpanishSymbols);
        m_view = std::make_unique<TeachingView>(*m_history);
        m_view->show();
        m_view->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_view.get()));
    }

  private slots:
    void cleanup() {
        m_view.reset();
        m_history.reset();
    }

    void finishedStepRunJoinsTheHistoryAndTheChartFollows() {
        open();
        auto* tabs = m_view->findChild<QTabWidget*>(QStringLiteral("teachingTabs"));
        auto* pane = m_view->findChild<vesquin::TrialStepPane*>(QStringLiteral("trialStepPane"));
        QVERIFY(tabs && pane);
        // Alt+N opens the tab; the pane's own keys then drive it.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::AltModifier);
        QTRY_VERIFY(pane->isVisible());
        pane->setSeed(2024);
        pane->setReducedMotion(true);
        for (auto* box : pane->findChildren<QSpinBox*>())
            if (box->accessibleName() == QStringLiteral("Ensayos de la simulación:"))
                box->setValue(30);
        pane->restart();
        pane->takeTrials(12);
        auto* chart = m_view->findChild<vesquin::ConvergenceChart*>();
        const vesquin::RunRecord growing = pane->run().Record();
        QCOMPARE(chart->runSeries(0)->count(), int(growing.checkpoints.size()));
        QCOMPARE(chart->runSeries(0)->points().last().x(), 12.0);
        QCOMPARE(m_history->runCount(), 0);
        pane->takeTrials(100);
        QCOMPARE(m_history->runCount(), 1);
        vesquin::UniformSource source;
        const auto whole = std::get<vesquin::RunRecord>(
            vesquin::PerformRun("30", source, vesquin::kSpanishSymbols, 1000, 2024));
        const vesquin::ExperimentEntry* entry = m_history->entry(0);
        QVERIFY(entry->record == vesquin::ClassicRecord(whole));
        QCOMPARE(entry->record.seed, quint64(2024));
        QCOMPARE(m_view->selectedRow(), 0);
    }

    void marginBandsAndTheirCheckBox() {
        open();
        auto* chart = m_view->findChild<vesquin::ConvergenceChart*>();
        auto* check = m_view->findChild<QCheckBox*>(QStringLiteral("marginCheck"));
        QVERIFY(check && check->isChecked());
        QCOMPARE(check->accessibleName(), QStringLiteral("Margen del 95\u00A0%"));
        vesquin::UniformSource source;
        m_history->append(std::get<vesquin::RunRecord>(
            vesquin::PerformRun("1.000", source, vesquin::kSpanishSymbols, 1000, 5)));
        const QAreaSeries* band = chart->margins().band(1);
        QVERIFY(band->isVisible());
        const QList<QPointF> upper = band->upperSeries()->points();
        QCOMPARE(upper.last().x(), 1000.0);
        const vesquin::MarginBand expected = vesquin::ChanceBand(90.0 / 216, 1000);
        QCOMPARE(upper.last().y(), 100 * expected.high);
        QCOMPARE(band->lowerSeries()->points().last().y(), 100 * expected.low);
        check->setFocus();
        PressAccessKey(check, Qt::Key_M);
        QVERIFY(!check->isChecked());
        QVERIFY(!band->isVisible());

        auto* theory = m_view->findChild<vesquin::TheoryPanel*>();
        const QStringList lines = theory->marginText().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 3);
        for (const QString& line : lines)
            QVERIFY2(line.endsWith(QStringLiteral("dentro del margen.")) ||
                         line.endsWith(QStringLiteral("fuera del margen.")),
                     qPrintable(line));
        QVERIFY(lines[1].startsWith(QStringLiteral("Dos platos rotos: a ")));
    }
};

QTEST_MAIN(TeachingViewStepsTest)
#include "teaching_view_steps_test.moc"
