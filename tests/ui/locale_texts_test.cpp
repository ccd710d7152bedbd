// What the program takes from the user's settings, and the Spanish of Qt's own texts.
#include <QtTest>

#include <QApplication>
#include <QLineEdit>
#include <QMenu>

#include <memory>

#include "locale_symbols.h"
#include "number_text.h"
#include "translations.h"

class LocaleTextsTest : public QObject {
    Q_OBJECT

  private slots:
    void symbolsComeFromTheLocale_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QString>("grouping");

        QTest::newRow("Spanish (Spain)") << QLocale(QLocale::Spanish, QLocale::Spain) << ","
                                         << ".";
        QTest::newRow("English (United States)")
            << QLocale(QLocale::English, QLocale::UnitedStates) << "."
            << ",";
        QTest::newRow("French (France)")
            << QLocale(QLocale::French, QLocale::France) << "," << QStringLiteral("\u202f");
        // The tests run with LC_ALL=es_ES.UTF-8, whether or not that locale is generated.
        QTest::newRow("the system's, from the environment") << QLocale::system() << ","
                                                            << ".";
    }

    void symbolsComeFromTheLocale() {
        QFETCH(QLocale, locale);
        QFETCH(QString, decimal);
        QFETCH(QString, grouping);
        const vesquin::LocaleSymbols symbols = vesquin::SymbolsFromLocale(locale);
        QCOMPARE(QString::fromStdString(symbols.decimal), decimal);
        QCOMPARE(QString::fromStdString(symbols.grouping), grouping);
    }

    // The forms people type for a thousand, read with the symbols their locale gives.
    void typedFormsReadWithTheLocalesSymbols_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("value");
        const QLocale french(QLocale::French, QLocale::France);
        const QLocale swissGerman(QLocale::German, QLocale::Switzerland);
        QTest::newRow("French, narrow no-break space") << french << "1\u202f000,5" << 1000.5;
        QTest::newRow("French, no-break space") << french << "1\u00a0000,5" << 1000.5;
        QTest::newRow("French, blank") << french << "1 000,5" << 1000.5;
        QTest::newRow("Swiss German, U+2019") << swissGerman << "1\u2019000.5" << 1000.5;
        QTest::newRow("Swiss German, ASCII apostrophe") << swissGerman << "1'000.5" << 1000.5;
        QTest::newRow("Spanish") << QLocale(QLocale::Spanish, QLocale::Spain) << "1.000,5"
                                 << 1000.5;
    }

    void typedFormsReadWithTheLocalesSymbols() {
        QFETCH(QLocale, locale);
        QFETCH(QString, typed);
        QFETCH(double, value);
        const auto read =
            vesquin::LocaleNumber(typed.toStdString(), vesquin::SymbolsFromLocale(locale));
        QVERIFY(read.has_value());
        QCOMPARE(*read, value);
    }

    void textBoxMenuIsSpanish() {
        QVERIFY(vesquin::InstallQtTranslations(*QCoreApplication::instance()));
        QLineEdit box;
        std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
        QStringList texts;
        for (const QAction* action : menu->actions())
            if (!action->isSeparator()) texts << action->text().section(u'\t', 0, 0);
        QVERIFY2(texts.contains(QStringLiteral("&Deshacer")), qPrintable(texts.join(u", ")));
        QVERIFY2(texts.contains(QStringLiteral("&Copiar")), qPrintable(texts.join(u", ")));
    }
};

QTEST_MAIN(LocaleTextsTest)
#include "locale_texts_test.moc"
