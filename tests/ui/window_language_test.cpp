// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window in another language than Spanish: how it is chosen at start, what it shows,
// and which of Qt's own catalogues goes with it.
#include <QtTest>

#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTranslator>

#include <string>
#include <vector>

#include "catalogue.h"
#include "fonts.h"
#include "main_window.h"
#include "startup_language.h"
#include "translations.h"
#include "window_probe.h"

using vesquin::Language;
using vesquin::MainWindow;
using namespace vesquin::test;

Q_DECLARE_METATYPE(Language)

class WindowLanguageTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { vesquin::InstallFontSubstitutions(); }

    void takesTheLanguageOptionOutOfTheArguments_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Language>("language");
        QTest::addColumn<QStringList>("left");
        // The environment asks for Galician in every row.
        QTest::newRow("none") << QStringList{"-style", "fusion"} << Language::Galician
                              << QStringList{"-style", "fusion"};
        QTest::newRow("apart") << QStringList{"--idioma", "ca", "-style", "fusion"}
                               << Language::Catalan << QStringList{"-style", "fusion"};
        QTest::newRow("joined") << QStringList{"-reverse", "--idioma=eu"} << Language::Basque
                                << QStringList{"-reverse"};
        QTest::newRow("last wins")
            << QStringList{"--idioma=en", "--idioma", "es"} << Language::Spanish << QStringList{};
        QTest::newRow("unknown code")
            << QStringList{"--idioma", "fr", "-sync"} << Language::Galician << QStringList{"-sync"};
        QTest::newRow("no value") << QStringList{"-sync", "--idioma"} << Language::Galician
                                  << QStringList{"-sync"};
        QTest::newRow("empty value")
            << QStringList{"--idioma="} << Language::Galician << QStringList{};
        QTest::newRow("other option")
            << QStringList{"--idiomas=ca"} << Language::Galician << QStringList{"--idiomas=ca"};
    }

    void takesTheLanguageOptionOutOfTheArguments() {
        QFETCH(QStringList, arguments);
        QFETCH(Language, language);
        QFETCH(QStringList, left);
        const QByteArray savedLanguage = qgetenv("LANGUAGE");
        qputenv("LANGUAGE", "gl");
        std::vector<std::string> storage{"vesquin-ventana"};
        for (const QString& argument : arguments) storage.push_back(argument.toStdString());
        std::vector<char*> argv;
        for (std::string& argument : storage) argv.push_back(argument.data());
        argv.push_back(nullptr);
        int argc = static_cast<int>(storage.size());

        const Language chosen = vesquin::TakeStartupLanguage(argc, argv.data());
        qputenv("LANGUAGE", savedLanguage);

        QCOMPARE(chosen, language);
        QStringList kept;
        for (int i = 1; i < argc; ++i) kept << QString::fromLocal8Bit(argv[std::size_t(i)]);
        QCOMPARE(QString::fromLocal8Bit(argv[0]), QStringLiteral("vesquin-ventana"));
        QCOMPARE(kept, left);
        QCOMPARE(argv[std::size_t(argc)], nullptr);
    }

    // Galician and Basque have no Qt catalogue in Debian: their readers get Qt's Spanish.
    void qtCatalogueFollowsTheLanguage() {
        const struct {
            Language language;
            const char* catalogue;
        } cases[] = {{Language::Spanish, "qtbase_es"},
                     {Language::Catalan, "qtbase_ca"},
                     {Language::Galician, "qtbase_es"},
                     {Language::Basque, "qtbase_es"},
                     {Language::English, "qtbase_en"}};
        for (const auto& c : cases)
            QCOMPARE(vesquin::QtCatalogueFor(c.language), QString::fromLatin1(c.catalogue));
    }

    void qtsOwnTextsReadInCatalan() {
        QTranslator catalan;
        if (!catalan.load(vesquin::QtCatalogueFor(Language::Catalan),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QSKIP("Qt's Catalan texts are not installed");
        const QString paste = catalan.translate("QLineEdit", "&Paste");
        QVERIFY(!paste.isEmpty());
        QVERIFY(paste != QStringLiteral("&Paste"));
        QVERIFY(paste != QStringLiteral("&Pegar"));
    }

    void windowShowsItsTextsInCatalan() {
        {
            vesquin::ScopedLanguage catalan(Language::Catalan);
            MainWindow window(vesquin::kSpanishSymbols);
            QCOMPARE(window.findChild<QPushButton*>(QStringLiteral("cmdSimular"))->text(),
                     QStringLiteral("&Simula"));
            QCOMPARE(window.findChild<QPushButton*>(QStringLiteral("cmdSalir"))->text(),
                     QStringLiteral("&Acaba"));
            QCOMPARE(window.findChild<QGroupBox*>(QStringLiteral("Frame1"))->title(),
                     QStringLiteral("Resultats"));
            QCOMPARE(window.findChild<QLineEdit*>(QStringLiteral("txtS1"))->accessibleName(),
                     QStringLiteral("Es trenca un sol plat, nombre de vegades"));
            // The boxes' own contents are data, the same in every language.
            QCOMPARE(window.boxText(u"txtS1"), QStringLiteral(" "));
        }
        MainWindow spanish(vesquin::kSpanishSymbols);
        QCOMPARE(spanish.findChild<QPushButton*>(QStringLiteral("cmdSimular"))->text(),
                 QStringLiteral("&Simular"));
        QCOMPARE(spanish.findChild<QGroupBox*>(QStringLiteral("Frame1"))->title(),
                 QStringLiteral("Resultados"));
    }

    void failureBoxAnswersInCatalan() {
        vesquin::ScopedLanguage catalan(Language::Catalan);
        MainWindow window(vesquin::kSpanishSymbols);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.findChild<QLineEdit*>(QStringLiteral("txtNs"))->setText(QStringLiteral("0"));
        MessageBoxAnswerer answerer;
        window.findChild<QPushButton*>(QStringLiteral("cmdSimular"))->click();
        QCOMPARE(answerer.seen, 1);
        QCOMPARE(answerer.buttons, QStringList{QStringLiteral("D'acord")});
    }
};

QTEST_MAIN(WindowLanguageTest)
#include "window_language_test.moc"
