// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line's table of number symbols against Qt's, which the window uses: the
// same symbols for every locale Qt knows, under every name the environment may give it.

#include <gtest/gtest.h>

#include <QLocale>

#include <set>
#include <string>

#include "experiment_run.h"
#include "locale_symbols.h"
#include "locale_table.h"

namespace vesquin {
namespace {

// Each locale's name, its name with the script and its language alone, as LANG holds them.
std::set<QString> NamesQtKnows() {
    std::set<QString> names;
    for (const QLocale& locale : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                          QLocale::AnyTerritory)) {
        names.insert(locale.name());
        names.insert(locale.bcp47Name().replace(QLatin1Char('-'), QLatin1Char('_')));
        names.insert(QLocale::languageToCode(locale.language()));
    }
    return names;
}

TEST(LocaleTableAgainstQt, GivesQtsSymbolsForEveryLocaleItKnows) {
    const std::set<QString> names = NamesQtKnows();
    ASSERT_GT(names.size(), 500u);  // Qt 6.4 knows some 900 such names
    int differing = 0;
    for (const QString& name : names) {
        const LocaleSymbols qt = SymbolsFromLocale(QLocale(name));
        for (const QString& spelling :
             {name, name + QStringLiteral(".UTF-8"), name + QStringLiteral(".UTF-8@euro")}) {
            const LocaleSymbols ours = SymbolsForLocaleName(spelling.toStdString());
            const bool same = ours.decimal == qt.decimal && ours.grouping == qt.grouping;
            differing += same ? 0 : 1;
            EXPECT_TRUE(same) << spelling.toStdString() << ": Qt «" << qt.decimal << "» «"
                              << qt.grouping << "», the table «" << ours.decimal << "» «"
                              << ours.grouping << "»";
        }
    }
    EXPECT_EQ(differing, 0);
}

TEST(LocaleTableAgainstQt, ReadsCountsAsTheWindowDoes) {
    struct Case {
        const char* locale;
        std::string count;
        std::int32_t trials;  // 0: refused
    };
    for (const Case& c : {
             Case{"es_ES.UTF-8", "1.000.000", 1000000},
             Case{"es_ES.UTF-8", "1,000,000", 0},
             Case{"fr_FR.UTF-8", "1\u202F000\u202F000", 1000000},
             Case{"fr_FR.UTF-8", "1 000 000", 1000000},
             Case{"fr_FR.UTF-8", "1.000.000", 0},
             Case{"en_US.UTF-8", "1,000,000", 1000000},
             Case{"en_US.UTF-8", "1.000.000", 0},
             Case{"gl_ES.UTF-8", "1.000.000", 1000000},
         }) {
        const CountReading window =
            ReadTrialCount(c.count, SymbolsFromLocale(QLocale(QString::fromLatin1(c.locale))),
                           kAdvertisedMaximumTrials);
        const CountReading ours =
            ReadTrialCount(c.count, SymbolsForLocaleName(c.locale), kAdvertisedMaximumTrials);
        const std::int32_t expected = c.trials;
        EXPECT_EQ(window.error ? 0 : window.trials, expected) << c.locale << " " << c.count;
        EXPECT_EQ(ours.error ? 0 : ours.trials, expected) << c.locale << " " << c.count;
    }
}

}  // namespace
}  // namespace vesquin
