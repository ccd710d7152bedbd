#include <QApplication>
#include <QLocale>

#include "fonts.h"
#include "locale_symbols.h"
#include "main_window.h"
#include "translations.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vesquin"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    vesquin::InstallQtTranslations(app);
    vesquin::InstallFontSubstitutions();
    vesquin::MainWindow window(vesquin::SymbolsFromLocale(QLocale::system()));
    window.show();
    return app.exec();
}
