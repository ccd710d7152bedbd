// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "painter_report_printer.h"

#include <algorithm>

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QString>

namespace vesquin {

PainterReportPrinter::PainterReportPrinter(QPagedPaintDevice& device) : m_device(device) {}

PainterReportPrinter::~PainterReportPrinter() {
    if (m_painter.isActive()) m_painter.end();
}

bool PainterReportPrinter::setFontName(std::string_view name) {
    m_font.setFamilies({QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()))});
    return true;
}

bool PainterReportPrinter::setFontSize(int points) {
    m_font.setPointSize(points);
    return true;
}

bool PainterReportPrinter::begin() {
    if (m_begun) return m_painter.isActive();
    m_begun = true;
    return m_painter.begin(&m_device);
}

bool PainterReportPrinter::printLine(std::optional<int> tabColumn,
                                     const std::vector<std::string>& items) {
    if (!begin()) return false;
    // Measured on the device: screen metrics scaled to the printer are a few
    // per cent off, which shifts column 36 visibly.
    const QFontMetricsF metrics(m_font, &m_device);
    if (!items.empty()) {
        QString text;
        for (const std::string& item : items) {
            text += QString::fromUtf8(item.data(), static_cast<qsizetype>(item.size()));
        }
        const int column = tabColumn ? std::max(*tabColumn, 1) : 1;
        const qreal left = (column - 1) * metrics.averageCharWidth();
        m_painter.setFont(m_font);
        m_painter.drawText(QPointF(left, m_lineTop + metrics.ascent()), text);
    }
    m_lineTop += metrics.lineSpacing();
    return true;
}

bool PainterReportPrinter::endDocument() {
    // A report with no line at all still makes one (empty) page.
    if (!begin()) return false;
    return m_painter.end();
}

}  // namespace vesquin
