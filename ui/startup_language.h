// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "languages.h"

namespace vesquin {

// The language the window starts in: the one "--idioma xx" or "--idioma=xx" names (the
// command line passes its own option on), else the one the environment asks for. The
// option is taken out of argc/argv, so that Qt's argument handling sees only its own;
// a code we do not have is taken out too and leaves the choice to the environment.
// {"vesquin-ventana", "--idioma", "ca", "-style", "fusion"} gives Catalan and leaves
// {"vesquin-ventana", "-style", "fusion"}.
Language TakeStartupLanguage(int& argc, char** argv);

}  // namespace vesquin
