// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fonts.h"

#include <QFont>

namespace vesquin {

void InstallFontSubstitutions() {
    // A substitute is consulted only when the family itself is missing, so a
    // system that has the original fonts keeps them.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
}

}  // namespace vesquin
