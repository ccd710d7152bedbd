// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart_colours.h"

#include <algorithm>

#include "chart_palette.h"

namespace vesquin {
namespace {

QColor ToQColor(Rgb colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

const ChartPalette& PaletteFor(bool dark, bool highContrast) {
    return highContrast ? HighContrastChartColours(dark) : ChartColours(dark);
}

}  // namespace

bool IsDarkPalette(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() <
           palette.color(QPalette::WindowText).lightness();
}

// The engine holds the colours, so that the web page draws with the very same.
std::array<QColor, 3> OutcomeColours(bool dark) {
    const ChartPalette& palette = ChartColours(dark);
    return {ToQColor(palette.outcomes[0]), ToQColor(palette.outcomes[1]),
            ToQColor(palette.outcomes[2])};
}

QColor SeriesColour(int platesBroken, bool dark, bool highContrast) {
    const auto& series = PaletteFor(dark, highContrast).series;
    const auto index = static_cast<std::size_t>(std::clamp(platesBroken, 1, int(series.size())));
    return ToQColor(series[index - 1]);
}

QColor SimulatedBarColour(bool dark, bool highContrast) {
    return ToQColor(PaletteFor(dark, highContrast).simulatedBar);
}

QColor TheoryBarColour(bool dark, bool highContrast) {
    return ToQColor(PaletteFor(dark, highContrast).theoryBar);
}

}  // namespace vesquin
