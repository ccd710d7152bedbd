// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the printed report says: the title, the count, the simulated results and
// the theoretical ones, each as a fixed sentence around the text of a window box.
// It reads the boxes as they stand at the moment of printing and checks nothing:
// before any run, or after Clear, it prints the empty fields as they are.

#include <functional>
#include <string>
#include <string_view>

#include "number_text.h"
#include "report_printer.h"

namespace vesquin {

// The current text of a box of the window, by control name ("txtNs", "txtS1"...).
using ReadBox = std::function<std::string(std::string_view box)>;

class ReportWriter {
  public:
    // `symbols` are the user's number symbols, used only to reprint the count.
    ReportWriter(ReadBox readBox, LocaleSymbols symbols);

    // Prints the one-page report and ends the document. Each box is read at the
    // line that shows it. Returns false when the printer failed; the report then
    // stops at that operation. With Spanish symbols a count typed as "7" prints
    // as "07" and "1000000" as "1.000.000"; a count that is not a number, or
    // empty, prints unchanged.
    bool write(ReportPrinter& printer) const;

  private:
    ReadBox m_readBox;
    LocaleSymbols m_symbols;
};

}  // namespace vesquin
