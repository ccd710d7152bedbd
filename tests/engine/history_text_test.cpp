// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The run history as the table shows it, as the clipboard carries it and as the
// CSV file holds it, read back field by field with both symbol sets.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "history_text.h"
#include "run_history.h"
#include "seed_text.h"

namespace vesquin {
namespace {

using Rows = std::vector<std::vector<std::string>>;

// An RFC 4180 reader: quoted fields may hold separators, doubled quotes and line breaks.
Rows ReadCsv(std::string_view text, std::string_view separator) {
    Rows rows(1);
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"' && field.empty()) {
            quoted = true;
        } else if (text.substr(i, separator.size()) == separator) {
            rows.back().push_back(field);
            field.clear();
            i += separator.size() - 1;
        } else if (text.substr(i, 2) == "\r\n") {
            rows.back().push_back(field);
            field.clear();
            rows.emplace_back();
            ++i;
        } else {
            field += c;
        }
    }
    EXPECT_TRUE(field.empty() && rows.back().empty()) << "the last line is not ended";
    rows.pop_back();
    return rows;
}

Rows ReadTabs(std::string_view text) {
    Rows rows;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        EXPECT_NE(end, std::string_view::npos) << "the last line is not ended";
        const std::string_view line = text.substr(start, end - start);
        rows.emplace_back();
        std::size_t from = 0;
        for (std::size_t tab; (tab = line.find('\t', from)) != std::string_view::npos;
             from = tab + 1)
            rows.back().emplace_back(line.substr(from, tab - from));
        rows.back().emplace_back(line.substr(from));
        start = end + 1;
    }
    return rows;
}

// Ten trials: one plate once, two plates three times, three plates six times.
RunRecord TenTrials() {
    RunRecord run;
    run.trials = 10;
    run.seed = 9007199254740991;  // the largest seed, 2^53 - 1
    run.tally = RunTally{1, 3, 6, 35};
    run.checkpoints = {TallyAt{10, run.tally}};
    return run;
}

// A million trials, with every count's digits different.
RunRecord MillionTrials() {
    RunRecord run;
    run.trials = 1000000;
    run.seed = 20261209;
    run.tally = RunTally{27812, 416544, 555644, 3472168};
    return run;
}

std::vector<std::string> AsVector(const HistoryRow& row) {
    return {row.begin(), row.end()};
}

