// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window icon is compiled into a static library as pixels written at build time
// from the PNG files that are also installed for desktops; these tests fail if the two
// differ or if the pixels are not a picture at all, either of which would give the
// window another icon than the menus show.

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QTest>

#include "application_icon.h"

class ApplicationIconTest : public QObject {
    Q_OBJECT

  private slots:
    void offersEverySizeDesktopsAskFor() {
        const QList<QSize> sizes = vesquin::applicationIcon().availableSizes();
        for (const int side : {16, 24, 32, 48, 64, 128, 256})
            QVERIFY2(sizes.contains(QSize(side, side)), qPrintable(QString::number(side)));
    }

    void startsWithTheSmallSizesOnly() {
        const QList<QSize> sizes = vesquin::applicationIcon(vesquin::IconSizes::Small).availableSizes();
        QCOMPARE(sizes, (QList<QSize>{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}}));
    }

    void matchesItsPngFile_data() {
        QTest::addColumn<int>("side");
        for (const int side : {16, 24, 32, 48, 64, 128, 256})
            QTest::newRow(qPrintable(QString::number(side))) << side;
    }

    // Pixel for pixel, transparency included: both sides go through the same conversion
    // to the screen's premultiplied format, so nothing may differ.
    void matchesItsPngFile() {
        QFETCH(int, side);
        const QImage png(QStringLiteral(VESQUIN_ICON_DIR "/vesquin-%1.png").arg(side));
        QVERIFY2(!png.isNull(), "the PNG file could not be read");
        const QImage compiled = vesquin::applicationIcon()
                                    .pixmap(QSize(side, side))
                                    .toImage()
                                    .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QCOMPARE(compiled, png.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }

    void drawsAPlateOnATransparentGround_data() {
        QTest::addColumn<int>("side");
        QTest::newRow("16") << 16;
        QTest::newRow("32") << 32;
        QTest::newRow("256") << 256;
    }

    // A real picture, not a missing file: transparent corners, an opaque plate whose
    // body is clay-coloured (red well above blue).
    void drawsAPlateOnATransparentGround() {
        QFETCH(int, side);
        const QImage image = vesquin::applicationIcon()
                                 .pixmap(QSize(side, side))
                                 .toImage()
                                 .convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(image.size(), QSize(side, side));
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(side - 1, side - 1)), 0);
        // Halfway between the centre and the rim, clear of the sights.
        const QRgb body = image.pixel(side * 5 / 16, side * 5 / 16);
        QCOMPARE(qAlpha(body), 255);
        QVERIFY2(qRed(body) > qBlue(body) + 100, qPrintable(QString::number(body, 16)));
    }
};

QTEST_MAIN(ApplicationIconTest)
#include "application_icon_test.moc"
