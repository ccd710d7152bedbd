// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The print system's answers in words for the user: a printer name as the user
// sees it, and the reason a job was refused or lost.

#include <QString>

namespace vesquin {

// «name», isolated so that a name written right to left cannot reorder the
// sentence around it.
QString QuotedName(const QString& name);

// Why the print system refused a job, from its IPP status code (RFC 8011 and
// CUPS), its own text and the printer's name. Known refusals get a Spanish
// sentence; any other keeps the print system's own text.
// 0x0506 for "TESTPDF" gives "La impresora «TESTPDF» no acepta trabajos."
QString RefusalText(int ippStatus, const QString& schedulerText, const QString& printer);

// A job the print system cancelled or aborted on its own, with its message.
QString LostJobText(const QString& printer, const QString& schedulerText);

// A job the print system stopped on its own (and that was then cancelled, so
// that it cannot come out much later by surprise), with its message.
QString StoppedJobText(const QString& printer, const QString& schedulerText);

// The printer is stopped: nothing is printed until someone resumes it.
QString StoppedPrinterText(const QString& printer);

// The print system did not answer within the time allowed.
QString NotRespondingText();

}  // namespace vesquin
