// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// "Pantalla grande" switched by its check box and by Control+plus / Control+minus;
// the "Ensayo a ensayo" tab following the experiment chosen in the view; and the
// pupil's prediction kept with the finished run in the table, the clipboard and
// the CSV.
#include <QtTest>

#include <QAbstractAxis>
#include <QApplication>
#include <QBarSet>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>

#include <variant>

#include "chart_colours.h"
#include "convergence_chart.h"
#include "experiment_group.h"
#include "experiment_theory.h"
#include "outcome_bars.h"
#include "run_history_model.h"
#include "step_texts.h"
#include "teaching_view.h"
#include "trial_scene.h"
#include "trial_step_pane.h"

using vesquin::TeachingView;

namespace {

template <typename Widget>
Widget* Named(QWidget& parent, const QString& accessibleName) {
    for (Widget* widget : parent.findChildren<Widget*>())
        if (widget->accessibleName() == accessibleName) return widget;
    return nullptr;
}

void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = QApplication::focusWidget();
    QVERIFY(target);
    QTest::keyClick(target, key, modifiers);
}

vesquin::Experiment Make(int shooters, int plates) {
    return std::get<vesquin::Experiment>(vesquin::Experiment::Make(shooters, plates));
}

// The cells of one line of the clipboard text or the CSV.
QStringList Cells(const QString& line, QChar separator) {
    return line.split(separator);
}

}  // namespace

class TeachingViewLargeTest : public QObject {
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

    vesquin::TrialStepPane* pane() const {
        return m_view->findChild<vesquin::TrialStepPane*>(QStringLiteral("trialStepPane"));
    }

    // The point sizes of the view's texts: its own, the table's and its header's,
    // the drawing of the trials', the charts' widgets' and their axes' labels.
    QList<qreal> textSizes() const {
        auto* table = m_view->findChild<QTableView*>(QStringLiteral("historyTable"));
        auto* chart = m_view->findChild<vesquin::ConvergenceChart*>();
        auto* bars = m_view->findChild<vesquin::OutcomeBars*>();
        return {m_view->font().pointSizeF(),
                table->font().pointSizeF(),
                table->horizontalHeader()->font().pointSizeF(),
                m_view->findChild<vesquin::TrialScene*>()->font().pointSizeF(),
                chart->font().pointSizeF(),
                bars->font().pointSizeF()};
    }

  private slots:
    void cleanup() {
        m_view.reset();
        m_history.reset();
    }

