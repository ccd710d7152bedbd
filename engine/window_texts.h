// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window's texts beyond its table of controls: what its message box and its footer
// link say.

#include "catalogue.h"

namespace vesquin {

// The one button of the box that tells why a run could not start.
inline constexpr Message kMessageOkButton = Msg("message box button", "Aceptar");

// What a screen reader adds to the footer link's own text.
inline constexpr Message kFooterLinkDescription =
    Msg("window link description", "Enlace: abre la ventana de gráficos y teoría. Tecla F2.");

}  // namespace vesquin
