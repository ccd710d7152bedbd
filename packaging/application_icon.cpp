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

QIcon applicationIcon() {
    registerIconResource();
    // Read as PNG and nothing else: left to guess, the reader offers each file to every
    // image plugin first, which loads the gif, ico and jpeg plugins (and libjpeg) at
    // start-up for an icon that is only ever PNG.
    QIcon icon;
    for (const int size : std::array{16, 24, 32, 48, 64, 128, 256}) {
        QImageReader reader(QStringLiteral(":/vesquin/icons/vesquin-%1.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        const QImage image = reader.read();
        if (!image.isNull()) icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

}  // namespace vesquin