TEST(HistoryRows, ShowTheRunAsTheWindowWritesIt) {
    RunHistory history;
    history.add(TenTrials(), "09:15:02");
    history.add(MillionTrials(), "09:16:40");
    struct Case {
        const char* name;
        LocaleSymbols symbols;
        std::size_t entry;
        HistoryRow expected;
    };
    const Case cases[] = {
        {"Spanish, ten",
         kSpanishSymbols,
         0,
         {"1", "09:15:02", "10", "1", "3", "6", "10,00", "30,00", "60,00", "3,50", "11,67",
          "9007199254740991"}},
        {"Spanish, million",
         kSpanishSymbols,
         1,
         {"2", "09:16:40", "1.000.000", "27.812", "416.544", "555.644", "2,78", "41,65", "55,56",
          "3,47", "0,01", "20261209"}},
        {"English, million",
         kEnglishSymbols,
         1,
         {"2", "09:16:40", "1,000,000", "27,812", "416,544", "555,644", "2.78", "41.65", "55.56",
          "3.47", "0.01", "20261209"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ComposeHistoryRow(history.entries()[c.entry], c.symbols), c.expected);
    }
}

TEST(HistoryRows, LargestGapIsTheWidestOfTheThreeInPercentagePoints) {
    // 10 %, 30 % and 60 % against 2,78 %, 41,67 % and 55,56 %: two plates is 11,67 off.
    EXPECT_NEAR(LargestGapToTheory(RunTally{1, 3, 6, 35}, 10), 1500.0 / 36 - 30, 1e-12);
    // All one plate: 100 - 2,78.
    EXPECT_NEAR(LargestGapToTheory(RunTally{4, 0, 0, 20}, 4), 100 - 100.0 / 36, 1e-12);
    // All three plates: 44,44 from three plates beats 41,67 from two.
    EXPECT_NEAR(LargestGapToTheory(RunTally{0, 0, 4, 12}, 4), 100 - 2000.0 / 36, 1e-12);
    // Right on the theory to the hundredth: a gap below half a hundredth.
    EXPECT_LT(LargestGapToTheory(RunTally{1, 15, 20, 125}, 36), 1e-12);
}

TEST(RunHistoryStore, NumbersRunsOnAfterClearing) {
    RunHistory history;
    EXPECT_EQ(history.add(TenTrials(), "a").number, 1);
    EXPECT_EQ(history.add(TenTrials(), "b").number, 2);
    history.clear();
    EXPECT_TRUE(history.empty());
    EXPECT_EQ(history.add(MillionTrials(), "c").number, 3);
    ASSERT_EQ(history.size(), 1u);
    EXPECT_EQ(history.entries()[0].record.tally, MillionTrials().tally);
}

TEST(HistoryExport, CsvReadsBackAsTheHeaderAndRowsWithPlainNumbers) {
    RunHistory history;
    history.add(TenTrials(), "09:15:02");
    history.add(MillionTrials(), "09:16:40");
    struct Case {
        const char* name;
        LocaleSymbols symbols;
        const char* separator;
        std::vector<std::string> million;
    };
    const Case cases[] = {
        {"Spanish",
         kSpanishSymbols,
         ";",
         {"2", "09:16:40", "1000000", "27812", "416544", "555644", "2,78", "41,65", "55,56", "3,47",
          "0,01", "20261209"}},
        {"English",
         kEnglishSymbols,
         ",",
         {"2", "09:16:40", "1000000", "27812", "416544", "555644", "2.78", "41.65", "55.56", "3.47",
          "0.01", "20261209"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CsvSeparator(c.symbols), c.separator);
        const std::string csv = HistoryCsv(history.entries(), c.symbols);
        ASSERT_EQ(csv.substr(0, 3), kUtf8ByteOrderMark);
        const Rows rows = ReadCsv(std::string_view(csv).substr(3), c.separator);
        ASSERT_EQ(rows.size(), 3u);
        EXPECT_EQ(rows[0], AsVector(HistoryHeader()));
        EXPECT_EQ(rows[1], AsVector(ComposeHistoryRow(history.entries()[0], c.symbols)));
        EXPECT_EQ(rows[2], c.million);
    }
}

TEST(HistoryExport, ClipboardTextReadsBackAsColumns) {
    RunHistory history;
    history.add(MillionTrials(), "09:16:40");
    for (const LocaleSymbols& symbols : {kSpanishSymbols, kEnglishSymbols}) {
        SCOPED_TRACE(symbols.decimal);
        const Rows rows = ReadTabs(HistoryTabText(history.entries(), symbols));
        ASSERT_EQ(rows.size(), 2u);
        EXPECT_EQ(rows[0], AsVector(HistoryHeader()));
        EXPECT_EQ(rows[1], AsVector(ComposeHistoryRow(history.entries()[0],
                                                      LocaleSymbols{symbols.decimal, ""})));
        EXPECT_EQ(rows[1][2], "1000000");
    }
}

TEST(HistoryExport, EmptyHistoryGivesTheHeaderAlone) {
    EXPECT_EQ(ReadTabs(HistoryTabText({}, kSpanishSymbols)).size(), 1u);
    EXPECT_EQ(HistoryCsv({}, kSpanishSymbols),
              std::string(kUtf8ByteOrderMark) +
                  "Nº;Hora;Ensayos;Un plato;Dos platos;Tres platos;% un plato;% dos platos;"
                  "% tres platos;Media de intactos;Mayor desvío (puntos);Semilla\r\n");
}

TEST(HistoryExport, ValuesHoldingTheSeparatorOrQuotesAreQuoted) {
    struct Case {
        const char* value;
        const char* separator;
        const char* field;
    };
    for (const Case& c :
         {Case{"9:15, martes", ",", "\"9:15, martes\""}, Case{"9:15, martes", ";", "9:15, martes"},
          Case{"a;b", ";", "\"a;b\""}, Case{"dice \"hola\"", ",", "\"dice \"\"hola\"\"\""},
          Case{"dos\r\nlíneas", ";", "\"dos\r\nlíneas\""}, Case{"", ";", ""}}) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(CsvField(c.value, c.separator), c.field);
    }
    // A time text with the separator survives the whole file.
    RunHistory history;
    history.add(TenTrials(), "9:15, martes");
    for (const LocaleSymbols& symbols : {kSpanishSymbols, kEnglishSymbols}) {
        const std::string csv = HistoryCsv(history.entries(), symbols);
        const Rows rows =
            ReadCsv(std::string_view(csv).substr(kUtf8ByteOrderMark.size()), CsvSeparator(symbols));
        ASSERT_EQ(rows.size(), 2u);
        ASSERT_EQ(rows[1].size(), kHistoryColumns);
        EXPECT_EQ(rows[1][1], "9:15, martes");
    }
    // On the clipboard a tab or line break in a value would split it; it becomes a blank.
    history.clear();
    history.add(TenTrials(), "9:15\tmartes\n");
    const Rows rows = ReadTabs(HistoryTabText(history.entries(), kSpanishSymbols));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1][1], "9:15 martes ");
}

}  // namespace
}  // namespace vesquin

