// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scheduler_failure.h"

#include "catalogue_qstring.h"

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
               : ToQString(Text("print failure", "{sentence}\nEl sistema de impresión dice: {answer}",
                                {{"sentence", Utf8(sentence)}, {"answer", Utf8(text)}}));
}

}  // namespace

QString QuotedName(const QString& name) {
    return QStringLiteral("«\u2068%1\u2069»").arg(name);
}

QString RefusalText(int ippStatus, const QString& schedulerText, const QString& printer) {
    const std::string name = Utf8(QuotedName(printer));
    switch (ippStatus) {
        case kNotAcceptingJobs:
            return ToQString(Text("print failure", "La impresora {printer} no acepta trabajos.",
                                  {{"printer", name}}));
        case kNotFound:
        case kGone:
            return ToQString(
                Text("print failure", "La impresora {printer} no existe.", {{"printer", name}}));
        case kNotAuthenticated:
        case kNotAuthorized:
        case kCupsAuthenticationCanceled:
            return ToQString(Text("print failure",
                                  "No tiene permiso para imprimir en la impresora {printer}.",
                                  {{"printer", name}}));
        case kRequestEntityTooLarge:
            // The scheduler's answer when its spool folder is full; its own words
            // ("request entity too large") would only puzzle.
            return ToQString(
                Text("print failure", "El sistema de impresión no tiene espacio para el trabajo."));
        case kDocumentFormatNotSupported:
            return ToQString(Text("print failure", "La impresora {printer} no admite documentos PDF.",
                                  {{"printer", name}}));
        case kTimeout:
        case kServiceUnavailable:
        case kBusy:
            return withSchedulerText(NotRespondingText(), schedulerText);
        default:
            break;
    }
    const QString text = schedulerText.trimmed();
    if (text.isEmpty()) {
        const QString code = QStringLiteral("%1").arg(ippStatus, 4, 16, QLatin1Char('0'));
        // Translators: {code} is the print system's status, in hexadecimal digits.
        return ToQString(Text("print failure",
                              "El sistema de impresión ha rechazado el trabajo (código 0x{code}).",
                              {{"code", Utf8(code)}}));
    }
    return ToQString(Text("print failure", "El sistema de impresión ha rechazado el trabajo: {answer}",
                          {{"answer", Utf8(text)}}));
}

QString LostJobText(const QString& printer, const QString& schedulerText) {
    return withSchedulerText(
        ToQString(Text("print failure",
                       "El sistema de impresión ha anulado el trabajo en la impresora {printer}.",
                       {{"printer", Utf8(QuotedName(printer))}})),
        schedulerText);
}

QString StoppedJobText(const QString& printer, const QString& schedulerText) {
    return withSchedulerText(
        ToQString(Text("print failure",
                       "El sistema de impresión ha detenido el trabajo en la impresora {printer}; se "
                       "ha anulado.",
                       {{"printer", Utf8(QuotedName(printer))}})),
        schedulerText);
}

QString StoppedPrinterText(const QString& printer) {
    return ToQString(Text("print failure", "La impresora {printer} está detenida.",
                          {{"printer", Utf8(QuotedName(printer))}}));
}

QString NotRespondingText() {
    return ToQString(Text("print failure", "La impresora no responde."));
}

}  // namespace vesquin
