// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data_text.h"

namespace vesquin {

std::string JsonString(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20) {
            constexpr char kHex[] = "0123456789abcdef";
            quoted += "\\u00";
            quoted += kHex[byte >> 4];
            quoted += kHex[byte & 0xF];
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

std::string CsvField(std::string_view value, std::string_view separator) {
    const bool quoted = (!separator.empty() && value.find(separator) != std::string_view::npos) ||
                        value.find_first_of("\"\r\n") != std::string_view::npos;
    if (!quoted) return std::string(value);
    std::string field = "\"";
    for (const char c : value) {
        if (c == '"') field += '"';
        field += c;
    }
    return field + '"';
}

}  // namespace vesquin
