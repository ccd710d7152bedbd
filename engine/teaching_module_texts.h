// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Why the teaching view could not open: its charts come in a file of their own,
// loaded the first time the view opens, and an incomplete installation may lack it.

#include <string>
#include <string_view>

#include "catalogue.h"

namespace vesquin {

enum class TeachingModuleFailure {
    Missing,    // there is no file where the program looks for it
    Unusable,   // the file is there but cannot be loaded, or is not the module
};

// "No se puede abrir la vista de gráficos y teoría: falta el archivo «/usr/lib/…».
// …" for `path`, the file the program looked for.
inline std::string TeachingModuleFailureText(TeachingModuleFailure failure,
                                             std::string_view path) {
    const std::string quoted(path);
    if (failure == TeachingModuleFailure::Missing) {
        return Text("teaching module failure",
                    "No se puede abrir la vista de gráficos y teoría: falta el archivo «{path}». "
                    "Vuelve a instalar Vesquin para usarla; la ventana principal sigue funcionando.",
                    {{"path", quoted}});
    }
    return Text("teaching module failure",
                "No se puede abrir la vista de gráficos y teoría: no se ha podido cargar el archivo "
                "«{path}». Vuelve a instalar Vesquin para usarla; la ventana principal sigue "
                "funcionando.",
                {{"path", quoted}});
}

}  // namespace vesquin
