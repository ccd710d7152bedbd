// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The layout table is shared by every face that draws the window, so the facts
// each face relies on are checked once here, on the data itself.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <string_view>

#include "experiment_run.h"
#include "window_layout_table.h"

namespace {

using vesquin::layout::ControlPlacement;
using vesquin::layout::kControls;
using vesquin::layout::Kind;

const ControlPlacement* Find(std::string_view name) {
    const auto it = std::find_if(kControls.begin(), kControls.end(),
                                 [name](const ControlPlacement& c) { return c.name == name; });
    return it == kControls.end() ? nullptr : &*it;
}

TEST(WindowLayoutTable, NamesAndTabPlacesAreUnique) {
    std::set<std::string> names;
    std::set<int> tabs;
    for (const ControlPlacement& control : kControls) {
        EXPECT_TRUE(names.insert(control.name).second) << control.name;
        EXPECT_TRUE(tabs.insert(control.tab).second) << control.name;
    }
}

TEST(WindowLayoutTable, ContainersAreFramesListedBeforeWhatTheyHold) {
    std::set<std::string> framesSoFar;
    for (const ControlPlacement& control : kControls) {
        if (control.container) {
            EXPECT_TRUE(framesSoFar.count(control.container)) << control.name;
        }
        if (control.kind == Kind::Frame) framesSoFar.insert(control.name);
    }
}

TEST(WindowLayoutTable, HoldsTheCountAndEveryResultBoxWithASpokenName) {
    std::vector<std::string_view> boxes(vesquin::kResultBoxes.begin(), vesquin::kResultBoxes.end());
    boxes.push_back("txtNs");
    for (std::string_view box : boxes) {
        const ControlPlacement* control = Find(box);
        ASSERT_NE(control, nullptr) << box;
        EXPECT_EQ(control->kind, Kind::TextBox) << box;
        ASSERT_NE(control->accessibleName, nullptr) << box;
        EXPECT_FALSE(std::string_view(control->accessibleName).empty()) << box;
    }
}

TEST(WindowLayoutTable, ControlsStayInsideTheirContainers) {
    for (const ControlPlacement& control : kControls) {
        const ControlPlacement* container = control.container ? Find(control.container) : nullptr;
        const int width = container ? container->width : vesquin::layout::kClientWidth;
        const int height = container ? container->height : vesquin::layout::kClientHeight;
        EXPECT_GE(control.left, 0) << control.name;
        EXPECT_GE(control.top, 0) << control.name;
        EXPECT_LE(control.left + control.width, width) << control.name;
        EXPECT_LE(control.top + control.height, height) << control.name;
    }
}

}  // namespace
