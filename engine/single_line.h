// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The count is one line of text. What is pasted into it may span several lines (a
// number copied from a table cell or a document often ends in a line break); the
// count keeps the characters and drops the breaks.

#include <string>
#include <string_view>

namespace vesquin {

// `text` (UTF-8) without its line breaks: CR, LF, VT, FF, NEL (U+0085), the line
// separator U+2028 and the paragraph separator U+2029. "1.0\r\n00" gives "1.000".
std::string WithoutLineBreaks(std::string_view text);

// Whether `text` holds any of those line breaks.
bool HasLineBreak(std::string_view text);

}  // namespace vesquin
