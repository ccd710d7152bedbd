// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cups_page.h"

#include "cups_library.h"

#include <QMarginsF>
#include <QPageSize>
#include <QSizeF>

namespace vesquin {

namespace {

constexpr int kFinestGrid = 1200;  // dots per inch

int integerIn(ipp_t* collection, const char* name, int fallback) {
    ipp_attribute_t* attribute = Cups().ippFindAttribute(collection, name, IPP_TAG_INTEGER);
    return attribute ? Cups().ippGetInteger(attribute, 0) : fallback;
}

}  // namespace

PdfPage PageForDestination(http_t* http, cups_dest_t* dest, cups_dinfo_t* info) {
    PdfPage page = SavedReportPage();
    if (ipp_attribute_t* mediaCol = Cups().cupsFindDestDefault(http, dest, info, "media-col")) {
        ipp_t* media = Cups().ippGetCollection(mediaCol, 0);
        ipp_attribute_t* sizeAttribute =
            Cups().ippFindAttribute(media, "media-size", IPP_TAG_BEGIN_COLLECTION);
        ipp_t* size = sizeAttribute ? Cups().ippGetCollection(sizeAttribute, 0) : nullptr;
        const int width = size ? integerIn(size, "x-dimension", 0) : 0;
        const int length = size ? integerIn(size, "y-dimension", 0) : 0;
        if (width > 0 && length > 0) {
            // IPP measures media in hundredths of a millimetre.
            const auto mm = [](int hundredths) { return hundredths / 100.0; };
            const QMarginsF margins(mm(integerIn(media, "media-left-margin", 0)),
                                    mm(integerIn(media, "media-top-margin", 0)),
                                    mm(integerIn(media, "media-right-margin", 0)),
                                    mm(integerIn(media, "media-bottom-margin", 0)));
            page.layout =
                QPageLayout(QPageSize(QSizeF(mm(width), mm(length)), QPageSize::Millimeter,
                                      QString(), QPageSize::FuzzyMatch),
                            QPageLayout::Portrait, margins, QPageLayout::Millimeter);
        }
    }
    if (ipp_attribute_t* resolution =
            Cups().cupsFindDestDefault(http, dest, info, "printer-resolution")) {
        int vertical = 0;
        ipp_res_t units = IPP_RES_PER_INCH;
        int horizontal = Cups().ippGetResolution(resolution, 0, &vertical, &units);
        if (units == IPP_RES_PER_CM) horizontal = static_cast<int>(horizontal * 2.54 + 0.5);
        // The document's grid is the printer's dots, refined to at least 1200 dpi:
        // a coarse grid rounds the font's average width, and 35 rounded widths
        // put column 36 a visible point or two off.
        if (horizontal >= 72 && horizontal <= 9600)
            page.resolution = horizontal * ((kFinestGrid + horizontal - 1) / horizontal);
    }
    return page;
}

}  // namespace vesquin
