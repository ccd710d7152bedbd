// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Texts the user typed, shown back on a terminal. A typed text may hold control
// characters (an escape sequence can recolour or retitle a terminal), so they never
// reach it as they are.

#include <string>
#include <string_view>

namespace vesquin {

// `text` with every C0 and C1 control character (U+0000 to U+001F, U+007F to U+009F)
// and every byte that is not part of valid UTF-8 replaced by U+FFFD. Other characters,
// accents and symbols included, pass unchanged: "1.000,5" stays "1.000,5".
std::string TerminalSafe(std::string_view text);

// The text between « and » as the count messages quote it (IsolatedTypedText: cut to 40
// characters and "…", inside U+2068 … U+2069), made TerminalSafe: "abc" gives
// "«\u2068abc\u2069»".
std::string QuotedForTerminal(std::string_view text);

}  // namespace vesquin
