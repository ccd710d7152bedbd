// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The colours the window was drawn for: a light grey window, white boxes, black text.

#include <QPalette>

namespace vesquin {

// A complete light palette (window 239,239,239, boxes white, text black; the disabled
// group greyed), the same whatever the desktop's theme. The layout's own colours (red
// titles, dark red results on light grey) only read on it, so the main window takes it
// instead of the desktop's, which may be dark.
QPalette LightWindowPalette();

}  // namespace vesquin
