// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "application_icon.h"

#include <QImage>
#include <QImageReader>
#include <QPixmap>

#include <array>

// A resource in a static library is registered only when asked for by name, and
// Q_INIT_RESOURCE must be called from the global namespace.
static void registerIconResource() {
    Q_INIT_RESOURCE(vesquin_icons);
}

namespace vesquin {

QIcon applicationIcon(IconSizes sizes) {
    registerIconResource();
    // Read as PNG and nothing else: left to guess, the reader offers each file to every
    // image plugin first, which loads the gif, ico and jpeg plugins (and libjpeg) at
    // start-up for an icon that is only ever PNG.
    QIcon icon;
    constexpr std::array kSizes{16, 24, 32, 48, 64, 128, 256};
    const std::size_t count = sizes == IconSizes::Small ? 5 : kSizes.size();
    for (std::size_t i = 0; i < count; ++i) {
        const int size = kSizes[i];
        QImageReader reader(QStringLiteral(":/vesquin/icons/vesquin-%1.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        const QImage image = reader.read();
        if (!image.isNull()) icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

}  // namespace vesquin
