// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Just enough JSON to hand texts and whole numbers to the page's script.

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace vesquin::web {

// `text` (UTF-8) as a JSON string, quotes included.
inline std::string JsonString(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        switch (c) {
            case '"':
                quoted += "\\\"";
                break;
            case '\\':
                quoted += "\\\\";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escape[8];
                    std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
                    quoted += escape;
                } else {
                    quoted += c;
                }
        }
    }
    return quoted + "\"";
}

inline std::string JsonNumber(std::int64_t value) {
    return std::to_string(value);
}

inline std::string JsonBool(bool value) {
    return value ? "true" : "false";
}

}  // namespace vesquin::web
