// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The report as a PDF document of our own, made in memory: the one renderer
// behind both the file saved when there is no printer and the document sent to
// a printer, so both look alike and neither is ever sent or saved half made.

#include <QByteArray>
#include <QPageLayout>
#include <QString>

#include "report_writer.h"

class QFileDevice;

namespace vesquin {

// Paper, margins and resolution of the document; column 1 is the left margin.
struct PdfPage {
    QPageLayout layout;
    int resolution = 1200;  // dots per inch
};

// The page of a saved report: A4, or Letter where the user measures in inches,
// with 15 mm margins, at 1200 dpi.
PdfPage SavedReportPage();

// The whole report as PDF bytes; empty when the report could not be drawn.
// The result is always complete (see IsCompletePdf) or empty.
QByteArray RenderReportPdf(const ReportWriter& writer, const PdfPage& page);

// True when `pdf` starts with "%PDF-" and its last KiB holds the "%%EOF" marker:
// a document that was cut short lacks its trailer.
bool IsCompletePdf(const QByteArray& pdf);

// Writes all of `data` to `file`, which is open for writing; false, with
// `reason` set for the user, when the file did not take every byte. A full
// disk says "No queda espacio en el disco." rather than an unknown error.
bool WriteWhole(QFileDevice& file, const QByteArray& data, QString* reason);

// Why a file operation failed, in words for the user.
QString FileFailureText(const QFileDevice& file);

}  // namespace vesquin
