// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QWidget;

namespace vesquin {

// Calls `then` once, after `widget`'s first paint: queued, so that it runs when the
// paint and its flush to the display are done, not in the middle of them. Of several
// calls on one widget, the one made last is queued first.
void AfterFirstPaint(QWidget& widget, std::function<void()> then);

}  // namespace vesquin
