// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Fitting a window of panels to the screen it opens on: a size and place within
// the screen's free area, and rows of panels that stand one above the other when
// the window is too narrow for them side by side.

#include <QRect>
#include <QSize>

#include <utility>
#include <vector>

class QBoxLayout;
class QScreen;

namespace vesquin {

// `wanted`, made smaller where the free area of `screen` is smaller (with room
// for a title bar), centred in that area. `wanted` at the origin when there is no screen.
QRect FittedGeometry(const QScreen* screen, QSize wanted);

class PanelRows {
  public:
    void add(QBoxLayout* row) { m_rows.emplace_back(row, 0); }
    // Each row side by side if `room` pixels hold its panels' least widths,
    // otherwise one panel above the other.
    void reflow(int room);
    // Every row side by side again, to be measured afresh at the next reflow, once
    // laid out: after a change of fonts, when a row's old width says nothing.
    void standSideBySide();

  private:
    // Each row and its least width side by side, known only while it stands so.
    std::vector<std::pair<QBoxLayout*, int>> m_rows;
};

}  // namespace vesquin
