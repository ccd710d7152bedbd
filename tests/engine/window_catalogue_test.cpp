// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's table keeps its texts in Spanish and a face looks them up by the kind of
// control: a text marked with another context than its kind's would never be translated.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "catalogue.h"
#include "catalogue_table.h"
#include "window_layout_table.h"

namespace vesquin {
namespace {

using layout::ControlPlacement;
using layout::kControls;
using layout::Kind;

bool InCatalogue(std::string_view context, std::string_view id) {
    const auto entries = CatalogueEntries();
    return std::any_of(entries.begin(), entries.end(), [&](const CatalogueEntry& entry) {
        return entry.context == context && entry.id == id;
    });
}

TEST(WindowCatalogue, EveryCaptionAndSpokenNameIsInTheCatalogueUnderItsKindsContext) {
    for (const ControlPlacement& control : kControls) {
        if (control.kind == Kind::TextBox) {
            EXPECT_TRUE(InCatalogue(layout::kSpokenNameContext, control.accessibleName))
                << control.name;
        } else if (std::string_view(control.name) != "Label16") {
            // Label16 is replaced by the maximum hint in the user's symbols before it shows.
            EXPECT_TRUE(InCatalogue(layout::TextContext(control.kind), control.text))
                << control.name;
        }
    }
}

TEST(WindowCatalogue, KindsHaveDistinctContextsAndTextBoxesNone) {
    const std::string_view label = layout::TextContext(Kind::Label);
    const std::string_view frame = layout::TextContext(Kind::Frame);
    const std::string_view button = layout::TextContext(Kind::Button);
    EXPECT_FALSE(label.empty());
    EXPECT_NE(label, frame);
    EXPECT_NE(label, button);
    EXPECT_NE(frame, button);
    EXPECT_NE(button, layout::kSpokenNameContext);
    EXPECT_TRUE(layout::TextContext(Kind::TextBox).empty());
}

// A few entries translated here by hand, so that the lookup the window makes is seen
// to reach Catalan, and to fall back to Spanish for what is not translated.
TEST(WindowCatalogue, TableTextsReadInTheChosenLanguage) {
    const auto find = [](std::string_view name) {
        return *std::find_if(kControls.begin(), kControls.end(),
                             [name](const ControlPlacement& c) { return c.name == name; });
    };
    const ControlPlacement simulate = find("cmdSimular");
    const ControlPlacement results = find("Frame1");
    const ControlPlacement broken = find("txtS1");
    {
        ScopedLanguage catalan(Language::Catalan);
        EXPECT_EQ(Text(layout::TextContext(simulate.kind), simulate.text), "&Simula");
        EXPECT_EQ(Text(layout::TextContext(results.kind), results.text), "Resultats");
        EXPECT_EQ(Text(layout::kSpokenNameContext, broken.accessibleName),
                  "Es trenca un sol plat, nombre de vegades");
    }
    EXPECT_EQ(Text(layout::TextContext(simulate.kind), simulate.text), "&Simular");
}

}  // namespace
}  // namespace vesquin
