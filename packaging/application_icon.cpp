// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "application_icon.h"

#include <QImage>
#include <QPixmap>

#include "icon_pixels.h"

namespace vesquin {

QIcon applicationIcon(IconSizes sizes) {
    constexpr int kLargestSmallSide = 64;
    QIcon icon;
    for (const IconImage& image : kIconImages) {
        if (sizes == IconSizes::Small && image.side > kLargestSmallSide) break;
        // The pixels are constants of the program: the image only points at them, and the
        // pixmap takes its own copy in the screen's format.
        const QImage pixels(reinterpret_cast<const uchar*>(image.pixels), image.side, image.side,
                            image.side * 4, QImage::Format_ARGB32);
        icon.addPixmap(QPixmap::fromImage(pixels));
    }
    return icon;
}

}  // namespace vesquin
