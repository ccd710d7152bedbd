// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The surface the report is printed on: a current font and a current line.
// What the report says is decided elsewhere (ReportWriter); where it goes
// (a printer, a file, a recording in a test) is decided by the implementation.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vesquin {

class ReportPrinter {
  public:
    virtual ~ReportPrinter() = default;

    // Each operation returns false when the printer failed at it; the report
    // stops there and nothing already sent is withdrawn.

    virtual bool setFontName(std::string_view name) = 0;
    virtual bool setFontSize(int points) = 0;

    // One line: an optional tab to a column (counted from 1, in average character
    // widths of the current font), then the items one directly after the other,
    // with no separator, then a line break. No items gives an empty line.
    // Texts are UTF-8.
    virtual bool printLine(std::optional<int> tabColumn, const std::vector<std::string>& items) = 0;

    // Releases the page to the printer.
    virtual bool endDocument() = 0;
};

}  // namespace vesquin
