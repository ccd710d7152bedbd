// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "terminal_text.h"

#include <cstddef>
#include <cstdint>

#include "run_messages.h"

namespace vesquin {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// The length of the valid UTF-8 sequence at the start of `text`, or 0.
std::size_t SequenceLength(std::string_view text, char32_t& codePoint) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(0);
    std::size_t length = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, codePoint = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, codePoint = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, codePoint = lead & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (text.size() < length) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return 0;
        codePoint = (codePoint << 6) | (byte(i) & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not valid UTF-8.
    if (codePoint < minimum || codePoint > 0x10FFFF ||
        (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        return 0;
    }
    return length;
}

// Calls visit(characterText) for each character of `text`, made terminal-safe.
template <typename Visit>
void ForEachSafeCharacter(std::string_view text, Visit visit) {
    while (!text.empty()) {
        char32_t codePoint = 0;
        const std::size_t length = SequenceLength(text, codePoint);
        if (length == 0) {
            visit(kReplacement);
            text.remove_prefix(1);
            continue;
        }
        const bool control = codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F);
        visit(control ? kReplacement : text.substr(0, length));
        text.remove_prefix(length);
    }
}

}  // namespace

std::string TerminalSafe(std::string_view text) {
    std::string safe;
    ForEachSafeCharacter(text, [&](std::string_view character) { safe += character; });
    return safe;
}

std::string QuotedForTerminal(std::string_view text) {
    // The count messages' isolation, so that a typed right-to-left override cannot
    // reorder the sentence around the value; then no control reaches the terminal.
    return "«" + TerminalSafe(IsolatedTypedText(text)) + "»";
}

}  // namespace vesquin
