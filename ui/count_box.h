// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How txtNs takes what is pasted or dropped into it: whole, and on one line, so that
// the number rules see exactly what the user gave them.

class QLineEdit;

namespace vesquin {

// The longest count the box holds. Far beyond any number a user means (the rules read
// 100.000 digits in well under a millisecond), yet a text past Qt's default of 32767
// characters is not cut short in silence.
inline constexpr int kCountBoxMaximumLength = 1'000'000;

// Raises the box's length limit to kCountBoxMaximumLength, and makes text pasted
// (keyboard, context menu, middle button) or dropped into it lose its line breaks
// (WithoutLineBreaks) before it goes in, as one step that a single undo takes back.
void PrepareCountBox(QLineEdit& count);

}  // namespace vesquin
