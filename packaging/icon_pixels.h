// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The icon's images as pixels, written at build time from packaging/icons/*.png, so that
// showing the icon takes no image decoder and no time.

#include <cstdint>
#include <span>

namespace vesquin {

struct IconImage {
    int side;                      // the image is side × side pixels
    const std::uint32_t* pixels;   // 0xAARRGGBB, row by row from the top
};

// From the smallest image to the largest.
extern const std::span<const IconImage> kIconImages;

}  // namespace vesquin
