// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// "Ensayo a ensayo" driven from the keyboard alone: Tab, the access keys and the
// space bar take real trials, and the run ends on the tallies of the whole run
// with the same seed. Waits are on the pane's signals.
#include <QtTest>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>

#include <variant>

#include "experiment_history.h"
#include "experiment_run.h"
#include "trial_scene.h"
#include "trial_step_pane.h"

using vesquin::TrialStepPane;

namespace {

vesquin::RunRecord WholeRun(std::int32_t trials, std::uint64_t seed) {
    vesquin::UniformSource source;
    return std::get<vesquin::RunRecord>(vesquin::PerformRun(std::to_string(trials), source,
                                                            vesquin::kSpanishSymbols,
                                                            vesquin::kRunMaximumTrials, seed));
}

template <typename Widget>
Widget* Named(QWidget& pane, const QString& accessibleName) {
    for (Widget* widget : pane.findChildren<Widget*>())
        if (widget->accessibleName() == accessibleName) return widget;
    return nullptr;
}

// Sends the key to the widget that has the focus, as the keyboard would.
void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = QApplication::focusWidget();
    QVERIFY(target);
    QTest::keyClick(target, key, modifiers);
}

// An access key clicks its button a moment later, as a mouse click would show;
// this waits for the click, polling rather than sleeping.
void PressAccessKey(QAbstractButton* button, Qt::Key key) {
    QVERIFY(button);
    QSignalSpy clicked(button, &QAbstractButton::clicked);
    Press(key, Qt::AltModifier);
    QTRY_COMPARE(clicked.count(), 1);
}

}  // namespace

class TrialStepPaneTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TrialStepPane> m_pane;

    void openPane(std::uint64_t seed, int trials, bool reduced) {
        m_pane = std::make_unique<TrialStepPane>(vesquin::kSpanishSymbols);
        m_pane->setSeed(seed);
        m_pane->setReducedMotion(reduced);
        Named<QSpinBox>(*m_pane, QStringLiteral("Ensayos de la simulación:"))->setValue(trials);
        m_pane->restart();
        m_pane->show();
        m_pane->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_pane.get()));
    }

  private slots:
    void cleanup() { m_pane.reset(); }

    void tabVisitsEveryControlInOrder() {
        openPane(1, 100, true);
        Named<QComboBox>(*m_pane,
                         QStringLiteral("¿Cuántos platos crees que se romperán más a menudo?"))
            ->setFocus();
        const QStringList expected{
            QStringLiteral("¿Qué porcentaje de veces?"),
            QStringLiteral("Ensayo a ensayo"),
            QStringLiteral("Un ensayo"),
            QStringLiteral("10 ensayos"),
            QStringLiteral("100 ensayos"),
            QStringLiteral("Reproducir"),
            QStringLiteral("Velocidad (ensayos por segundo):"),
            QStringLiteral("Sin animación"),
            QStringLiteral("Ensayos de la simulación:"),
            QStringLiteral("Empezar de nuevo"),
            QStringLiteral("Últimos ensayos"),
        };
        for (const QString& name : expected) {
            Press(Qt::Key_Tab);
            QVERIFY(QApplication::focusWidget());
            QCOMPARE(QApplication::focusWidget()->accessibleName(), name);
        }
    }

    void keyboardStepsEndOnTheWholeRunsTallies_data() {
        QTest::addColumn<quint64>("seed");
        QTest::addColumn<int>("trials");
        QTest::newRow("seed 7, 50 trials") << quint64(7) << 50;
        QTest::newRow("seed 12345, 50 trials") << quint64(12345) << 50;
        QTest::newRow("seed 0, 137 trials") << quint64(0) << 137;
    }
    void keyboardStepsEndOnTheWholeRunsTallies() {
        QFETCH(quint64, seed);
        QFETCH(int, trials);
        openPane(seed, trials, true);
        QSignalSpy stepped(m_pane.get(), &TrialStepPane::stepped);
        QSignalSpy finished(m_pane.get(), &TrialStepPane::runFinished);

        // The space bar on the drawing, then on the "Un ensayo" button itself.
        Named<vesquin::TrialScene>(*m_pane, QStringLiteral("Ensayo a ensayo"))->setFocus();
        for (int i = 0; i < 3; ++i) Press(Qt::Key_Space);
        QCOMPARE(m_pane->run().done(), 3);
        Press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->accessibleName(), QStringLiteral("Un ensayo"));
        Press(Qt::Key_Space);
        QCOMPARE(m_pane->run().done(), 4);
        // The access keys: Alt+1 for ten, Alt+0 for a hundred, Alt+U for one.
        auto* one = Named<QPushButton>(*m_pane, QStringLiteral("Un ensayo"));
        PressAccessKey(one, Qt::Key_U);
        PressAccessKey(Named<QPushButton>(*m_pane, QStringLiteral("10 ensayos")), Qt::Key_1);
        QCOMPARE(m_pane->run().done(), 15);
        while (!m_pane->run().finished())
            PressAccessKey(Named<QPushButton>(*m_pane, QStringLiteral("100 ensayos")), Qt::Key_0);
        QCOMPARE(m_pane->run().done(), trials);
        QCOMPARE(stepped.count(), 6 + (trials - 15 + 99) / 100);
        QCOMPARE(stepped.last().at(0).toInt(), trials);

        const vesquin::RunRecord whole = WholeRun(trials, seed);
        QCOMPARE(finished.count(), 1);
        const auto record = finished.first().at(0).value<vesquin::ExperimentRecord>();
        QVERIFY(AsRunTally(m_pane->run().tally()) == whole.tally);
        QVERIFY(record == vesquin::ClassicRecord(whole));
        QCOMPARE(record.seed, seed);
        // A finished run takes no more trials.
        PressAccessKey(one, Qt::Key_U);
        QCOMPARE(m_pane->run().done(), trials);
        QCOMPARE(stepped.count(), 6 + (trials - 15 + 99) / 100);
    }

    void listAndOutcomeShowTheLastTrials() {
        openPane(99, 40, true);
        m_pane->takeTrials(25);
        const QStringList lines = m_pane->recentLines();
        QCOMPARE(lines.size(), int(vesquin::StepRun::kKeptSteps));
        const vesquin::TrialStep& last = m_pane->run().recent().back();
        QCOMPARE(lines.last(), QString::fromStdString(TrialLine(last, vesquin::kSpanishSymbols)));
        QVERIFY(lines.first().startsWith(QStringLiteral("Ensayo 6: ")));
        QCOMPARE(m_pane->outcomeText(), QString::fromStdString(TrialOutcomeText(last)));
        QCOMPARE(m_pane->scene().step()->choices, last.choices);
        QVERIFY(m_pane->tallyText().startsWith(QStringLiteral("Ensayos: 25 de 40\n")));
        // Trial by trial, then ten at a time, the list stays the run's last trials.
        for (const int batch : {1, 1, 10, 1}) {
            m_pane->takeTrials(batch);
            QStringList expected;
            for (const vesquin::TrialStep& step : m_pane->run().recent())
                expected << QString::fromStdString(TrialLine(step, vesquin::kSpanishSymbols));
            QCOMPARE(m_pane->recentLines(), expected);
        }
        QVERIFY(m_pane->recentLines().last().startsWith(QStringLiteral("Ensayo 38: ")));
    }

    void predictionIsSetBesideTheResult() {
        openPane(5, 20, true);
        auto* broken = Named<QComboBox>(
            *m_pane, QStringLiteral("¿Cuántos platos crees que se romperán más a menudo?"));
        auto* percent = Named<QSpinBox>(*m_pane, QStringLiteral("¿Qué porcentaje de veces?"));
        broken->setFocus();
        Press(Qt::Key_Down);
        Press(Qt::Key_Down);
        QCOMPARE(broken->currentIndex(), 2);
        percent->setFocus();
        percent->selectAll();
        QTest::keyClicks(percent, QStringLiteral("35"));
        QSignalSpy finished(m_pane.get(), &TrialStepPane::runFinished);
        m_pane->takeTrials(20);
        QCOMPARE(finished.count(), 1);
        const auto guess = finished.first().at(1).value<std::optional<vesquin::Prediction>>();
        QVERIFY(guess == (vesquin::Prediction{2, 35}));
        QVERIFY2(m_pane->sentenceText().startsWith(
                     QStringLiteral("Tu predicción: 2 platos, 35\u00A0%. Simulación: ")),
                 qPrintable(m_pane->sentenceText()));
        QVERIFY(m_pane->sentenceText().endsWith(QStringLiteral("Teoría: 3 platos, 55,56\u00A0%.")));
        QVERIFY(!broken->isEnabled());
        // Starting again clears the sentence and asks again.
        PressAccessKey(Named<QPushButton>(*m_pane, QStringLiteral("Empezar de nuevo")), Qt::Key_E);
        QCOMPARE(m_pane->run().done(), 0);
        QVERIFY(m_pane->sentenceText().isEmpty());
        QVERIFY(broken->isEnabled());
    }

    void reducedMotionDrawsTheTrialAtOnce() {
        openPane(3, 10, true);
        QSignalSpy drawn(m_pane.get(), &TrialStepPane::stepDrawn);
        m_pane->takeTrials(1);
        QCOMPARE(drawn.count(), 1);
        QCOMPARE(m_pane->scene().breakProgress(), 1.0);
        QVERIFY(!m_pane->moving());
    }

    void motionBreaksThePlatesThenStopsTheTimer() {
        openPane(3, 10, false);
        QVERIFY(!m_pane->moving());
        QSignalSpy drawn(m_pane.get(), &TrialStepPane::stepDrawn);
        m_pane->takeTrials(1);
        QCOMPARE(drawn.count(), 0);
        QCOMPARE(m_pane->scene().breakProgress(), 0.0);
        QVERIFY(m_pane->moving());
        QVERIFY(drawn.wait(5000));
        QCOMPARE(m_pane->scene().breakProgress(), 1.0);
        QVERIFY(!m_pane->moving());
        // Asking for less motion mid-break finishes the break at once.
        m_pane->takeTrials(1);
        QVERIFY(m_pane->moving());
        PressAccessKey(Named<QCheckBox>(*m_pane, QStringLiteral("Sin animación")), Qt::Key_A);
        QCOMPARE(drawn.count(), 2);
        QVERIFY(!m_pane->moving());
    }

    void playingTakesTrialsUntilPausedOrDone() {
        openPane(8, 6, true);
        Named<QSpinBox>(*m_pane, QStringLiteral("Velocidad (ensayos por segundo):"))->setValue(20);
        QSignalSpy stepped(m_pane.get(), &TrialStepPane::stepped);
        QSignalSpy finished(m_pane.get(), &TrialStepPane::runFinished);
        auto* play = Named<QPushButton>(*m_pane, QStringLiteral("Reproducir"));
        PressAccessKey(play, Qt::Key_R);
        QVERIFY(m_pane->playing());
        QCOMPARE(play->accessibleName(), QStringLiteral("Pausa"));
        QVERIFY(stepped.wait(5000));
        PressAccessKey(play, Qt::Key_P);
        QVERIFY(!m_pane->playing());
        QVERIFY(!m_pane->moving());
        const int paused = m_pane->run().done();
        QVERIFY(paused >= 1 && paused < 6);
        PressAccessKey(play, Qt::Key_R);
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 5000);
        QCOMPARE(m_pane->run().done(), 6);
        QVERIFY(!m_pane->playing());
        QVERIFY(!m_pane->moving());
        QCOMPARE(play->accessibleName(), QStringLiteral("Reproducir"));
        QVERIFY(AsRunTally(m_pane->run().tally()) == WholeRun(6, 8).tally);
    }
};

Q_DECLARE_METATYPE(vesquin::ExperimentRecord)
Q_DECLARE_METATYPE(std::optional<vesquin::Prediction>)

QTEST_MAIN(TrialStepPaneTest)
#include "trial_step_pane_test.moc"
