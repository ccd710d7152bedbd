// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report_writer.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace vesquin {
namespace {

// Writes each operation as one text: "font name X", "font size N", "line" for an
// empty line, "tab N: a|b|c" for a line with items (the bars mark item edges),
// "end". Operation number `failAt` (counted from 1) fails, if set.
class RecordingPrinter final : public ReportPrinter {
  public:
    explicit RecordingPrinter(std::vector<std::string>& log, int failAt = 0)
        : m_log(log), m_failAt(failAt) {}

    bool setFontName(std::string_view name) override {
        return record("font name " + std::string(name));
    }
    bool setFontSize(int points) override { return record("font size " + std::to_string(points)); }
    bool printLine(std::optional<int> tabColumn, const std::vector<std::string>& items) override {
        std::string text = tabColumn ? "tab " + std::to_string(*tabColumn) + ": " : "";
        for (std::size_t i = 0; i < items.size(); ++i) text += (i ? "|" : "") + items[i];
        return record(text.empty() ? "line" : text);
    }
    bool endDocument() override { return record("end"); }

    int operations() const { return m_operations; }

  private:
    bool record(std::string operation) {
        ++m_operations;
        m_log.push_back(std::move(operation));
        return m_operations != m_failAt;
    }

    std::vector<std::string>& m_log;
    int m_failAt;
    int m_operations = 0;
};

using Boxes = std::map<std::string, std::string, std::less<>>;

ReadBox readFrom(const Boxes& boxes) {
    return [&boxes](std::string_view name) {
        const auto found = boxes.find(name);
        return found == boxes.end() ? std::string("<" + std::string(name) + "?>") : found->second;
    };
}

std::vector<std::string> printReport(const Boxes& boxes, const LocaleSymbols& symbols) {
    std::vector<std::string> log;
    RecordingPrinter printer(log);
    EXPECT_TRUE(ReportWriter(readFrom(boxes), symbols).write(printer));
    return log;
}

// Every box different, so a field printed in the wrong sentence shows.
const Boxes kAfterRun{
    {"txtNs", "1234567"}, {"txtS6", "3"},      {"txtMed", "4"},      {"txtS1", "27"},
    {"txtS1p", "2,70"},   {"txtS2", "415"},    {"txtS2p", "41,50"},  {"txtS3", "558"},
    {"txtS3p", "55,80"},  {"txtTeo1", "2,78"}, {"txtTeo2", "41,67"}, {"txtTeo3", "55,56"},
};

TEST(ReportWriter, PrintsEveryStepWithTheBoxesInTheirSentences) {
    const std::vector<std::string> expected{
        "font name Comic Sans MS",
        "font size 14",
        "line",
        "line",
        "line",
        "tab 36: VESQUIN",
        "line",
        "font size 12",
        "tab 15: 1) RESULTADOS TRAS SIMULAR LA EXPERIENCIA |1.234.567| VECES",
        "line",
        "line",
        "tab 22: El número de platos más probable que se rompe es |3",
        "tab 22: El número de platos que queda intacto por término medio es |4",
        "line",
        "tab 22: Se rompe un solo plato |27| veces (|2,70| %)",
        "tab 22: Se rompen dos platos |415| veces (|41,50| %)",
        "tab 22: Se rompen tres platos |558| veces (|55,80| %)",
        "line",
        "line",
        "tab 15: 2) RESULTADOS TEÓRICOS",
        "line",
        "tab 22: Se debería romper un solo plato el |2,78| % de las veces",
        "tab 22: Se deberían romper dos platos el |41,67| % de las veces",
        "tab 22: Se deberían romper tres platos el |55,56| % de las veces",
        "end",
    };
    EXPECT_EQ(printReport(kAfterRun, kSpanishSymbols), expected);
}

TEST(ReportWriter, PrintsEmptyFieldsAfterClear) {
    Boxes cleared;
    for (const auto& [name, text] : kAfterRun) cleared[name] = "";
    const auto log = printReport(cleared, kSpanishSymbols);
    ASSERT_EQ(log.size(), 25u);
    EXPECT_EQ(log[8], "tab 15: 1) RESULTADOS TRAS SIMULAR LA EXPERIENCIA || VECES");
    EXPECT_EQ(log[11], "tab 22: El número de platos más probable que se rompe es |");
    EXPECT_EQ(log[12], "tab 22: El número de platos que queda intacto por término medio es |");
    EXPECT_EQ(log[14], "tab 22: Se rompe un solo plato || veces (|| %)");
    EXPECT_EQ(log[16], "tab 22: Se rompen tres platos || veces (|| %)");
    EXPECT_EQ(log[23], "tab 22: Se deberían romper tres platos el || % de las veces");
}

TEST(ReportWriter, PrintsTheBlanksOfAWindowThatNeverRan) {
    // At start the counts, percentages and mode hold one blank; the rest are empty.
    Boxes fresh;
    for (const auto& [name, text] : kAfterRun) fresh[name] = "";
    for (const char* name : {"txtS1", "txtS2", "txtS3", "txtS6", "txtS1p", "txtS2p", "txtS3p"}) {
        fresh[name] = " ";
    }
    const auto log = printReport(fresh, kSpanishSymbols);
    ASSERT_EQ(log.size(), 25u);
    EXPECT_EQ(log[8], "tab 15: 1) RESULTADOS TRAS SIMULAR LA EXPERIENCIA || VECES");
    EXPECT_EQ(log[11], "tab 22: El número de platos más probable que se rompe es | ");
    EXPECT_EQ(log[12], "tab 22: El número de platos que queda intacto por término medio es |");
    EXPECT_EQ(log[15], "tab 22: Se rompen dos platos | | veces (| | %)");
}

TEST(ReportWriter, ReprintsTheCountWithTwoDigitsAndGrouping) {
    struct Case {
        std::string typed;
        LocaleSymbols symbols;
        std::string printed;
    };
    const std::vector<Case> cases{
        {"7", kSpanishSymbols, "07"},
        {"0", kSpanishSymbols, "00"},
        {"1000000", kSpanishSymbols, "1.000.000"},
        {"1.000", kSpanishSymbols, "1.000"},
        {" 42 ", kSpanishSymbols, "42"},
        {"1,000", kSpanishSymbols, "01"},  // a decimal comma: the number one
        {"1000000", kEnglishSymbols, "1,000,000"},
        {"7", kEnglishSymbols, "07"},
        // Not a number in the locale: printed exactly as typed.
        {"", kSpanishSymbols, ""},
        {"abc", kSpanishSymbols, "abc"},
        {"10 platos", kSpanishSymbols, "10 platos"},
    };
    for (const Case& c : cases) {
        Boxes boxes = kAfterRun;
        boxes["txtNs"] = c.typed;
        const auto log = printReport(boxes, c.symbols);
        ASSERT_EQ(log.size(), 25u);
        EXPECT_EQ(log[8],
                  "tab 15: 1) RESULTADOS TRAS SIMULAR LA EXPERIENCIA |" + c.printed + "| VECES")
            << "typed '" << c.typed << "'";
    }
}

TEST(ReportWriter, ReadsEachBoxOnceInTheOrderOfItsLines) {
    std::vector<std::string> log;
    RecordingPrinter printer(log);
    const ReadBox reader = [&](std::string_view name) {
        log.push_back("read " + std::string(name));
        return kAfterRun.find(name)->second;
    };
    ASSERT_TRUE(ReportWriter(reader, kSpanishSymbols).write(printer));
    std::vector<std::string> reads;
    std::size_t headingAt = 0;
    for (std::size_t i = 0; i < log.size(); ++i) {
        if (log[i].rfind("read ", 0) == 0) reads.push_back(log[i].substr(5));
        if (log[i].rfind("tab 15: 1)", 0) == 0) headingAt = i;
    }
    const std::vector<std::string> expected{"txtNs",  "txtS6",   "txtMed",  "txtS1",
                                            "txtS1p", "txtS2",   "txtS2p",  "txtS3",
                                            "txtS3p", "txtTeo1", "txtTeo2", "txtTeo3"};
    EXPECT_EQ(reads, expected);
    // The count is read for its own line, after the title has gone to the printer.
    ASSERT_GT(headingAt, 0u);
    EXPECT_EQ(log[headingAt - 1], "read txtNs");
    EXPECT_EQ(log[headingAt - 2], "font size 12");
}

TEST(ReportWriter, StopsAtTheOperationThePrinterFails) {
    const std::size_t total = printReport(kAfterRun, kSpanishSymbols).size();
    for (int failAt = 1; failAt <= static_cast<int>(total); ++failAt) {
        std::vector<std::string> log;
        RecordingPrinter printer(log, failAt);
        EXPECT_FALSE(ReportWriter(readFrom(kAfterRun), kSpanishSymbols).write(printer))
            << "failing at " << failAt;
        EXPECT_EQ(printer.operations(), failAt) << "nothing may follow the failing operation";
    }
}

}  // namespace
}  // namespace vesquin
