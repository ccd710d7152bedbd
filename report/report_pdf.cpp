// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report_pdf.h"

#include <QBuffer>
#include <QFileDevice>
#include <QLocale>
#include <QMarginsF>
#include <QPageSize>
#include <QPdfWriter>

#include "catalogue_qstring.h"
#include "painter_report_printer.h"

namespace vesquin {

namespace {

const QString kDocumentTitle = QStringLiteral("Vesquin - informe");
const QString kCreator = QStringLiteral("Vesquin");
constexpr qreal kSavedMarginMillimetres = 15;
constexpr qsizetype kTrailerWindow = 1024;

}  // namespace

PdfPage SavedReportPage() {
    const QPageSize paper = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
                                ? QPageSize(QPageSize::Letter)
                                : QPageSize(QPageSize::A4);
    const QMarginsF margins(kSavedMarginMillimetres, kSavedMarginMillimetres,
                            kSavedMarginMillimetres, kSavedMarginMillimetres);
    return {QPageLayout(paper, QPageLayout::Portrait, margins, QPageLayout::Millimeter), 1200};
}

QByteArray RenderReportPdf(const ReportWriter& writer, const PdfPage& page) {
    QByteArray pdf;
    bool written = false;
    {
        QBuffer buffer(&pdf);
        if (!buffer.open(QIODevice::WriteOnly)) return {};
        QPdfWriter device(&buffer);
        device.setResolution(page.resolution);
        device.setTitle(kDocumentTitle);
        device.setCreator(kCreator);
        if (!device.setPageLayout(page.layout)) return {};
        PainterReportPrinter surface(device);
        written = writer.write(surface);
    }
    return written && IsCompletePdf(pdf) ? pdf : QByteArray();
}

bool IsCompletePdf(const QByteArray& pdf) {
    return pdf.startsWith("%PDF-") && pdf.right(kTrailerWindow).contains("%%EOF");
}

QString FileFailureText(const QFileDevice& file) {
    // Qt reports a full disk as a resource error; its own text for it may be
    // missing or untranslated.
    if (file.error() == QFileDevice::ResourceError)
        return ToQString(Text("save failure", "No queda espacio en el disco."));
    const QString text = file.errorString();
    return text.isEmpty() ? ToQString(Text("save failure", "Error de escritura.")) : text;
}

bool WriteWhole(QFileDevice& file, const QByteArray& data, QString* reason) {
    // A write that meets a full disk first takes what fits and says nothing;
    // only the next one fails and tells why.
    qsizetype done = 0;
    while (done < data.size()) {
        const qint64 count = file.write(data.constData() + done, data.size() - done);
        if (count <= 0) break;
        done += static_cast<qsizetype>(count);
    }
    if (done == data.size() && file.flush() && file.error() == QFileDevice::NoError) return true;
    if (reason) {
        *reason = file.error() == QFileDevice::NoError
                      ? ToQString(Text("save failure", "Error de escritura."))
                      : FileFailureText(file);
    }
    return false;
}

}  // namespace vesquin
