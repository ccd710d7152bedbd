// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QLocale>

#include <iostream>
#include <string>
#include <vector>

#include "application_icon.h"
#include "application_identity.h"
#include "command_line.h"
#include "command_line_run.h"
#include "commands.h"
#include "fonts.h"
#include "locale_symbols.h"
#include "main_window.h"
#include "startup_probe.h"
#include "translations.h"

int main(int argc, char* argv[]) {
    // One of the program's own options means a run on the command line, which needs no
    // display: it is decided before any QApplication exists. Anything else, Qt's own
    // options included, goes to the window.
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    if (vesquin::NamesCommandLineOption(arguments)) {
        const vesquin::CommandLineSetting setting{vesquin::kApplicationVersion,
                                                  vesquin::SymbolsFromLocale(QLocale::system()),
                                                  vesquin::kMaximumTrials};
        return vesquin::RunCommandLine(arguments, setting, std::cout, std::cerr);
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vesquin"));
    QApplication::setApplicationVersion(QString::fromLatin1(vesquin::kApplicationVersion));
    QApplication::setDesktopFileName(QString::fromLatin1(vesquin::kDesktopFileName));
    QApplication::setWindowIcon(vesquin::applicationIcon());
    vesquin::InstallQtTranslations(app);
    vesquin::InstallFontSubstitutions();
    vesquin::MainWindow window(vesquin::SymbolsFromLocale(QLocale::system()));
    vesquin::QuitAfterFirstPaintWhenBenchmarking(window);
    window.show();
    return app.exec();
}
