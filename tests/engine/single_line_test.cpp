// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "single_line.h"

#include <gtest/gtest.h>

#include <string>

namespace vesquin {
namespace {

struct PasteCase {
    const char* name;
    std::string pasted;
    std::string kept;
};

TEST(WithoutLineBreaks, DropsEveryKindOfLineBreakAndKeepsTheRest) {
    const PasteCase cases[] = {
        {"nothing to drop", "1.000", "1.000"},
        {"empty", "", ""},
        {"a line feed inside", "1.0\n00", "1.000"},
        {"a Windows line end inside", "1.0\r\n00", "1.000"},
        {"an old Mac line end", "1.0\r00", "1.000"},
        {"a trailing line end, as copied from a table cell", "250\r\n", "250"},
        {"only line breaks", "\n\r\n\r", ""},
        {"a line separator", "1\u2028000", "1000"},
        {"a paragraph separator", "1\u2029000", "1000"},
        {"next line, vertical tab and form feed", "1\u0085\v\f2", "12"},
        {"blanks and tabs stay", " 1 000\t", " 1 000\t"},
        {"characters that share bytes with the breaks stay", "\u2027\u202F\u00A0\u2030",
         "\u2027\u202F\u00A0\u2030"},
        {"a break between multi-byte characters", "\u00E1\n\u20AC", "\u00E1\u20AC"},
    };
    for (const PasteCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(WithoutLineBreaks(c.pasted), c.kept);
        EXPECT_EQ(HasLineBreak(c.pasted), c.pasted != c.kept);
    }
}

}  // namespace
}  // namespace vesquin