namespace vesquin {
namespace {

TEST(HistoryRows, SameCountAndSeedGiveTheSameRowTwice) {
    for (const char* count : {"10", "1.000", "1.000.000"}) {
        SCOPED_TRACE(count);
        RunHistory history;
        UniformSource source;
        for (int i = 0; i < 2; ++i) {
            auto run = PerformRun(count, source, kSpanishSymbols, 1000000, 4503599627370497u);
            ASSERT_TRUE(std::holds_alternative<RunRecord>(run));
            history.add(std::get<RunRecord>(std::move(run)), "12:00:00");
        }
        // A run from the clock in between must not matter.
        auto other = PerformRun(count, source, kSpanishSymbols, 1000000);
        ASSERT_TRUE(std::holds_alternative<RunRecord>(other));
        history.add(std::get<RunRecord>(std::move(other)), "12:00:00");

        HistoryRow first = ComposeHistoryRow(history.entries()[0], kSpanishSymbols);
        HistoryRow second = ComposeHistoryRow(history.entries()[1], kSpanishSymbols);
        EXPECT_EQ(first[0], "1");
        EXPECT_EQ(second[0], "2");
        first[0] = second[0] = "";
        EXPECT_EQ(first, second);
        EXPECT_EQ(first[static_cast<std::size_t>(HistoryColumn::Seed)], "4503599627370497");
        EXPECT_EQ(history.entries()[0].record.checkpoints, history.entries()[1].record.checkpoints);
        EXPECT_NE(history.entries()[2].record.seed, history.entries()[0].record.seed);
    }
}

}  // namespace
}  // namespace vesquin

namespace vesquin {
namespace {

TEST(EmptyHistoryQuestion, NamesHowManyRunsGoWithTheUsersSymbols) {
    struct Case {
        std::size_t runs;
        LocaleSymbols symbols;
        const char* question;
    };
    const Case cases[] = {
        {1, kSpanishSymbols,
         "¿Vaciar el historial? Se borrará la ejecución anotada; si no se ha copiado o guardado, "
         "se perderá."},
        {2, kSpanishSymbols,
         "¿Vaciar el historial? Se borrarán las 2 ejecuciones anotadas; las que no se hayan "
         "copiado o guardado se perderán."},
        {10000, kSpanishSymbols,
         "¿Vaciar el historial? Se borrarán las 10.000 ejecuciones anotadas; las que no se hayan "
         "copiado o guardado se perderán."},
        {1234, kEnglishSymbols,
         "¿Vaciar el historial? Se borrarán las 1,234 ejecuciones anotadas; las que no se hayan "
         "copiado o guardado se perderán."},
    };
    for (const Case& c : cases) EXPECT_EQ(EmptyHistoryQuestion(c.runs, c.symbols), c.question);
}

TEST(SeedRefusal, QuotesTheTextAsGivenAndStatesTheRange) {
    EXPECT_EQ(SeedRefusal("«-1»"),
              "«-1» no es una semilla: un entero de 0 a 9007199254740991, sin separadores");
    EXPECT_EQ(SeedRefusal(""),
              " no es una semilla: un entero de 0 a 9007199254740991, sin separadores");
}

}  // namespace
}  // namespace vesquin
