// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace vesquin {

// The window is laid out for "MS Sans Serif". Where that font is missing,
// fontconfig would pick a wider face and the bold labels would overflow their
// boxes; Liberation Sans keeps every text inside its control. "Comic Sans MS"
// (the footer) falls back to Comic Neue. Call once, before any widget is built.
void InstallFontSubstitutions();

}  // namespace vesquin
