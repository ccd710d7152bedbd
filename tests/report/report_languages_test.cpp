// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The report and the print system's failures in another language: each box's text
// stays an item of its own wherever the language puts it, and the failures are whole
// sentences in that language.

#include <gtest/gtest.h>

#include <QString>
#include <map>
#include <string>
#include <vector>

#include "catalogue.h"
#include "report_writer.h"
#include "scheduler_failure.h"

namespace vesquin {
namespace {

// Keeps each line with items as "a|b|c" (the bars mark item edges).
class ItemPrinter final : public ReportPrinter {
  public:
    bool setFontName(std::string_view) override { return true; }
    bool setFontSize(int) override { return true; }
    bool printLine(std::optional<int>, const std::vector<std::string>& items) override {
        std::string text;
        for (std::size_t i = 0; i < items.size(); ++i) text += (i ? "|" : "") + items[i];
        if (!text.empty()) lines.push_back(text);
        return true;
    }
    bool endDocument() override { return true; }

    std::vector<std::string> lines;
};

std::vector<std::string> ReportLines(Language language) {
    const ScopedLanguage scoped(language);
    const std::map<std::string, std::string, std::less<>> boxes{
        {"txtNs", "1000"},   {"txtS1", "31"},      {"txtS2", "402"},     {"txtS3", "567"},
        {"txtS1p", "3,10"},  {"txtS2p", "40,20"},  {"txtS3p", "56,70"},  {"txtS6", "3"},
        {"txtMed", "3,54"},  {"txtTeo1", "2,78"},  {"txtTeo2", "41,67"}, {"txtTeo3", "55,56"}};
    ItemPrinter printer;
    const ReportWriter writer(
        [&boxes](std::string_view box) {
            const auto found = boxes.find(box);
            return found == boxes.end() ? std::string() : found->second;
        },
        kSpanishSymbols);
    EXPECT_TRUE(writer.write(printer));
    return printer.lines;
}

TEST(ReportLanguages, EveryBoxIsAnItemWhereverTheLanguagePutsIt) {
    // Basque writes the percent sign before the number: the box moves, the items follow.
    EXPECT_EQ(ReportLines(Language::Basque),
              (std::vector<std::string>{
                  "VESQUIN",
                  "1) ESPERIENTZIA |1.000| ALDIZ SIMULATU ONDORENGO EMAITZAK",
                  "Hausten diren plateren kopuru probableena: |3",
                  "Osorik geratzen diren plateren batez besteko kopurua: |3,54",
                  "Plater bakar bat hausten da |31| aldiz (% |3,10|)",
                  "Bi plater hausten dira |402| aldiz (% |40,20|)",
                  "Hiru plater hausten dira |567| aldiz (% |56,70|)",
                  "2) EMAITZA TEORIKOAK",
                  "Plater bakar bat hautsi beharko litzateke: kasuen % |2,78",
                  "Bi plater hautsi beharko lirateke: kasuen % |41,67",
                  "Hiru plater hautsi beharko lirateke: kasuen % |55,56"}));
    const std::vector<std::string> english = ReportLines(Language::English);
    ASSERT_EQ(english.size(), 11u);
    EXPECT_EQ(english[1], "1) RESULTS AFTER SIMULATING THE EXPERIMENT |1.000| TIMES");
    EXPECT_EQ(english[4], "Just one clay plate breaks |31| times (|3,10| %)");
    EXPECT_EQ(english[10], "Three clay plates should break |55,56| % of the time");
    // And the Spanish as it has always been handed to the printer.
    const std::vector<std::string> spanish = ReportLines(Language::Spanish);
    ASSERT_EQ(spanish.size(), 11u);
    EXPECT_EQ(spanish[4], "Se rompe un solo plato |31| veces (|3,10| %)");
}

TEST(ReportLanguages, ThePrintSystemsFailuresInEachLanguage) {
    struct Case {
        Language language;
        std::string missing;
        std::string cancelled;
    };
    const QString printer = QStringLiteral("Aula 3");
    const std::string name = "«\u2068Aula 3\u2069»";
    for (const Case& c : {
             Case{Language::Spanish, "La impresora " + name + " no existe.",
                  "El sistema de impresión ha anulado el trabajo en la impresora " + name +
                      ".\nEl sistema de impresión dice: job-canceled"},
             Case{Language::Catalan, "La impressora " + name + " no existeix.",
                  "El sistema d'impressió ha anul·lat el treball a la impressora " + name +
                      ".\nEl sistema d'impressió diu: job-canceled"},
             Case{Language::Galician, "A impresora " + name + " non existe.",
                  "O sistema de impresión anulou o traballo na impresora " + name +
                      ".\nO sistema de impresión di: job-canceled"},
             Case{Language::Basque, name + " inprimagailua ez dago.",
                  "Inprimatze-sistemak lana bertan behera utzi du " + name +
                      " inprimagailuan.\nInprimatze-sistemak dio: job-canceled"},
             Case{Language::English, "The printer " + name + " does not exist.",
                  "The print system has cancelled the job on the printer " + name +
                      ".\nThe print system says: job-canceled"},
         }) {
        const ScopedLanguage scoped(c.language);
        EXPECT_EQ(RefusalText(0x0406, QString(), printer).toStdString(), c.missing);
        EXPECT_EQ(LostJobText(printer, QStringLiteral(" job-canceled ")).toStdString(), c.cancelled);
    }
}

}  // namespace
}  // namespace vesquin
