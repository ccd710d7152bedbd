// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The catalogue's texts (engine/catalogue.h) as the report's Qt code shows them:
//   ToQString(Text("print failure", "La impresora {printer} no existe.",
//                  {{"printer", Utf8(name)}}))

#include <QString>
#include <string>
#include <string_view>

#include "catalogue.h"

namespace vesquin {

inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A placeholder's value; it lives until the end of the statement that fills it in.
inline std::string Utf8(const QString& text) {
    return text.toStdString();
}

}  // namespace vesquin
