// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Texts as other programs read them: a JSON string literal and a CSV field.
// Every face that hands data on (command line, history files, the web page)
// quotes through these, so that all of them escape alike.

#include <string>
#include <string_view>

namespace vesquin {

// `text` (UTF-8) as a JSON string literal, quotes included: quotes, backslashes
// and control characters escaped ("a\"b" for a"b, "\u000a" for a line feed).
std::string JsonString(std::string_view text);

// A CSV field (RFC 4180): quoted, with inner quotes doubled, when it holds the
// separator, a quote, a carriage return or a line feed; unchanged otherwise.
// With ";" as separator "1,5" stays 1,5 and "a;b" becomes "a;b" in quotes.
std::string CsvField(std::string_view value, std::string_view separator);

}  // namespace vesquin
