// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "application_icon.h"

#include <array>

// A resource in a static library is registered only when asked for by name, and
// Q_INIT_RESOURCE must be called from the global namespace.
static void registerIconResource() {
    Q_INIT_RESOURCE(vesquin_icons);
}

namespace vesquin {

QIcon applicationIcon() {
    registerIconResource();
    QIcon icon;
    for (const int size : std::array{16, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/vesquin/icons/vesquin-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

}  // namespace vesquin
