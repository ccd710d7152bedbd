// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QCoreApplication;

namespace vesquin {

// Everything the program shows is Spanish, including what Qt itself draws
// (the text boxes' context menu, for one). Loads Qt's own Spanish texts
// whatever the user's language; returns false when they are not installed,
// in which case Qt's English texts remain.
bool InstallQtTranslations(QCoreApplication& app);

}  // namespace vesquin
