// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's icon, compiled into this library so that the window shows it on every
// platform, installed or not.

#include <QIcon>

namespace vesquin {

enum class IconSizes {
    Small,  // 16 to 64 pixels: what a title bar and a taskbar at scale 1 show
    All,    // 16 to 256 pixels
};

// The clay plate in the sights. Every size of a window's icon travels to the display
// with the window, and the large ones are nine tenths of it, so the window starts with
// the small ones and takes the rest once it is shown.
QIcon applicationIcon(IconSizes sizes = IconSizes::All);

}  // namespace vesquin
