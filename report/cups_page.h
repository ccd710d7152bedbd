// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The page a CUPS destination prints on, for the PDF we send it.

#include <cups/cups.h>

#include "report_pdf.h"

namespace vesquin {

// The destination's default paper and margins (from its "media-col" default)
// and its resolution; those of a saved report where the destination does not
// say. The resolution is refined to at least 1200 dpi.
PdfPage PageForDestination(http_t* http, cups_dest_t* dest, cups_dinfo_t* info);

}  // namespace vesquin
