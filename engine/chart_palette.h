// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The colours of the teaching charts, one set for the desktop and the page alike, so
// that a pupil moving between them reads the same colour as the same thing. Lines
// take one colour per number of broken plates (vermilion, blue, bluish green: told
// apart with every common colour-blindness; larger experiments add seven more hues
// and lightnesses); bars take one colour per series, the
// simulation on the left of each pair and the theory on the right. Every colour
// stands at least 3:1 against the background it is drawn on.

#include <array>
#include <cstdint>
#include <string>

namespace vesquin {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct ChartPalette {
    Rgb background;
    std::array<Rgb, 3> outcomes;  // one, two and three broken plates
    Rgb simulatedBar;
    Rgb theoryBar;
    // One line colour for each number of broken plates an experiment can give, up to
    // ten; the first three are `outcomes`, so the puzzle's charts keep their colours.
    std::array<Rgb, 10> series;

    friend bool operator==(const ChartPalette&, const ChartPalette&) = default;
};

// On a light window, and on a dark one (light text on a dark background).
const ChartPalette& ChartColours(bool dark);

// For a projector at the back of a room: the same hues, darker on pure white or
// lighter on pure black, every one at least 7:1 against its background.
const ChartPalette& HighContrastChartColours(bool dark);

// "#0072b2".
std::string HexColour(Rgb colour);

// The contrast ratio of two colours by their relative luminance, 1 to 21:
// white on black gives 21, #0072b2 on white 5,19.
double ContrastRatio(Rgb first, Rgb second);

}  // namespace vesquin
