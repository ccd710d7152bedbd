// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What one attempt to print came to, as the print worker hands it back to the
// window's thread, and the limits on how long the attempt may wait.

#include <QString>

#include <atomic>
#include <chrono>
#include <functional>

#include "report_writer.h"

namespace vesquin {

struct PrintOutcome {
    enum class Kind {
        Printed,           // the print system took the whole job
        NoPrinter,         // no printer at all: the report is saved as a file instead
        NoDefaultPrinter,  // printers, but none is the default: saved as a file too
        Failed,            // the print system refused or lost the job, or did not answer
    };
    Kind kind = Kind::Failed;
    // Failed: why, in Spanish words for the user.
    // NoDefaultPrinter: the queue PRINTER or LPDEST names that does not exist, if any.
    QString detail;
};

struct PrintLimits {
    std::chrono::milliseconds connect{5000};  // reaching the print system and finding the printer
    std::chrono::milliseconds job{30000};     // sending the job and hearing the answer
    // How long the job is watched after it was taken, to catch a job the print
    // system cancels or aborts at once; a job still waiting then is left to print.
    std::chrono::milliseconds settle{2000};
};

// Runs on the print worker: finds the default printer, renders the report for
// it and sends it, within `limits`; stops early when `cancelled` becomes true.
// `beforeSubmit`, when set, runs between finding the printer and sending the
// job (tests change the print system there).
struct PrintRequest {
    ReportWriter writer;
    PrintLimits limits;
    std::function<void()> beforeSubmit;
};
PrintOutcome PrintOnDefaultPrinter(const PrintRequest& request, const std::atomic<bool>& cancelled);

}  // namespace vesquin
