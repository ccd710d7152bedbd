// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The words a user reads when a count cannot be simulated.
#include "run_messages.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace vesquin {
namespace {

// The maximum the window advertises under the count box.
constexpr std::int32_t kMillion = 1'000'000;

const LocaleSymbols kFrench{",", "\u202F"};

const std::string kSpanishTail = "un número entero entre 1 y 1.000.000.";
const std::string kAsk = "Indica cuántas veces haremos la simulación: ";

// "«typed» no es un número. ..." with the quoted text between its isolation marks.
std::string notANumber(const std::string& quoted, const std::string& tail = kSpanishTail) {
    return "«\u2068" + quoted + "\u2069» no es un número. " + kAsk + tail;
}

std::string repeated(std::size_t times, const std::string& piece) {
    std::string text;
    for (std::size_t i = 0; i < times; ++i) text += piece;
    return text;
}

struct MessageCase {
    const char* name;
    RunFailure failure;
    std::string typed;
    LocaleSymbols symbols;
    std::int32_t maximum;
    std::string message;
};

TEST(RunFailureMessage, SaysWhatIsWrongAndWhatIsAccepted) {
    const MessageCase cases[] = {
        {"empty", RunFailure::EmptyCount, "", kSpanishSymbols, kMillion, kAsk + kSpanishTail},
        {"only blanks", RunFailure::EmptyCount, "   ", kSpanishSymbols, kMillion,
         kAsk + kSpanishTail},
        {"letters", RunFailure::NotANumber, "abc", kSpanishSymbols, kMillion, notANumber("abc")},
        {"number and word", RunFailure::NotANumber, "10 platos", kSpanishSymbols, kMillion,
         notANumber("10 platos")},
        {"typed percent signs stay as typed", RunFailure::NotANumber, "%1 y %2", kSpanishSymbols,
         kMillion, notANumber("%1 y %2")},
        {"English symbols", RunFailure::NotANumber, "1.5x", kEnglishSymbols, kMillion,
         notANumber("1.5x", "un número entero entre 1 y 1,000,000.")},
        {"fewer than one", RunFailure::FewerThanOne, "0", kSpanishSymbols, kMillion,
         "Hay que hacer la simulación al menos una vez. Indica un número entre 1 y 1.000.000."},
        {"more than the maximum", RunFailure::MoreThanMaximum, "1.000.001", kSpanishSymbols,
         kMillion,
         "Como máximo se puede hacer la simulación 1.000.000 veces. Indica un número entre 1 y "
         "1.000.000."},
        {"French grouping, a narrow no-break space", RunFailure::MoreThanMaximum, "2000000",
         kFrench, kMillion,
         "Como máximo se puede hacer la simulación 1\u202f000\u202f000 veces. Indica un número "
         "entre 1 y 1\u202f000\u202f000."},
        {"the maximum in force, not the advertised one", RunFailure::MoreThanMaximum, "9999999999",
         kSpanishSymbols, 429496729,
         "Como máximo se puede hacer la simulación 429.496.729 veces. Indica un número entre 1 y "
         "429.496.729."},
    };
    for (const MessageCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RunFailureMessage(c.typed, RunError{c.failure, c.maximum}, c.symbols), c.message);
    }
}

struct QuoteCase {
    const char* name;
    std::string typed;
    std::string quoted;  // between the isolation marks
};

