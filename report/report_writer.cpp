// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report_writer.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "catalogue.h"

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

// The sentence in the current language as the printer's items: each box's text an item
// of its own between the words around it, wherever the language puts it.
std::vector<std::string> SentenceItems(std::string_view pattern,
                                       std::initializer_list<Placeholder> boxes) {
    std::vector<std::string> items;
    std::string words;
    std::size_t at = 0;
    while (at < pattern.size()) {
        const std::size_t open = pattern.find('{', at);
        const std::size_t close =
            open == std::string_view::npos ? open : pattern.find('}', open + 1);
        if (close == std::string_view::npos) break;
        const std::string_view name = pattern.substr(open + 1, close - open - 1);
        const auto box = std::find_if(boxes.begin(), boxes.end(),
                                      [name](const Placeholder& p) { return p.name == name; });
        words += pattern.substr(at, (box == boxes.end() ? close + 1 : open) - at);
        at = close + 1;
        if (box == boxes.end()) continue;
        if (!words.empty()) items.push_back(std::exchange(words, {}));
        items.emplace_back(box->value);
    }
    words += pattern.substr(std::min(at, pattern.size()));
    if (!words.empty()) items.push_back(std::move(words));
    return items;
}

}  // namespace

ReportWriter::ReportWriter(ReadBox readBox, LocaleSymbols symbols)
    : m_readBox(std::move(readBox)), m_symbols(std::move(symbols)) {}

bool ReportWriter::write(ReportPrinter& printer) const {
    // Steps run in order and the first failure ends the report. A box is read
    // only when its line is reached, so the report shows it as it stands then.
    const auto box = [this](std::string_view name) { return m_readBox(name); };
    const auto sentence = [&](std::string_view pattern, std::initializer_list<Placeholder> boxes) {
        return printer.printLine(kSentenceColumn, SentenceItems(pattern, boxes));
    };

    if (!printer.setFontName(kFontName)) return false;
    if (!printer.setFontSize(kTitleSize)) return false;
    if (!printEmptyLines(printer, 3)) return false;
    if (!printer.printLine(kTitleColumn, {"VESQUIN"})) return false;
    if (!printEmptyLines(printer, 1)) return false;
    if (!printer.setFontSize(kBodySize)) return false;

    const std::string count = PatternFormat(box("txtNs"), Pattern::GroupedTwoDigits, m_symbols);
    if (!printer.printLine(kHeadingColumn,
                           SentenceItems(Text("report heading",
                                              "1) RESULTADOS TRAS SIMULAR LA EXPERIENCIA {count} VECES"),
                                         {{"count", count}})))
        return false;
    if (!printEmptyLines(printer, 2)) return false;
    if (!sentence(Text("report line", "El número de platos más probable que se rompe es {modal}"),
                  {{"modal", box("txtS6")}}))
        return false;
    if (!sentence(Text("report line", "El número de platos que queda intacto por término medio es {mean}"),
                  {{"mean", box("txtMed")}}))
        return false;
    if (!printEmptyLines(printer, 1)) return false;
    // The counts are the window's boxes, whatever they hold, so the sentences keep one form.
    if (!sentence(Text("report line", "Se rompe un solo plato {count} veces ({percent} %)"),
                  {{"count", box("txtS1")}, {"percent", box("txtS1p")}}))
        return false;
    if (!sentence(Text("report line", "Se rompen dos platos {count} veces ({percent} %)"),
                  {{"count", box("txtS2")}, {"percent", box("txtS2p")}}))
        return false;
    if (!sentence(Text("report line", "Se rompen tres platos {count} veces ({percent} %)"),
                  {{"count", box("txtS3")}, {"percent", box("txtS3p")}}))
        return false;
    if (!printEmptyLines(printer, 2)) return false;

    if (!printer.printLine(kHeadingColumn,
                           SentenceItems(Text("report heading", "2) RESULTADOS TEÓRICOS"), {})))
        return false;
    if (!printEmptyLines(printer, 1)) return false;
    if (!sentence(Text("report line", "Se debería romper un solo plato el {percent} % de las veces"),
                  {{"percent", box("txtTeo1")}}))
        return false;
    if (!sentence(Text("report line", "Se deberían romper dos platos el {percent} % de las veces"),
                  {{"percent", box("txtTeo2")}}))
        return false;
    if (!sentence(Text("report line", "Se deberían romper tres platos el {percent} % de las veces"),
                  {{"percent", box("txtTeo3")}}))
        return false;
    return printer.endDocument();
}

}  // namespace vesquin
