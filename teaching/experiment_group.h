// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// "Experimento": the teaching view's own runs, of any experiment. The pupil sets
// how many shooters and plates, reads the puzzle rewritten for them, types a
// count and presses "Simular"; the count is read with the window's rules, and a
// refused one is told with the window's message. The window's own runs go on
// arriving, as 3 x 6 runs, and never pass through here.

#include <QGroupBox>
#include <QString>

#include "experiment.h"
#include "experiment_record.h"
#include "number_text.h"
#include "uniform_source.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace vesquin {

class ExperimentGroup : public QGroupBox {
    Q_OBJECT

  public:
    explicit ExperimentGroup(LocaleSymbols symbols, QWidget* parent = nullptr);

    Experiment experiment() const;
    QString statementText() const;
    QSpinBox* shootersBox() const { return m_shooters; }
    QSpinBox* platesBox() const { return m_plates; }
    QLineEdit* countBox() const { return m_count; }
    QPushButton* simulateButton() const { return m_simulate; }
    // The first and last of the group in the keyboard order.
    QWidget* firstInOrder() const;
    QWidget* lastInOrder() const;

    // "Simular": reads the count and performs the run, or tells why not.
    void simulate();

  signals:
    void runPerformed(const vesquin::ExperimentRecord& record);
    // The message a refused count was told with (shown in a warning box first).
    void runRefused(const QString& message);

  private:
    void restate();

    LocaleSymbols m_symbols;
    QSpinBox* m_shooters = nullptr;
    QSpinBox* m_plates = nullptr;
    QLineEdit* m_count = nullptr;
    QPushButton* m_simulate = nullptr;
    QLabel* m_statement = nullptr;
    UniformSource m_source;  // reseeded from the clock by every run
};

}  // namespace vesquin
