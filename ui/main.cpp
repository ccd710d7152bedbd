// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window program. The user runs the command line, which starts this program with
// the arguments it was given once they are known to be Qt's own (cli/main.cpp).

#include <QApplication>
#include <QLocale>

#include "application_icon.h"
#include "application_identity.h"
#include "catalogue.h"
#include "fonts.h"
#include "locale_symbols.h"
#include "main_window.h"
#include "icon_after_first_paint.h"
#include "startup_language.h"
#include "startup_probe.h"
#include "startup_warm_up.h"
#include "teaching_open_probe.h"
#include "translations.h"

int main(int argc, char* argv[]) {
    // Before anything is built, so that every text is made in the chosen language.
    vesquin::SetLanguage(vesquin::TakeStartupLanguage(argc, argv));
    vesquin::StartupWarmUp warmUp;
    QApplication app(argc, argv);
    warmUp.Finish();
    QApplication::setApplicationName(QStringLiteral("Vesquin"));
    QApplication::setApplicationVersion(QString::fromLatin1(vesquin::kApplicationVersion));
    QApplication::setDesktopFileName(QString::fromLatin1(vesquin::kDesktopFileName));
    QApplication::setWindowIcon(vesquin::applicationIcon(vesquin::IconSizes::Small));
    vesquin::InstallQtTranslations(app);
    vesquin::InstallFontSubstitutions();
    vesquin::MainWindow window(vesquin::SymbolsFromLocale(QLocale::system()));
    // What follows the first paint runs in the reverse of this order: the start-up
    // probe first, the teaching view's probe once the icon is complete.
    vesquin::OpenTeachingViewWhenBenchmarking(window);
    vesquin::CompleteIconAfterFirstPaint(window);
    vesquin::QuitAfterFirstPaintWhenBenchmarking(window);
    window.show();
    return app.exec();
}
