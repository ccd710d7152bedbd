// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text_report.h"

#include <algorithm>
#include <vector>

#include "report_printer.h"
#include "report_writer.h"
#include "seed_text.h"

namespace vesquin {
namespace {

// A printer that keeps the report's lines as text; fonts mean nothing on a terminal.
class LinePrinter : public ReportPrinter {
  public:
    bool setFontName(std::string_view) override { return true; }
    bool setFontSize(int) override { return true; }
    bool printLine(std::optional<int>, const std::vector<std::string>& items) override {
        std::string line;
        for (const std::string& item : items) line += item;
        m_lines.push_back(std::move(line));
        return true;
    }
    bool endDocument() override { return true; }

    const std::vector<std::string>& lines() const { return m_lines; }

  private:
    std::vector<std::string> m_lines;
};

}  // namespace

std::string RunReportText(const RunRecord& record, const LocaleSymbols& symbols) {
    const ResultTexts results = ComposeResults(record.tally, record.trials, symbols);
    // The count box holds the trials performed, in plain digits, which read alike
    // with any symbols; the report reprints them grouped.
    const std::string count = std::to_string(record.trials);
    const ReportWriter writer(
        [&](std::string_view box) -> std::string {
            if (box == "txtNs") return count;
            const auto found = std::find_if(results.begin(), results.end(),
                                            [box](const BoxText& text) { return text.box == box; });
            return found == results.end() ? std::string() : found->text;
        },
        symbols);
    LinePrinter printer;
    writer.write(printer);

    std::string text;
    bool blankPending = false;
    for (const std::string& line : printer.lines()) {
        if (line.empty()) {
            blankPending = !text.empty();
            continue;
        }
        if (blankPending) text += '\n';
        blankPending = false;
        text += line + '\n';
    }
    return text + "\n" + SeedLine(record.seed) + "\n";
}

}  // namespace vesquin
