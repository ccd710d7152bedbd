// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// "Ensayo a ensayo": a run watched one trial at a time, ten at a time or played
// at a chosen speed, with the tally beside the theory, the last trials as text
// and the pupil's prediction set beside the result at the end. The trials are
// the engine's StepRun; one timer plays them and moves the breaking plates, and
// it stops when nothing moves. Reduced motion shows each trial at once.

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <optional>

#include "experiment_theory.h"
#include "number_text.h"
#include "step_texts.h"
#include "trial_steps.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace vesquin {

class TrialScene;

class TrialStepPane : public QWidget {
    Q_OBJECT

  public:
    // How long the picked plates take to break.
    static constexpr int kBreakMilliseconds = 300;

    explicit TrialStepPane(LocaleSymbols symbols, QWidget* parent = nullptr);

    // The seed of the next run started; none takes it from the clock.
    void setSeed(std::optional<std::uint64_t> seed);
    // The experiment of the runs stepped (3 x 6 until told otherwise). Another one
    // than the current run's starts a new run of it.
    void setExperiment(const Experiment& experiment);
    // Starts a new run of the count in the box, with the seed set or a new one.
    void restart();
    // Takes up to `count` trials, as the buttons do.
    void takeTrials(std::int32_t count);
    void setPlaying(bool playing);
    void setReducedMotion(bool reduced);

    const StepRun& run() const { return *m_run; }
    bool playing() const { return m_playing; }
    bool moving() const { return m_timer.isActive(); }
    const TrialScene& scene() const { return *m_scene; }
    QString outcomeText() const;
    QString tallyText() const;
    QString sentenceText() const;
    QStringList recentLines() const;

  signals:
    // After every batch of trials taken (one, ten, a hundred, or one played).
    void stepped(int done);
    // When the drawing shows the last trial taken, broken and still.
    void stepDrawn();
    // When the run's last trial has been taken.
    void runFinished(const vesquin::ExperimentRecord& record,
                     const std::optional<vesquin::Prediction>& prediction);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void buildControls();
    void tick();
    void showTally();
    void moveTimer();
    void offerGuesses();
    std::optional<Prediction> prediction() const;

    LocaleSymbols m_symbols;
    std::optional<std::uint64_t> m_seed;
    Experiment m_experiment = Experiment::Classic();
    ExperimentTheory m_theory = TheoryOf(Experiment::Classic());
    std::unique_ptr<StepRun> m_run;
    bool m_playing = false;
    bool m_reducedMotion = false;
    QTimer m_timer;
    QElapsedTimer m_sinceStep;  // since the last trial was drawn
    QElapsedTimer m_sincePlay;  // since the last trial was played

    TrialScene* m_scene = nullptr;
    QLabel* m_outcome = nullptr;
    QLabel* m_seedLabel = nullptr;
    QLabel* m_tally = nullptr;
    QLabel* m_sentence = nullptr;
    QListWidget* m_recent = nullptr;
    QSpinBox* m_count = nullptr;
    QSpinBox* m_speed = nullptr;
    QComboBox* m_guessBroken = nullptr;
    QSpinBox* m_guessPercent = nullptr;
    QPushButton* m_one = nullptr;
    QPushButton* m_ten = nullptr;
    QPushButton* m_hundred = nullptr;
    QPushButton* m_play = nullptr;
    QPushButton* m_restart = nullptr;
    QCheckBox* m_noAnimation = nullptr;
};

}  // namespace vesquin
