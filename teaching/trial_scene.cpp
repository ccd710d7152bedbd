// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "trial_scene.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace vesquin {
namespace {

// Clay orange, with a dark rim on a light background and a pale one on a dark
// background, where a dark rim would vanish and leave the pieces without an edge.
const QColor kPlateFill(232, 120, 40);
const QColor kPlateRim(60, 30, 10);
const QColor kPlateRimOnDark(255, 214, 170);

bool picked(const TrialStep& step, std::int32_t plate) {
    return std::find(step.choices.begin(), step.choices.end(), plate) != step.choices.end();
}

}  // namespace

TrialScene::TrialScene(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void TrialScene::setExperiment(std::int32_t shooters, std::int32_t plates) {
    m_shooters = std::max(shooters, std::int32_t{1});
    m_plates = std::max(plates, std::int32_t{1});
    update();
}

void TrialScene::showStep(const std::optional<TrialStep>& step) {
    m_step = step;
    update();
}

void TrialScene::setBreakProgress(double progress) {
    m_progress = std::clamp(progress, 0.0, 1.0);
    update();
}

QSize TrialScene::sizeHint() const {
    const int line = fontMetrics().height();
    return {line * 24, line * 14};
}

QSize TrialScene::minimumSizeHint() const {
    const int line = fontMetrics().height();
    return {line * 14, line * 9};
}

QPointF TrialScene::platePlace(std::int32_t plate, const QRectF& area) const {
    // An arc across the top, as the plates fly together.
    const double t = (plate - 0.5) / m_plates;
    const double x = area.left() + t * area.width();
    const double lift = std::sin(t * M_PI);
    return {x, area.top() + area.height() * (0.32 - 0.2 * lift)};
}

QPointF TrialScene::shooterPlace(std::int32_t shooter, const QRectF& area) const {
    const double t = (shooter + 0.5) / m_shooters;
    const double x = area.left() + area.width() * (0.15 + 0.7 * t);
    return {x, area.bottom() - area.height() * 0.18};
}

void TrialScene::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette& colours = palette();
    painter.fillRect(rect(), colours.color(QPalette::Base));
    const QColor ink = colours.color(QPalette::Text);
    const QColor aim = colours.color(QPalette::Highlight);
    const int line = fontMetrics().height();
    const QRectF area = QRectF(rect()).adjusted(line, line * 0.5, -line, -line * 0.5);
    const double radius = std::min(area.width() / (2.6 * m_plates), area.height() * 0.1);
    const double width = std::max(1.0, line / 8.0);
    const bool dark = colours.color(QPalette::Base).lightness() < ink.lightness();
    const QColor rim = dark ? kPlateRimOnDark : kPlateRim;

    // The lines of sight first, so the plates and the shooters cover their ends.
    if (m_step) {
        painter.setPen(QPen(aim, width * 1.5, Qt::DashLine));
        for (std::size_t s = 0; s < m_step->choices.size(); ++s) {
            const QPointF from = shooterPlace(static_cast<std::int32_t>(s), area);
            painter.drawLine(from - QPointF(0, line), platePlace(m_step->choices[s], area));
        }
    }

    for (std::int32_t plate = 1; plate <= m_plates; ++plate) {
        const QPointF centre = platePlace(plate, area);
        const bool broken = m_step && picked(*m_step, plate);
        painter.setPen(QPen(rim, width));
        if (!broken) {
            painter.setBrush(kPlateFill);
            painter.drawEllipse(centre, radius, radius * 0.45);
        } else {
            // Four pieces flying apart, a little faded but still plain to see when
            // they come to rest, on a dark background as on a light one.
            const double spread = radius * (0.15 + 0.9 * m_progress);
            QColor shard = kPlateFill;
            shard.setAlphaF(1.0 - 0.3 * m_progress);
            painter.setBrush(shard);
            for (int piece = 0; piece < 4; ++piece) {
                const double angle = M_PI / 4 + piece * M_PI / 2;
                const QPointF at =
                    centre + QPointF(std::cos(angle) * spread, std::sin(angle) * spread * 0.6);
                QPainterPath path;
                path.moveTo(at);
                path.arcTo(
                    QRectF(at.x() - radius * 0.5, at.y() - radius * 0.25, radius, radius * 0.5),
                    angle * 180 / M_PI - 45, 90);
                path.closeSubpath();
                painter.drawPath(path);
            }
        }
        painter.setPen(ink);
        const QRectF label(centre.x() - radius, centre.y() - radius * 0.45 - line * 1.3, 2 * radius,
                           line * 1.2);
        painter.drawText(label, Qt::AlignCenter, QString::number(plate));
    }

    painter.setBrush(Qt::NoBrush);
    for (std::int32_t shooter = 0; shooter < m_shooters; ++shooter) {
        const QPointF foot = shooterPlace(shooter, area);
        painter.setPen(QPen(ink, width * 2, Qt::SolidLine, Qt::RoundCap));
        painter.drawEllipse(foot - QPointF(0, line * 1.6), line * 0.35, line * 0.35);
        painter.drawLine(foot - QPointF(0, line * 1.25), foot);
        if (m_step && static_cast<std::size_t>(shooter) < m_step->choices.size()) {
            const QString number = QString::number(m_step->choices[shooter]);
            painter.drawText(QRectF(foot.x() - line * 2, foot.y() + line * 0.1, line * 4, line),
                             Qt::AlignCenter, number);
        }
    }
}

}  // namespace vesquin
