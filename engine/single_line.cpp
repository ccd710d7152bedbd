// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "single_line.h"

namespace vesquin {
namespace {

constexpr std::string_view kMultiByteBreaks[] = {"\u0085", "\u2028", "\u2029"};

// The length of the line break at the front of `text`, or 0.
std::size_t breakAtFront(std::string_view text) {
    const char first = text.front();
    if (first == '\n' || first == '\r' || first == '\v' || first == '\f') return 1;
    for (std::string_view lineBreak : kMultiByteBreaks) {
        if (text.starts_with(lineBreak)) return lineBreak.size();
    }
    return 0;
}

}  // namespace

std::string WithoutLineBreaks(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    while (!text.empty()) {
        if (const std::size_t length = breakAtFront(text)) {
            text.remove_prefix(length);
        } else {
            kept += text.front();
            text.remove_prefix(1);
        }
    }
    return kept;
}

bool HasLineBreak(std::string_view text) {
    for (; !text.empty(); text.remove_prefix(1)) {
        if (breakAtFront(text)) return true;
    }
    return false;
}

}  // namespace vesquin
