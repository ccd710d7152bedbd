// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window reads the same on a dark desktop as on a light one: every text keeps at
// least the contrast against its background that it has on a light desktop.
#include <QtTest>

#include <QApplication>
#include <QGroupBox>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

#include "fonts.h"
#include "main_window.h"
#include "number_text.h"

using vesquin::MainWindow;

namespace {

// WCAG 2 relative luminance and contrast ratio.
double Luminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
    const double lighter = std::max(Luminance(a), Luminance(b));
    const double darker = std::min(Luminance(a), Luminance(b));
    return (lighter + 0.05) / (darker + 0.05);
}

// A dark desktop theme's palette (light text on dark grey).
QPalette DarkPalette() {
    QPalette dark;
    const QColor window(49, 54, 59), base(35, 38, 41), text(239, 240, 241);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        dark.setColor(group, QPalette::Window, window);
        dark.setColor(group, QPalette::WindowText, text);
        dark.setColor(group, QPalette::Base, base);
        dark.setColor(group, QPalette::AlternateBase, window);
        dark.setColor(group, QPalette::Text, text);
        dark.setColor(group, QPalette::Button, window);
        dark.setColor(group, QPalette::ButtonText, text);
        dark.setColor(group, QPalette::Light, QColor(70, 77, 84));
        dark.setColor(group, QPalette::Midlight, QColor(60, 66, 72));
        dark.setColor(group, QPalette::Mid, QColor(40, 44, 48));
        dark.setColor(group, QPalette::Dark, QColor(25, 27, 29));
        dark.setColor(group, QPalette::Shadow, QColor(10, 10, 10));
    }
    return dark;
}

// The colours one control's text is painted with: its text role, and the background it
// stands on. Boxes and buttons paint their own; a label or a frame shows the background
// of the nearest widget that fills its own, at the last the window.
struct TextColours {
    QColor text;
    QColor background;
};

TextColours ColoursOf(const QWidget& control) {
    const QPalette& palette = control.palette();
    if (qobject_cast<const QLineEdit*>(&control))
        return {palette.color(QPalette::Text), palette.color(QPalette::Base)};
    if (qobject_cast<const QPushButton*>(&control))
        return {palette.color(QPalette::ButtonText), palette.color(QPalette::Button)};
    const QWidget* painter = &control;
    while (!painter->isWindow() && !painter->autoFillBackground())
        painter = painter->parentWidget();
    return {palette.color(QPalette::WindowText),
            painter->palette().color(painter->backgroundRole())};
}

// The colour most pixels of `area` have: a label's background, whatever its text covers.
QColor MostCommonColour(const QImage& image, const QRect& area) {
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) ++counts[image.pixel(x, y) | 0xff000000];
    QRgb most = 0;
    int mostCount = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > mostCount) {
            most = it.key();
            mostCount = it.value();
        }
    }
    return QColor::fromRgb(most);
}

struct Reading {
    double contrast;
    QColor painted;       // the most common colour in the control's area, as grabbed
    QColor background;    // the palette's background
    bool flat = true;     // painted in one colour (the style shades buttons)
    QStringList colours;  // every colour of the control's palette, as #rrggbb
};

QStringList PaletteColours(const QPalette& palette) {
    QStringList colours;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        for (int role = 0; role < QPalette::NColorRoles; ++role)
            colours << palette.color(group, QPalette::ColorRole(role)).name(QColor::HexArgb);
    return colours;
}

// Every control that shows text, by name, with its contrast.
std::map<QString, Reading> ReadWindow() {
    MainWindow window(vesquin::kSpanishSymbols);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return {};
    const QImage shot = window.grab().toImage();
    const qreal scale = shot.devicePixelRatio();
    std::map<QString, Reading> readings;
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        if (!qobject_cast<const QLabel*>(control) && !qobject_cast<const QGroupBox*>(control) &&
            !qobject_cast<const QLineEdit*>(control) && !qobject_cast<const QPushButton*>(control))
            continue;
        const TextColours colours = ColoursOf(*control);
        // A label's own rectangle, less a frame's caption band and border.
        QRect area(control->mapTo(&window, QPoint(0, 0)), control->size());
        if (qobject_cast<const QGroupBox*>(control)) area = QRect(area.topLeft(), QSize(6, 6));
        const QRect pixels(area.topLeft() * scale, area.size() * scale);
        readings[control->objectName()] = {Contrast(colours.text, colours.background),
                                           MostCommonColour(shot, pixels), colours.background,
                                           !qobject_cast<const QPushButton*>(control),
                                           PaletteColours(control->palette())};
    }
    return readings;
}

}  // namespace

class WindowPaletteTest : public QObject {
    Q_OBJECT

  private:
    std::map<QString, Reading> m_light;

  private slots:
    void initTestCase() {
        vesquin::InstallFontSubstitutions();
        // The light desktop of the offscreen platform: what the layout's colours were
        // chosen for.
        QVERIFY(Luminance(QApplication::palette().color(QPalette::Window)) > 0.8);
        m_light = ReadWindow();
        QCOMPARE(m_light.size(), std::size_t{33});  // 15 labels, 2 frames, 12 boxes, 4 buttons
        QApplication::setPalette(DarkPalette());
    }

    void everyTextKeepsItsContrastOnADarkDesktop_data() {
        QTest::addColumn<QString>("control");
        for (const auto& [name, reading] : m_light) QTest::newRow(qPrintable(name)) << name;
    }

    void everyTextKeepsItsContrastOnADarkDesktop() {
        QFETCH(QString, control);
        const std::map<QString, Reading> dark = ReadWindow();
        QVERIFY(dark.count(control));
        const Reading& onDark = dark.at(control);
        const Reading& onLight = m_light.at(control);
        // What is painted is the background the contrast was taken against.
        if (onDark.flat) QCOMPARE(onDark.painted, onDark.background);
        QVERIFY2(onDark.contrast >= onLight.contrast - 1e-9,
                 qPrintable(QStringLiteral("contrast %1:1 on a dark desktop, %2:1 on a light one")
                                .arg(onDark.contrast, 0, 'f', 2)
                                .arg(onLight.contrast, 0, 'f', 2)));
    }

    // Borders, selections and disabled texts too: each control paints with the very
    // colours it has on a light desktop.
    void everyControlPaintsWithItsLightColours() {
        const std::map<QString, Reading> dark = ReadWindow();
        QCOMPARE(dark.size(), m_light.size());
        for (const auto& [name, reading] : m_light)
            QVERIFY2(dark.at(name).colours == reading.colours, qPrintable(name));
    }

    // The red titles read well on the window's own light grey.
    void theTitlesReadOnTheLightWindow() {
        for (const char* title : {"Label14", "Label15", "Label18", "Label19"})
            QVERIFY2(m_light.at(QString::fromLatin1(title)).contrast >= 3.0, title);
    }

    // Only the main window is pinned: a message over it follows the desktop's theme.
    void messagesFollowTheDesktop() {
        MainWindow window(vesquin::kSpanishSymbols);
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Vesquin"), QStringLiteral("x"),
                        QMessageBox::Ok, &window);
        QCOMPARE(box.palette().color(QPalette::Window), DarkPalette().color(QPalette::Window));
        QVERIFY(window.palette().color(QPalette::Window) != DarkPalette().color(QPalette::Window));
    }
};

QTEST_MAIN(WindowPaletteTest)
#include "window_palette_test.moc"
