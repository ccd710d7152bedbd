// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include "catalogue.h"

class QCoreApplication;

namespace vesquin {

// The name of Qt's own catalogue (buttons of its dialogs, the text boxes' context menu)
// that goes with one of our languages. Debian ships Qt's texts in Catalan, Spanish and
// English but in neither Galician nor Basque: those users get Qt's Spanish, the language
// they share with the rest of the window's readers, rather than English.
QString QtCatalogueFor(Language language);

// Loads Qt's own texts for `language` (the one every text is shown in, unless told);
// returns false when they are not installed, in which case Qt's English texts remain.
bool InstallQtTranslations(QCoreApplication& app, Language language = CurrentLanguage());

}  // namespace vesquin
