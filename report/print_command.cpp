// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print_command.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include <optional>

#include "painter_report_printer.h"
#include "report_file.h"

namespace vesquin {

namespace {

const QString kMessageTitle = QStringLiteral("Vesquin");
const QString kDocumentName = QStringLiteral("Vesquin - informe");
// The same resolution as a high-resolution printer, so the file matches the paper.
constexpr int kResolution = 1200;
constexpr qreal kFileMarginMillimetres = 15;

// Why printing failed, in words for the user; empty when Qt says nothing more.
struct PrintFailure {
    QString detail;
};

std::optional<PrintFailure> printOnDefaultPrinter(const ReportWriter& writer) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(kDocumentName);
    bool written = false;
    {
        PainterReportPrinter surface(printer);
        written = writer.write(surface);
    }
    if (!written || printer.printerState() == QPrinter::Error) {
        return PrintFailure{printer.printerName().isEmpty()
                                ? QString()
                                : QStringLiteral("Impresora: %1").arg(printer.printerName())};
    }
    return std::nullopt;
}

QPageSize paperForLocale() {
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
               ? QPageSize(QPageSize::Letter)
               : QPageSize(QPageSize::A4);
}

// Writes the report to a new file; on success returns nothing and sets `path`.
std::optional<PrintFailure> saveAsPdf(const ReportWriter& writer, QString& path) {
    ReportFile target = CreateReportFile(ReportFolder(), QDateTime::currentDateTime());
    if (!target.file) return PrintFailure{target.error};
    QFile& file = *target.file;

    bool written = false;
    {
        QPdfWriter pdf(&file);
        pdf.setResolution(kResolution);
        pdf.setTitle(kDocumentName);
        pdf.setCreator(kMessageTitle);
        pdf.setPageLayout(QPageLayout(paperForLocale(), QPageLayout::Portrait,
                                      QMarginsF(kFileMarginMillimetres, kFileMarginMillimetres,
                                                kFileMarginMillimetres, kFileMarginMillimetres),
                                      QPageLayout::Millimeter));
        PainterReportPrinter surface(pdf);
        written = writer.write(surface);
    }
    // Closing clears an error met by an earlier buffered write, so look before.
    QString writeError;
    if (!file.flush() || file.error() != QFileDevice::NoError) writeError = file.errorString();
    file.close();
    if (writeError.isEmpty() && file.error() != QFileDevice::NoError)
        writeError = file.errorString();
    if (!written || !writeError.isEmpty()) {
        // A half-written PDF under the report's own name would only mislead.
        file.remove();
        return PrintFailure{writeError.isEmpty()
                                ? QString()
                                : QStringLiteral("%1: %2").arg(
                                      QDir::toNativeSeparators(file.fileName()), writeError)};
    }
    path = file.fileName();
    return std::nullopt;
}

void showFailure(QWidget* parent, const PrintFailure& failure) {
    QMessageBox box(QMessageBox::Warning, kMessageTitle,
                    QStringLiteral("No se ha podido imprimir el informe."), QMessageBox::Ok,
                    parent);
    box.setInformativeText(failure.detail);
    box.exec();
}

}  // namespace

void PrintReport(QWidget* parent, const ReadBox& readBox, const LocaleSymbols& symbols) {
    const ReportWriter writer(readBox, symbols);
    if (!QPrinterInfo::defaultPrinter().isNull()) {
        if (const auto failure = printOnDefaultPrinter(writer)) showFailure(parent, *failure);
        return;
    }
    QString path;
    if (const auto failure = saveAsPdf(writer, path)) {
        showFailure(parent, *failure);
        return;
    }
    QMessageBox::information(
        parent, kMessageTitle,
        QStringLiteral("No hay ninguna impresora disponible. El informe se ha guardado en %1.")
            .arg(QDir::toNativeSeparators(path)));
}

}  // namespace vesquin
