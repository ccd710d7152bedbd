// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The drawing of one trial: the shooters at their posts, the plates in the air,
// a line from each shooter to the plate it picked, and the picked plates
// breaking. It draws the step it is given at the progress it is given; the pane
// that owns it keeps the one timer that moves the progress.

#include <QWidget>

#include <optional>

#include "trial_steps.h"

namespace vesquin {

class TrialScene : public QWidget {
    Q_OBJECT

  public:
    explicit TrialScene(QWidget* parent = nullptr);

    void setExperiment(std::int32_t shooters, std::int32_t plates);
    // The trial to draw, or none (the plates before the first trial).
    void showStep(const std::optional<TrialStep>& step);
    // How far the picked plates have broken, 0 (just aimed at) to 1 (in pieces).
    void setBreakProgress(double progress);

    const std::optional<TrialStep>& step() const { return m_step; }
    double breakProgress() const { return m_progress; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPointF platePlace(std::int32_t plate, const QRectF& area) const;
    QPointF shooterPlace(std::int32_t shooter, const QRectF& area) const;

    std::int32_t m_shooters = 3;
    std::int32_t m_plates = 6;
    std::optional<TrialStep> m_step;
    double m_progress = 1;
};

}  // namespace vesquin
