// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace vesquin {

// Gives the application its icon in every size once `window` has been painted for the
// first time: the window starts with the small sizes, so that sending the large ones
// to the display does not delay it.
void CompleteIconAfterFirstPaint(QWidget& window);

}  // namespace vesquin
