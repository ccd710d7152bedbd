// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Just enough JSON to hand texts and whole numbers to the page's script.

#include <cstdint>
#include <string>
#include <string_view>

#include "data_text.h"

namespace vesquin::web {

using vesquin::JsonString;

inline std::string JsonNumber(std::int64_t value) {
    return std::to_string(value);
}

inline std::string JsonBool(bool value) {
    return value ? "true" : "false";
}

}  // namespace vesquin::web
