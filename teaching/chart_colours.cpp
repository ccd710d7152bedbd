// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart_colours.h"

namespace vesquin {

bool IsDarkPalette(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() <
           palette.color(QPalette::WindowText).lightness();
}

std::array<QColor, 3> OutcomeColours(bool dark) {
    // Vermilion, blue and bluish green; lighter shades of the same on dark windows.
    if (dark) return {QColor(0xFF, 0x8A, 0x4C), QColor(0x6C, 0xB8, 0xF0), QColor(0x3F, 0xD0, 0xA0)};
    return {QColor(0xD5, 0x5E, 0x00), QColor(0x00, 0x72, 0xB2), QColor(0x00, 0x9E, 0x73)};
}

QColor SimulatedBarColour(bool dark) {
    return dark ? QColor(0xF0, 0xB0, 0x40) : QColor(0xC0, 0x00, 0x00);
}

QColor TheoryBarColour(bool dark) {
    return dark ? QColor(0x80, 0x90, 0xFF) : QColor(0x00, 0x00, 0xFF);
}

}  // namespace vesquin
