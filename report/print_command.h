// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The Print command: the report on the default printer, or, on a machine with
// no printer, in a new PDF file whose place the user is told.

#include "number_text.h"
#include "report_writer.h"

class QWidget;

namespace vesquin {

// Prints the report once. Messages (titled "Vesquin") are shown over `parent`:
// an information message with the file's path when the report went to a file,
// a warning when printing failed. Nothing is retried, and the boxes are only read.
void PrintReport(QWidget* parent, const ReadBox& readBox, const LocaleSymbols& symbols);

}  // namespace vesquin
