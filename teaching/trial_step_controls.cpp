// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The pane's controls and their places. They are made in the order the Tab key
// visits them: the prediction first, as a pupil answers it before the run, then
// the drawing (where the space bar takes a trial), the buttons and the list.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "trial_scene.h"
#include "trial_step_pane.h"

namespace vesquin {
namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QString Plain(const std::string& label) {
    return Q(label).remove(QLatin1Char('&'));
}

QPushButton* NewButton(const std::string& label, QWidget* parent) {
    auto* button = new QPushButton(Q(label), parent);
    button->setAccessibleName(Plain(label));
    button->setAutoDefault(true);
    return button;
}

QLabel* NewLabel(const std::string& text, QWidget* parent, QWidget* buddy = nullptr) {
    auto* label = new QLabel(Q(text), parent);
    label->setWordWrap(true);
    if (buddy) {
        label->setBuddy(buddy);
        buddy->setAccessibleName(Plain(text));
    }
    return label;
}

}  // namespace

void TrialStepPane::buildControls() {
    const StepControlLabels& labels = StepLabels();
    setAccessibleName(Q(labels.title));

    auto* predictionBox = new QWidget(this);
    m_guessBroken = new QComboBox(predictionBox);
    m_guessBroken->addItem(Q(labels.noPrediction));  // the numbers follow the experiment
    m_guessPercent = new QSpinBox(predictionBox);
    m_guessPercent->setRange(0, 100);
    m_guessPercent->setValue(50);
    auto* predictionGrid = new QGridLayout(predictionBox);
    predictionGrid->setContentsMargins(0, 0, 0, 0);
    predictionGrid->addWidget(NewLabel(labels.howMany, predictionBox, m_guessBroken), 0, 0);
    predictionGrid->addWidget(m_guessBroken, 0, 1);
    predictionGrid->addWidget(NewLabel(labels.howOften, predictionBox, m_guessPercent), 1, 0);
    predictionGrid->addWidget(m_guessPercent, 1, 1);
    predictionGrid->setColumnStretch(0, 1);

    m_scene = new TrialScene(this);
    m_scene->setAccessibleName(Q(labels.title));
    m_outcome = new QLabel(this);
    m_outcome->setAlignment(Qt::AlignCenter);
    m_outcome->setMinimumHeight(fontMetrics().height() * 3 / 2);

    m_one = NewButton(labels.oneTrial, this);
    m_ten = NewButton(labels.tenTrials, this);
    m_hundred = NewButton(labels.hundredTrials, this);
    m_play = NewButton(labels.play, this);
    m_speed = new QSpinBox(this);
    m_speed->setRange(1, 20);
    m_speed->setValue(5);
    auto* speedLabel = NewLabel(labels.speed, this, m_speed);
    speedLabel->setWordWrap(false);
    m_noAnimation = new QCheckBox(Q(labels.noAnimation), this);
    m_noAnimation->setAccessibleName(Plain(labels.noAnimation));
    m_count = new QSpinBox(this);
    m_count->setRange(1, 10000);
    m_count->setValue(100);
    m_count->setGroupSeparatorShown(true);
    auto* countLabel = NewLabel(labels.trialCount, this, m_count);
    countLabel->setWordWrap(false);
    m_restart = NewButton(labels.restart, this);
    m_seedLabel = new QLabel(this);
    m_seedLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_recent = new QListWidget(this);
    m_recent->setAccessibleName(Q(labels.recentTitle));
    m_recent->setSelectionMode(QAbstractItemView::NoSelection);
    m_tally = new QLabel(this);
    m_tally->setAccessibleName(Q(labels.tallyTitle));
    m_tally->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_sentence = new QLabel(this);
    m_sentence->setWordWrap(true);
    m_sentence->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* stepRow = new QHBoxLayout;
    stepRow->addWidget(m_one);
    stepRow->addWidget(m_ten);
    stepRow->addWidget(m_hundred);
    stepRow->addStretch();
    auto* playRow = new QHBoxLayout;
    playRow->addWidget(m_play);
    playRow->addWidget(speedLabel);
    playRow->addWidget(m_speed);
    playRow->addWidget(m_noAnimation);
    playRow->addStretch();
    auto* runRow = new QHBoxLayout;
    runRow->addWidget(countLabel);
    runRow->addWidget(m_count);
    runRow->addWidget(m_restart);
    runRow->addWidget(m_seedLabel);
    runRow->addStretch();

    auto* left = new QVBoxLayout;
    left->addWidget(m_scene, 1);
    left->addWidget(m_outcome);
    left->addLayout(stepRow);
    left->addLayout(playRow);
    left->addLayout(runRow);
    auto* right = new QVBoxLayout;
    right->addWidget(predictionBox);
    right->addWidget(NewLabel(labels.tallyTitle, this));
    right->addWidget(m_tally);
    right->addWidget(NewLabel(labels.recentTitle, this, m_recent));
    right->addWidget(m_recent, 1);
    right->addWidget(m_sentence);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 3);
    layout->addLayout(right, 2);

    connect(m_one, &QPushButton::clicked, this, [this] { takeTrials(1); });
    connect(m_ten, &QPushButton::clicked, this, [this] { takeTrials(10); });
    connect(m_hundred, &QPushButton::clicked, this, [this] { takeTrials(100); });
    connect(m_play, &QPushButton::clicked, this, [this] { setPlaying(!m_playing); });
    connect(m_restart, &QPushButton::clicked, this, &TrialStepPane::restart);
    connect(m_noAnimation, &QCheckBox::toggled, this, &TrialStepPane::setReducedMotion);
    connect(m_count, &QSpinBox::valueChanged, this, [this] {
        // A new count reshapes a run not yet begun, on its own seed.
        if (m_run && m_run->done() == 0) {
            const std::optional<std::uint64_t> kept = m_seed;
            m_seed = m_run->seed();
            restart();
            m_seed = kept;
        }
    });
}

}  // namespace vesquin
