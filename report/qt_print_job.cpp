// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Printing where the CUPS client library is absent (Windows): through Qt's own
// printer support, which says little more than whether the page was made.

#include <QPrinter>
#include <QPrinterInfo>

#include "catalogue_qstring.h"
#include "painter_report_printer.h"
#include "print_outcome.h"
#include "scheduler_failure.h"

namespace vesquin {

PrintOutcome PrintOnDefaultPrinter(const PrintRequest& request, const std::atomic<bool>&) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        return {QPrinterInfo::availablePrinterNames().isEmpty()
                    ? PrintOutcome::Kind::NoPrinter
                    : PrintOutcome::Kind::NoDefaultPrinter,
                {}};
    }
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Vesquin - informe"));
    bool written = false;
    {
        PainterReportPrinter surface(printer);
        written = request.writer.write(surface);
    }
    if (!written || printer.printerState() == QPrinter::Error) {
        return {PrintOutcome::Kind::Failed,
                ToQString(Text("print failure", "La impresora {printer} no ha aceptado el trabajo.",
                                {{"printer", Utf8(QuotedName(printer.printerName()))}}))};
    }
    return {PrintOutcome::Kind::Printed, {}};
}

}  // namespace vesquin
