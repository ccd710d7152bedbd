// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The messages of the Print command. Every text is shown as plain text (printer
// names, paths and the print system's words are not ours to interpret), every
// button speaks Spanish whether or not Qt's translations are installed, and
// after each message the window gets the activation and its focus back, which
// no one else does where there is no window manager.

#include <QString>

#include <functional>

class QUrl;
class QWidget;

namespace vesquin {

// Opens a file or folder with the desktop's programs; false when it could not.
using UrlOpener = std::function<bool(const QUrl& url)>;
bool OpenWithDesktop(const QUrl& url);

// "No se ha podido imprimir el informe.", with `reason` below it.
void ShowPrintFailure(QWidget* window, const QString& reason);

// The report went to the file `path` (native separators) because of `why`
// ("No hay ninguna impresora disponible."...). Offers "Abrir el informe",
// "Abrir la carpeta" and "Aceptar", the default; `open` opens what is asked and
// a failure to open is reported.
void ShowSavedReport(QWidget* window, const QString& why, const QString& path,
                     const UrlOpener& open);

// `path` split into lines only right after a folder separator ('/' or '\\'), each
// line no wider than `maxWidth` as `width` measures it; a single name wider than
// that keeps a line of its own. Joining the lines gives `path` back.
QString BreakPathAtSeparators(const QString& path,
                              const std::function<double(const QString&)>& width, double maxWidth);

}  // namespace vesquin
