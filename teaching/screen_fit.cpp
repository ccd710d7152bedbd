// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "screen_fit.h"

#include <QBoxLayout>
#include <QScreen>

#include <algorithm>

namespace vesquin {

QRect FittedGeometry(const QScreen* screen, QSize wanted) {
    if (!screen) return QRect(QPoint(0, 0), wanted);
    const QRect available = screen->availableGeometry();
    // A window manager adds a frame and a title bar outside the window itself.
    const QSize room(available.width() - 16, available.height() - 40);
    const QSize size = wanted.boundedTo(room.expandedTo(QSize(200, 150)));
    return QRect(QPoint(available.x() + (available.width() - size.width()) / 2,
                        available.y() + std::max(0, (available.height() - size.height() - 32) / 2)),
                 size);
}

void PanelRows::reflow(int room) {
    for (auto& [row, sideBySide] : m_rows) {
        if (row->direction() == QBoxLayout::LeftToRight) sideBySide = row->minimumSize().width();
        const QBoxLayout::Direction direction =
            sideBySide > room ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight;
        if (row->direction() != direction) row->setDirection(direction);
    }
}

void PanelRows::standSideBySide() {
    for (auto& [row, sideBySide] : m_rows)
        if (row->direction() != QBoxLayout::LeftToRight) row->setDirection(QBoxLayout::LeftToRight);
}

}  // namespace vesquin
