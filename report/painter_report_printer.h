// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The report drawn with QPainter on a paged device: a printer, or a PDF writer.
// Character columns are measured with the current font's average character
// width on the device itself, so they land where the device will print them.

#include <QFont>
#include <QPainter>

#include "report_printer.h"

class QPagedPaintDevice;

namespace vesquin {

class PainterReportPrinter final : public ReportPrinter {
  public:
    // The document begins with its first line, not before, and the device must
    // outlive this object.
    explicit PainterReportPrinter(QPagedPaintDevice& device);
    // Ends a document that was begun but not ended, so the device is released.
    ~PainterReportPrinter() override;

    PainterReportPrinter(const PainterReportPrinter&) = delete;
    PainterReportPrinter& operator=(const PainterReportPrinter&) = delete;

    bool setFontName(std::string_view name) override;
    bool setFontSize(int points) override;
    bool printLine(std::optional<int> tabColumn, const std::vector<std::string>& items) override;
    bool endDocument() override;

  private:
    bool begin();

    QPagedPaintDevice& m_device;
    QPainter m_painter;
    QFont m_font;
    qreal m_lineTop = 0;
    bool m_begun = false;
};

}  // namespace vesquin
