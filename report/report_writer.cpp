// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report_writer.h"

#include <optional>
#include <utility>
#include <vector>

namespace vesquin {

namespace {

constexpr std::string_view kFontName = "Comic Sans MS";
constexpr int kTitleSize = 14;
constexpr int kBodySize = 12;

constexpr int kTitleColumn = 36;
constexpr int kHeadingColumn = 15;
constexpr int kSentenceColumn = 22;

bool printEmptyLines(ReportPrinter& printer, int count) {
    for (int line = 0; line < count; ++line) {
        if (!printer.printLine(std::nullopt, {})) return false;
    }
    return true;
}

}  // namespace

ReportWriter::ReportWriter(ReadBox readBox, LocaleSymbols symbols)
    : m_readBox(std::move(readBox)), m_symbols(std::move(symbols)) {}

bool ReportWriter::write(ReportPrinter& printer) const {
    // Steps run in order and the first failure ends the report. A box is read
    // only when its line is reached, so the report shows it as it stands then.
    const auto box = [this](std::string_view name) { return m_readBox(name); };
    const auto sentence = [&](std::vector<std::string> items) {
        return printer.printLine(kSentenceColumn, items);
    };

    if (!printer.setFontName(kFontName)) return false;
    if (!printer.setFontSize(kTitleSize)) return false;
    if (!printEmptyLines(printer, 3)) return false;
    if (!printer.printLine(kTitleColumn, {"VESQUIN"})) return false;
    if (!printEmptyLines(printer, 1)) return false;
    if (!printer.setFontSize(kBodySize)) return false;

    const std::string count = PatternFormat(box("txtNs"), Pattern::GroupedTwoDigits, m_symbols);
    if (!printer.printLine(kHeadingColumn,
                           {"1) RESULTADOS TRAS SIMULAR LA EXPERIENCIA ", count, " VECES"}))
        return false;
    if (!printEmptyLines(printer, 2)) return false;
    if (!sentence({"El número de platos más probable que se rompe es ", box("txtS6")}))
        return false;
    if (!sentence({"El número de platos que queda intacto por término medio es ", box("txtMed")}))
        return false;
    if (!printEmptyLines(printer, 1)) return false;
    if (!sentence({"Se rompe un solo plato ", box("txtS1"), " veces (", box("txtS1p"), " %)"}))
        return false;
    if (!sentence({"Se rompen dos platos ", box("txtS2"), " veces (", box("txtS2p"), " %)"}))
        return false;
    if (!sentence({"Se rompen tres platos ", box("txtS3"), " veces (", box("txtS3p"), " %)"}))
        return false;
    if (!printEmptyLines(printer, 2)) return false;

    if (!printer.printLine(kHeadingColumn, {"2) RESULTADOS TEÓRICOS"})) return false;
    if (!printEmptyLines(printer, 1)) return false;
    if (!sentence({"Se debería romper un solo plato el ", box("txtTeo1"), " % de las veces"}))
        return false;
    if (!sentence({"Se deberían romper dos platos el ", box("txtTeo2"), " % de las veces"}))
        return false;
    if (!sentence({"Se deberían romper tres platos el ", box("txtTeo3"), " % de las veces"}))
        return false;
    return printer.endDocument();
}

}  // namespace vesquin