    void largeScreenDoublesTheTextsAndThickensTheLines() {
        open();
        auto* check = m_view->findChild<QCheckBox*>(QStringLiteral("largeScreenCheck"));
        QVERIFY(check && !check->isChecked());
        QCOMPARE(check->accessibleName(), QStringLiteral("Pantalla grande"));
        auto* chart = m_view->findChild<vesquin::ConvergenceChart*>();
        auto* bars = m_view->findChild<vesquin::OutcomeBars*>();
        auto* table = m_view->findChild<QTableView*>(QStringLiteral("historyTable"));
        const bool dark = vesquin::IsDarkPalette(m_view->palette());
        const QList<qreal> normal = textSizes();
        for (const qreal size : normal) QVERIFY(size > 0);
        const qreal axisLabels = chart->chart()->axes().first()->labelsFont().pointSizeF();
        const qreal runPen = chart->runSeries(0)->pen().widthF();
        const QColor runColour = chart->runSeries(0)->pen().color();
        const QColor barColour = bars->simulatedSet()->brush().color();

        const auto expectLarge = [&] {
            QVERIFY(check->isChecked());
            QVERIFY(m_view->largeScreen());
            const QList<qreal> sizes = textSizes();
            for (int i = 0; i < sizes.size(); ++i)
                QVERIFY2(qFuzzyCompare(sizes[i], 2 * normal[i]), qPrintable(QString::number(i)));
            for (QAbstractAxis* axis : chart->chart()->axes())
                QCOMPARE(axis->labelsFont().pointSizeF(), chart->font().pointSizeF());
            QVERIFY(chart->chart()->axes().first()->labelsFont().pointSizeF() > axisLabels);
            QCOMPARE(chart->runSeries(0)->pen().widthF(), 2 * runPen);
            QCOMPARE(chart->runSeries(0)->pen().color(), vesquin::SeriesColour(1, dark, true));
            QCOMPARE(bars->simulatedSet()->brush().color(), vesquin::SimulatedBarColour(dark, true));
            // The rows grow with their text, so that none is cut.
            QVERIFY(table->verticalHeader()->defaultSectionSize() > table->fontMetrics().height());
        };
        const auto expectNormal = [&] {
            QVERIFY(!check->isChecked());
            QVERIFY(!m_view->largeScreen());
            QCOMPARE(textSizes(), normal);
            QCOMPARE(chart->chart()->axes().first()->labelsFont().pointSizeF(), axisLabels);
            QCOMPARE(chart->runSeries(0)->pen().widthF(), runPen);
            QCOMPARE(chart->runSeries(0)->pen().color(), runColour);
            QCOMPARE(bars->simulatedSet()->brush().color(), barColour);
        };

        // The check box from the keyboard: Tab reaches it after the margin's, Alt+D switches it.
        m_view->findChild<QCheckBox*>(QStringLiteral("marginCheck"))->setFocus();
        Press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), check);
        Press(Qt::Key_Space);
        expectLarge();
        Press(Qt::Key_D, Qt::AltModifier);
        QTRY_VERIFY(!check->isChecked());
        expectNormal();

        // Control+plus and Control+minus, here and on the trials' tab; twice is still twice.
        Press(Qt::Key_Plus, Qt::ControlModifier);
        expectLarge();
        Press(Qt::Key_Plus, Qt::ControlModifier);
        expectLarge();
        Press(Qt::Key_Minus, Qt::ControlModifier);
        expectNormal();
        Press(Qt::Key_N, Qt::AltModifier);
        QTRY_VERIFY(pane()->isVisible());
        m_view->findChild<vesquin::TrialScene*>()->setFocus();
        Press(Qt::Key_Equal, Qt::ControlModifier);
        expectLarge();
        Press(Qt::Key_Minus, Qt::ControlModifier);
        expectNormal();
    }

    void stepsFollowTheChosenExperimentAndKeepThePrediction() {
        open();
        auto* group = m_view->findChild<vesquin::ExperimentGroup*>();
        QVERIFY(group);
        // Four shooters and eight plates, by the arrow keys.
        group->shootersBox()->setFocus();
        Press(Qt::Key_Up);
        group->platesBox()->setFocus();
        Press(Qt::Key_Up);
        Press(Qt::Key_Up);
        const vesquin::Experiment fourByEight = Make(4, 8);
        QVERIFY(pane()->run().experiment() == fourByEight);
        auto* guess = Named<QComboBox>(
            *pane(), QStringLiteral("¿Cuántos platos crees que se romperán más a menudo?"));
        QVERIFY(guess);
        QCOMPARE(guess->count(), 5);  // no guess, then 1 to 4
        QCOMPARE(guess->itemText(4), QStringLiteral("4"));

        pane()->setSeed(31);
        pane()->setReducedMotion(true);
        Named<QSpinBox>(*pane(), QStringLiteral("Ensayos de la simulación:"))->setValue(250);
        pane()->restart();
        guess->setCurrentIndex(3);
        Named<QSpinBox>(*pane(), QStringLiteral("¿Qué porcentaje de veces?"))->setValue(40);
        pane()->takeTrials(7);
        QCOMPARE(pane()->tallyText().split(QLatin1Char('\n')).size(), 1 + 4);
        for (const vesquin::TrialStep& step : pane()->run().recent()) {
            QCOMPARE(step.choices.size(), std::size_t(4));
            QCOMPARE(step.broken + step.intact, 8);
        }
        while (!pane()->run().finished()) pane()->takeTrials(100);

        QCOMPARE(m_history->runCount(), 1);
        vesquin::UniformSource source;
        const auto whole = std::get<vesquin::ExperimentRecord>(vesquin::PerformExperimentRun(
            fourByEight, "250", source, vesquin::kSpanishSymbols, vesquin::kRunMaximumTrials, 31));
        const vesquin::ExperimentEntry* entry = m_history->entry(0);
        QVERIFY(entry->record == whole);
        QVERIFY(entry->prediction == (vesquin::Prediction{3, 40}));
        QCOMPARE(pane()->sentenceText(),
                 QString::fromStdString(vesquin::PredictionSentence(
                     vesquin::Prediction{3, 40}, pane()->run().tally(),
                     vesquin::TheoryOf(fourByEight), vesquin::kSpanishSymbols)));

        // A run of the Experimento group's own has no guess: its cell stays empty.
        group->countBox()->setText(QStringLiteral("100"));
        group->simulate();
        QCOMPARE(m_history->runCount(), 2);
        const int column = m_history->predictionColumn();
        QCOMPARE(m_history->headerData(column, Qt::Horizontal).toString(),
                 QStringLiteral("Predicción"));
        QCOMPARE(m_history->index(0, column).data().toString(),
                 QStringLiteral("3 platos, 40\u00A0%"));
        QCOMPARE(m_history->index(1, column).data().toString(), QString());

        m_view->copyHistory();
        const QStringList lines =
            QApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY(lines.size() >= 3);
        QCOMPARE(Cells(lines[0], u'\t').at(column), QStringLiteral("Predicción"));
        QCOMPARE(Cells(lines[1], u'\t').at(column), QStringLiteral("3 platos, 40\u00A0%"));
        QCOMPARE(Cells(lines[2], u'\t').at(column), QString());

        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("historial.csv"));
        QVERIFY(m_view->saveCsvTo(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList rows = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"));
        QCOMPARE(Cells(rows[1], u';').at(column), QStringLiteral("3 platos, 40\u00A0%"));
        QCOMPARE(Cells(rows[2], u';').at(column), QString());
    }

    void theLargestExperimentGivesEveryGuessAndStartsAfresh() {
        open();
        auto* group = m_view->findChild<vesquin::ExperimentGroup*>();
        pane()->setReducedMotion(true);
        pane()->takeTrials(3);
        QCOMPARE(pane()->run().done(), 3);
        group->shootersBox()->setValue(10);
        group->platesBox()->setValue(20);
        // A run of another experiment cannot go on: a new one begins.
        QVERIFY(pane()->run().experiment() == Make(10, 20));
        QCOMPARE(pane()->run().done(), 0);
        auto* guess = Named<QComboBox>(
            *pane(), QStringLiteral("¿Cuántos platos crees que se romperán más a menudo?"));
        QCOMPARE(guess->count(), 11);
        pane()->takeTrials(10);
        for (const vesquin::TrialStep& step : pane()->run().recent()) {
            QCOMPARE(step.choices.size(), std::size_t(10));
            for (const int plate : step.choices) QVERIFY(plate >= 1 && plate <= 20);
        }
        QCOMPARE(pane()->tallyText().split(QLatin1Char('\n')).size(), 1 + 10);
        // Fewer plates than shooters: the guesses stop at the plates.
        group->platesBox()->setValue(3);
        QCOMPARE(guess->count(), 4);
    }
};

QTEST_MAIN(TeachingViewLargeTest)
#include "teaching_view_large_test.moc"
