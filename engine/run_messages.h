// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the user is told when a count cannot be simulated: what is wrong and what is
// accepted, in Spanish, with the numbers in the user's symbols. Every face (window,
// command line, web page) shows these very texts, so they are composed here, as UTF-8.

#include <cstdint>
#include <string>
#include <string_view>

#include "experiment_run.h"
#include "number_text.h"

namespace vesquin {

// The typed text as a message quotes it: at most 40 characters (code points, never a
// character cut in two), then "…" when there was more; bytes that are not UTF-8 show
// as U+FFFD. It is wrapped in the isolation marks U+2068 … U+2069, and isolation marks
// typed in it are balanced, so that nothing typed (a right-to-left override, say) can
// reorder the sentence around it. "abc" gives "\u2068abc\u2069".
std::string IsolatedTypedText(std::string_view typed);

// The warning for a failed run. `typed` is the count as the user left it (UTF-8).
// With Spanish symbols and a maximum of 1000000, "abc" gives
// "«\u2068abc\u2069» no es un número. Indica cuántas veces haremos la simulación: un
// número entero entre 1 y 1.000.000."
std::string RunFailureMessage(std::string_view typed, const RunError& error,
                              const LocaleSymbols& symbols);

// The hint under the count box: "(Máximo 1.000.000)" with Spanish symbols.
std::string MaximumHint(std::int32_t maximum, const LocaleSymbols& symbols);

}  // namespace vesquin