// Only the quoted count changes with its length.
TEST(RunFailureMessage, QuotesLongCountsCutAtFortyCharacters) {
    const std::string forty = "abcdefghij0123456789ABCDEFGHIJ9876543210";
    const std::string thirtyNine = forty.substr(0, 39);
    const QuoteCase cases[] = {
        {"forty, whole", forty, forty},
        {"forty-one, cut", forty + "Z", forty + "…"},
        {"accented letters count once", repeated(41, "á"), repeated(40, "á") + "…"},
        {"a character outside the basic plane is never halved", thirtyNine + "😀😀",
         thirtyNine + "😀…"},
        {"forty with one outside the basic plane, whole", thirtyNine + "😀", thirtyNine + "😀"},
        {"a three-byte character is never halved", repeated(45, "€"), repeated(40, "€") + "…"},
        {"a paste far past the limit", std::string(100'000, '7'), std::string(40, '7') + "…"},
    };
    for (const QuoteCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(
            RunFailureMessage(c.typed, RunError{RunFailure::NotANumber, kMillion}, kSpanishSymbols),
            notANumber(c.quoted));
    }
}

// Whatever is typed is quoted as it was typed: markup, entities and direction marks are
// characters like any other, and only the isolation marks keep them in their place.
TEST(RunFailureMessage, QuotesHostileTextLiterally) {
    const QuoteCase cases[] = {
        {"markup", "<b>x</b>", "<b>x</b>"},
        {"an entity", "&amp;", "&amp;"},
        {"an image of an endless file", "<img src=/dev/zero>", "<img src=/dev/zero>"},
        {"a right-to-left override", "\u202E123", "\u202E123"},
        {"a left-to-right mark", "12\u200E3", "12\u200E3"},
        {"a right-to-left isolate, closed", "\u2067abc\u2069", "\u2067abc\u2069"},
        {"a control character", "1\t2\x01", "1\t2\x01"},
    };
    for (const QuoteCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(
            RunFailureMessage(c.typed, RunError{RunFailure::NotANumber, kMillion}, kSpanishSymbols),
            notANumber(c.quoted));
    }
}

// A typed closing mark must not close the message's own isolate, and an isolate typed but
// not closed (or cut open at forty characters) must not swallow the rest of the sentence.
TEST(IsolatedTypedText, KeepsTheTypedTextInsideItsOwnIsolate) {
    const QuoteCase cases[] = {
        {"a closing mark alone is dropped", "\u2069\u202Eabc", "\u202Eabc"},
        {"an unmatched closing mark after a pair is dropped", "\u2066a\u2069\u2069b",
         "\u2066a\u2069b"},
        {"an opened isolate is closed", "\u2067abc", "\u2067abc\u2069"},
        {"nested isolates are closed in turn", "\u2068\u2066x", "\u2068\u2066x\u2069\u2069"},
        {"an isolate cut open at forty characters is closed before the ellipsis",
         "\u2067" + std::string(45, 'x'), "\u2067" + std::string(39, 'x') + "\u2069…"},
    };
    for (const QuoteCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(IsolatedTypedText(c.typed), "\u2068" + c.quoted + "\u2069");
    }
}

// The command line hands over bytes as they come; the message stays valid UTF-8.
TEST(IsolatedTypedText, ShowsBytesThatAreNotUtf8AsReplacementCharacters) {
    const QuoteCase cases[] = {
        {"a lone continuation byte", "a\x80z", "a\uFFFDz"},
        {"a lead byte at the end", "ab\xC3", "ab\uFFFD"},
        {"an overlong slash", "\xC0\xAF", "\uFFFD\uFFFD"},
        {"an encoded surrogate", "\xED\xA0\x80", "\uFFFD\uFFFD\uFFFD"},
        {"past U+10FFFF", "\xF4\x90\x80\x80", "\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"a four-byte character cut short", "\xF0\x9F\x98", "\uFFFD\uFFFD\uFFFD"},
        {"the largest code point", "\xF4\x8F\xBF\xBF", "\xF4\x8F\xBF\xBF"},
    };
    for (const QuoteCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(IsolatedTypedText(c.typed), "\u2068" + c.quoted + "\u2069");
    }
}

TEST(MaximumHint, ShowsTheMaximumInTheUsersSymbols) {
    EXPECT_EQ(MaximumHint(kMillion, kSpanishSymbols), "(Máximo 1.000.000)");
    EXPECT_EQ(MaximumHint(kMillion, kEnglishSymbols), "(Máximo 1,000,000)");
    EXPECT_EQ(MaximumHint(kMillion, kFrench), "(Máximo 1\u202F000\u202F000)");
}

}  // namespace
}  // namespace vesquin
