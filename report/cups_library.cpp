// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cups_library.h"

#include <dlfcn.h>

#include <cstdlib>
#include <optional>

#include "catalogue_qstring.h"

namespace vesquin {
namespace {

constexpr const char* kLibraryName = "libcups.so.2";

std::optional<CupsLibrary> Load() {
    const char* chosen = std::getenv("VESQUIN_CUPS_LIBRARY");
    // Kept loaded for the rest of the process: its functions are used until the end.
    void* handle = dlopen(chosen && *chosen ? chosen : kLibraryName, RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) return std::nullopt;
    CupsLibrary library;
    bool complete = true;
#define VESQUIN_CUPS_RESOLVE(name)                                                 \
    library.name = reinterpret_cast<decltype(library.name)>(dlsym(handle, #name)); \
    complete = complete && library.name != nullptr;
    VESQUIN_CUPS_FUNCTIONS(VESQUIN_CUPS_RESOLVE)
#undef VESQUIN_CUPS_RESOLVE
    if (!complete) {
        dlclose(handle);
        return std::nullopt;
    }
    return library;
}

const std::optional<CupsLibrary>& Loaded() {
    static const std::optional<CupsLibrary> library = Load();
    return library;
}

}  // namespace

const CupsLibrary* LoadCupsLibrary() {
    const auto& library = Loaded();
    return library ? &*library : nullptr;
}

const CupsLibrary& Cups() {
    return *Loaded();
}

QString MissingCupsLibraryText() {
    return ToQString(Text("print failure",
                          "No se ha encontrado la biblioteca del sistema de impresión "
                          "(libcups.so.2). Instala el paquete libcups2 para imprimir."));
}

}  // namespace vesquin
