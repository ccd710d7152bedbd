// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "run_messages.h"

#include <utility>

#include "catalogue.h"

namespace vesquin {
namespace {

constexpr std::size_t kLongestQuotedCount = 40;

constexpr char32_t kReplacementCharacter = U'\uFFFD';
constexpr char32_t kFirstStrongIsolate = U'\u2068';
constexpr char32_t kPopDirectionalIsolate = U'\u2069';

bool isContinuation(unsigned char byte, unsigned char low = 0x80, unsigned char high = 0xBF) {
    return byte >= low && byte <= high;
}

// The code point at the front of `text` and the bytes it takes. A byte that does not
// begin a well-formed sequence (overlong forms and surrogates included) reads as
// U+FFFD and takes one byte.
std::pair<char32_t, std::size_t> decodeFront(std::string_view text) {
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return {lead, 1};
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return {kReplacementCharacter, 1};
    }
    if (text.size() < length || !isContinuation(byte(1), low, high))
        return {kReplacementCharacter, 1};
    char32_t point = lead & (0xFF >> (length + 1));
    for (std::size_t i = 1; i < length; ++i) {
        if (!isContinuation(byte(i))) return {kReplacementCharacter, 1};
        point = (point << 6) | (byte(i) & 0x3F);
    }
    return {point, length};
}

void appendUtf8(std::string& text, char32_t point) {
    if (point < 0x80) {
        text += static_cast<char>(point);
    } else if (point < 0x800) {
        text += static_cast<char>(0xC0 | (point >> 6));
        text += static_cast<char>(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        text += static_cast<char>(0xE0 | (point >> 12));
        text += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (point & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (point >> 18));
        text += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (point & 0x3F));
    }
}

bool opensIsolate(char32_t point) {
    return point >= U'\u2066' && point <= kFirstStrongIsolate;  // LRI, RLI, FSI
}

std::string grouped(std::int32_t value, const LocaleSymbols& symbols) {
    return PatternFormat(double(value), Pattern::Grouped, symbols);
}

}  // namespace

std::string IsolatedTypedText(std::string_view typed) {
    std::string quoted;
    appendUtf8(quoted, kFirstStrongIsolate);
    std::size_t characters = 0;
    std::size_t openIsolates = 0;
    while (!typed.empty() && characters < kLongestQuotedCount) {
        const auto [point, length] = decodeFront(typed);
        typed.remove_prefix(length);
        ++characters;
        // A closing mark with nothing typed to close would close our own isolate.
        if (point == kPopDirectionalIsolate) {
            if (openIsolates == 0) continue;
            --openIsolates;
        } else if (opensIsolate(point)) {
            ++openIsolates;
        }
        appendUtf8(quoted, point);
    }
    for (; openIsolates > 0; --openIsolates) appendUtf8(quoted, kPopDirectionalIsolate);
    if (!typed.empty()) quoted += "…";
    appendUtf8(quoted, kPopDirectionalIsolate);
    return quoted;
}

std::string RunFailureMessage(std::string_view typed, const RunError& error,
                              const LocaleSymbols& symbols) {
    const std::string maximum = grouped(error.maximum, symbols);
    switch (error.failure) {
        case RunFailure::EmptyCount:
            return Text("count refusal",
                        "Indica cuántas veces haremos la simulación: un número entero entre 1 y "
                        "{maximum}.",
                        {{"maximum", maximum}});
        case RunFailure::NotANumber:
            return Text("count refusal",
                        "«{typed}» no es un número. Indica cuántas veces haremos la simulación: un "
                        "número entero entre 1 y {maximum}.",
                        {{"typed", IsolatedTypedText(typed)}, {"maximum", maximum}});
        case RunFailure::FewerThanOne:
            return Text("count refusal",
                        "Hay que hacer la simulación al menos una vez. Indica un número entre 1 y "
                        "{maximum}.",
                        {{"maximum", maximum}});
        case RunFailure::MoreThanMaximum:
            // The maximum is never one, so the Spanish keeps a single form.
            return Text("count refusal",
                        "Como máximo se puede hacer la simulación {maximum} veces. Indica un número "
                        "entre 1 y {maximum}.",
                        {{"maximum", maximum}});
    }
    return {};
}

std::string MaximumHint(std::int32_t maximum, const LocaleSymbols& symbols) {
    // Translators: shown in a narrow space beside the count box; keep it as short as this.
    return Text("count box hint", "(Máximo {maximum})", {{"maximum", grouped(maximum, symbols)}});
}

}  // namespace vesquin
