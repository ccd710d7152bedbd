// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "trial_step_pane.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>

#include <algorithm>

#include "trial_scene.h"
#include "uniform_source.h"

namespace vesquin {
namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// About sixty frames a second while something moves.
constexpr int kFrameMilliseconds = 16;

void Announce(QLabel* label) {
    QAccessibleEvent event(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

}  // namespace

TrialStepPane::TrialStepPane(LocaleSymbols symbols, QWidget* parent)
    : QWidget(parent), m_symbols(std::move(symbols)) {
    m_timer.setInterval(kFrameMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &TrialStepPane::tick);
    buildControls();
    m_reducedMotion = style()->styleHint(QStyle::SH_Widget_Animation_Duration, nullptr, this) == 0;
    m_noAnimation->setChecked(m_reducedMotion);
    restart();
}

void TrialStepPane::setSeed(std::optional<std::uint64_t> seed) {
    m_seed = seed;
}

void TrialStepPane::setExperiment(const Experiment& experiment) {
    if (experiment == m_experiment) return;
    m_experiment = experiment;
    m_theory = TheoryOf(experiment);
    restart();
}

void TrialStepPane::offerGuesses() {
    // One choice for each number of plates the experiment can break, as it asks.
    const int wanted = m_experiment.mostBroken() + 1;
    if (m_guessBroken->count() == wanted) return;
    const int kept = m_guessBroken->currentIndex();
    while (m_guessBroken->count() > wanted) m_guessBroken->removeItem(m_guessBroken->count() - 1);
    for (int broken = m_guessBroken->count(); broken < wanted; ++broken)
        m_guessBroken->addItem(QString::number(broken));
    m_guessBroken->setCurrentIndex(kept < wanted ? kept : 0);
}

void TrialStepPane::restart() {
    setPlaying(false);
    const std::uint64_t seed = m_seed ? *m_seed : UniformSource().seed();
    m_run = std::make_unique<StepRun>(m_count->value(), seed, m_experiment);
    offerGuesses();
    m_scene->setExperiment(m_run->experiment().shooters(), m_run->experiment().plates());
    m_scene->showStep(std::nullopt);
    m_scene->setBreakProgress(1);
    m_recent->clear();
    m_outcome->clear();
    m_sentence->clear();
    m_seedLabel->setText(Q(StepSeedText(seed)));
    m_guessBroken->setEnabled(true);
    m_guessPercent->setEnabled(true);
    showTally();
    moveTimer();
}

void TrialStepPane::takeTrials(std::int32_t count) {
    const std::vector<TrialStep> steps = m_run->Advance(count);
    if (steps.empty()) return;
    m_guessBroken->setEnabled(false);
    m_guessPercent->setEnabled(false);
    m_scene->showStep(steps.back());
    m_outcome->setText(Q(TrialOutcomeText(steps.back())));
    // The list follows the run's own last trials; only the new lines are written.
    const std::size_t kept = m_run->recent().size();
    const std::size_t fresh = std::min(steps.size(), kept);
    for (std::size_t i = kept - fresh; i < kept; ++i)
        m_recent->addItem(Q(TrialLine(m_run->recent()[i], m_symbols)));
    while (static_cast<std::size_t>(m_recent->count()) > kept) delete m_recent->takeItem(0);
    m_recent->scrollToBottom();
    showTally();
    // Spoken once a batch, and not at every trial played, so a reader keeps up.
    if (!m_playing) Announce(m_outcome);
    emit stepped(m_run->done());
    if (m_reducedMotion) {
        m_scene->setBreakProgress(1);
        emit stepDrawn();
    } else {
        m_scene->setBreakProgress(0);
        m_sinceStep.start();
    }
    if (m_run->finished()) {
        setPlaying(false);
        m_sentence->setText(
            Q(PredictionSentence(prediction(), m_run->tally(), m_theory, m_symbols)));
        Announce(m_sentence);
        emit runFinished(m_run->GeneralRecord(), prediction());
    }
    moveTimer();
}

void TrialStepPane::setPlaying(bool playing) {
    if (m_run && m_run->finished()) playing = false;
    m_playing = playing;
    const StepControlLabels& labels = StepLabels();
    m_play->setText(Q(playing ? labels.pause : labels.play));
    m_play->setAccessibleName(QString(m_play->text()).remove(QLatin1Char('&')));
    if (playing) m_sincePlay.start();
    moveTimer();
}

void TrialStepPane::setReducedMotion(bool reduced) {
    m_reducedMotion = reduced;
    if (m_noAnimation->isChecked() != reduced) m_noAnimation->setChecked(reduced);
    if (reduced && m_scene->breakProgress() < 1) {
        m_scene->setBreakProgress(1);
        emit stepDrawn();
    }
    moveTimer();
}

void TrialStepPane::tick() {
    if (m_scene->breakProgress() < 1) {
        const double progress = double(m_sinceStep.elapsed()) / kBreakMilliseconds;
        m_scene->setBreakProgress(progress);
        if (progress >= 1) emit stepDrawn();
    }
    if (m_playing && m_sincePlay.elapsed() >= 1000 / m_speed->value()) {
        m_sincePlay.start();
        takeTrials(1);
    }
    moveTimer();
}

void TrialStepPane::moveTimer() {
    const bool moves = m_playing || (!m_reducedMotion && m_scene->breakProgress() < 1);
    if (moves && !m_timer.isActive()) m_timer.start();
    if (!moves) m_timer.stop();
}

void TrialStepPane::showTally() {
    QString text = Q(StepProgressText(m_run->done(), m_run->trials(), m_symbols));
    for (std::int32_t broken = 1; broken <= m_run->experiment().mostBroken(); ++broken) {
        const auto index = static_cast<std::size_t>(broken - 1);
        const double percent = index < m_theory.broken.size() ? m_theory.broken[index].percent : 0;
        text += QLatin1Char('\n') + Q(StepTallyLine(m_run->tally(), broken, percent, m_symbols));
    }
    m_tally->setText(text);
}

std::optional<Prediction> TrialStepPane::prediction() const {
    const int broken = m_guessBroken->currentIndex();
    if (broken < 1) return std::nullopt;
    return Prediction{broken, m_guessPercent->value()};
}

void TrialStepPane::keyPressEvent(QKeyEvent* event) {
    // The space bar takes a trial wherever no control of its own takes the key.
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        takeTrials(1);
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

QString TrialStepPane::outcomeText() const {
    return m_outcome->text();
}

QString TrialStepPane::tallyText() const {
    return m_tally->text();
}

QString TrialStepPane::sentenceText() const {
    return m_sentence->text();
}

QStringList TrialStepPane::recentLines() const {
    QStringList lines;
    for (int row = 0; row < m_recent->count(); ++row) lines << m_recent->item(row)->text();
    return lines;
}

}  // namespace vesquin
