// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The teaching view's colours: one per number of broken plates, told apart by
// readers with colour-blindness too, and bright enough on a dark background.

#include <QColor>
#include <QPalette>

#include <array>

namespace vesquin {

// Whether `palette` draws light text on a dark window (a dark system theme).
bool IsDarkPalette(const QPalette& palette);

// One, two and three broken plates.
std::array<QColor, 3> OutcomeColours(bool dark);

// The line of j broken plates (j from 1 to 10): the first three are OutcomeColours.
// `highContrast` takes the projector's set ("Pantalla grande").
QColor SeriesColour(int platesBroken, bool dark, bool highContrast = false);

// The bars of the simulation and of the theory.
QColor SimulatedBarColour(bool dark, bool highContrast = false);
QColor TheoryBarColour(bool dark, bool highContrast = false);

}  // namespace vesquin
