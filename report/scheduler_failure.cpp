// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scheduler_failure.h"

namespace vesquin {

namespace {

// IPP status codes (RFC 8011, section 4.1.6, and the CUPS extensions), spelt
// out here so that the texts do not depend on the print system's headers.
enum IppStatus : int {
    kNotAuthenticated = 0x0402,
    kNotAuthorized = 0x0403,
    kNotFound = 0x0406,
    kGone = 0x0407,
    kRequestEntityTooLarge = 0x0409,
    kDocumentFormatNotSupported = 0x040A,
    kTimeout = 0x0419,
    kServiceUnavailable = 0x0502,
    kNotAcceptingJobs = 0x0506,
    kBusy = 0x0507,
    kCupsAuthenticationCanceled = 0x1000,
};

QString withSchedulerText(const QString& sentence, const QString& schedulerText) {
    const QString text = schedulerText.trimmed();
    return text.isEmpty()
               ? sentence
               : QStringLiteral("%1\nEl sistema de impresión dice: %2").arg(sentence, text);
}

}  // namespace

QString QuotedName(const QString& name) {
    return QStringLiteral("«\u2068%1\u2069»").arg(name);
}

QString RefusalText(int ippStatus, const QString& schedulerText, const QString& printer) {
    const QString name = QuotedName(printer);
    switch (ippStatus) {
        case kNotAcceptingJobs:
            return QStringLiteral("La impresora %1 no acepta trabajos.").arg(name);
        case kNotFound:
        case kGone:
            return QStringLiteral("La impresora %1 no existe.").arg(name);
        case kNotAuthenticated:
        case kNotAuthorized:
        case kCupsAuthenticationCanceled:
            return QStringLiteral("No tiene permiso para imprimir en la impresora %1.").arg(name);
        case kRequestEntityTooLarge:
            // The scheduler's answer when its spool folder is full; its own words
            // ("request entity too large") would only puzzle.
            return QStringLiteral("El sistema de impresión no tiene espacio para el trabajo.");
        case kDocumentFormatNotSupported:
            return QStringLiteral("La impresora %1 no admite documentos PDF.").arg(name);
        case kTimeout:
        case kServiceUnavailable:
        case kBusy:
            return withSchedulerText(NotRespondingText(), schedulerText);
        default:
            break;
    }
    const QString text = schedulerText.trimmed();
    return text.isEmpty()
               ? QStringLiteral("El sistema de impresión ha rechazado el trabajo (código 0x%1).")
                     .arg(ippStatus, 4, 16, QLatin1Char('0'))
               : QStringLiteral("El sistema de impresión ha rechazado el trabajo: %1").arg(text);
}

QString LostJobText(const QString& printer, const QString& schedulerText) {
    return withSchedulerText(
        QStringLiteral("El sistema de impresión ha anulado el trabajo en la impresora %1.")
            .arg(QuotedName(printer)),
        schedulerText);
}

QString StoppedJobText(const QString& printer, const QString& schedulerText) {
    return withSchedulerText(
        QStringLiteral("El sistema de impresión ha detenido el trabajo en la impresora %1; se ha "
                       "anulado.")
            .arg(QuotedName(printer)),
        schedulerText);
}

QString StoppedPrinterText(const QString& printer) {
    return QStringLiteral("La impresora %1 está detenida.").arg(QuotedName(printer));
}

QString NotRespondingText() {
    return QStringLiteral("La impresora no responde.");
}

}  // namespace vesquin
