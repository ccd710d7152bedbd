// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace vesquin {

QString QtCatalogueFor(Language language) {
    switch (language) {
        case Language::Catalan:
            return QStringLiteral("qtbase_ca");
        case Language::English:
            return QStringLiteral("qtbase_en");
        case Language::Spanish:
        case Language::Galician:
        case Language::Basque:
            break;
    }
    return QStringLiteral("qtbase_es");
}

bool InstallQtTranslations(QCoreApplication& app, Language language) {
    auto* translator = new QTranslator(&app);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(QtCatalogueFor(language), folder)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}  // namespace vesquin
