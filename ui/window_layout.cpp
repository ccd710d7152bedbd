// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_layout.h"

#include <QColor>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QWidget>

#include <algorithm>
#include <vector>

#include "catalogue.h"
#include "window_layout_table.h"
#include "window_palette.h"

namespace vesquin {
namespace {

using layout::Colours;
using layout::ControlPlacement;
using layout::Face;
using layout::kCaption;
using layout::kClientHeight;
using layout::kClientWidth;
using layout::kControls;
using layout::Kind;
using layout::kWindowName;

// 15 twips make one logical pixel; Qt scales logical pixels for the screen.
int Pixels(int twips) {
    return (twips + 7) / 15;
}

QFont FontFor(Face face, const QFont& windowFont) {
    QFont font = windowFont;
    switch (face) {
        case Face::Default:
            return windowFont;
        case Face::F1:
        case Face::F1B:
            font.setFamily(QStringLiteral("MS Sans Serif"));
            font.setPointSizeF(9.75);
            font.setWeight(face == Face::F1B ? QFont::Bold : QFont::Normal);
            return font;
        case Face::F3:
            font.setFamily(QStringLiteral("MS Sans Serif"));
            font.setPointSizeF(18);
            font.setWeight(QFont::Bold);
            return font;
        case Face::F4:
            font.setFamily(QStringLiteral("Comic Sans MS"));
            font.setPointSizeF(8.25);
            font.setWeight(QFont::Normal);
            return font;
    }
    return font;
}

void ApplyColours(QWidget& control, Colours colours) {
    const QColor red(255, 0, 0);
    const QColor darkRed(192, 0, 0);
    QPalette palette = control.palette();
    switch (colours) {
        case Colours::System:
            return;
        case Colours::Red:
            palette.setColor(QPalette::WindowText, red);
            break;
        case Colours::DarkRed:
            palette.setColor(QPalette::WindowText, darkRed);
            break;
        case Colours::Simulated:
            palette.setColor(QPalette::Text, darkRed);
            palette.setColor(QPalette::Base, QColor(224, 224, 224));
            break;
        case Colours::Theoretical:
            palette.setColor(QPalette::Text, QColor(0, 0, 255));
            palette.setColor(QPalette::Base, QColor(192, 192, 192));
            break;
    }
    control.setPalette(palette);
}

QWidget* CreateControl(const ControlPlacement& placement, QWidget& container,
                       WindowControls& controls) {
    // A text box's own contents are data ("" or the blank of an empty result), not a text.
    const QString text =
        placement.kind == Kind::TextBox
            ? QString::fromUtf8(placement.text)
            : QString::fromUtf8(Text(layout::TextContext(placement.kind), placement.text));
    switch (placement.kind) {
        case Kind::Label: {
            auto* label = new QLabel(text, &container);
            // Texts stand at the top of their boxes and wrap within them, as the layout was drawn.
            label->setAlignment(Qt::AlignTop |
                                (placement.centred ? Qt::AlignHCenter : Qt::AlignLeft));
            label->setWordWrap(true);
            label->setTextFormat(Qt::PlainText);
            return label;
        }
        case Kind::Frame: {
            auto* frame = new QGroupBox(text, &container);
            // The caption sits on the frame's top line, as the layout inside the frames assumes:
            // some controls stand only 8 pixels below the frame's top edge.
            frame->setStyleSheet(QStringLiteral(
                "QGroupBox { border: 1px solid palette(mid); border-radius: 3px; margin-top: 7px; }"
                "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 2px; }"));
            return frame;
        }
        case Kind::TextBox: {
            auto* box = new QLineEdit(text, &container);
            box->setAlignment(placement.centred ? Qt::AlignHCenter : Qt::AlignLeft);
            box->setAccessibleName(
                QString::fromUtf8(Text(layout::kSpokenNameContext, placement.accessibleName)));
            // The results are the program's to write; they still take the focus so that
            // a keyboard user can reach, read and copy them.
            box->setReadOnly(QLatin1String(placement.name) != QLatin1String("txtNs"));
            controls.boxes.insert(QString::fromUtf8(placement.name), box);
            return box;
        }
        case Kind::Button:
            return new QPushButton(text, &container);
    }
    return nullptr;
}

}  // namespace

QLineEdit* BoxNamed(const TextBoxes& boxes, std::string_view name) {
    return boxes.value(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

WindowControls BuildWindowControls(QWidget& window) {
    window.setObjectName(QString::fromUtf8(kWindowName));
    window.setWindowTitle(QString::fromUtf8(kCaption));
    window.setFixedSize(Pixels(kClientWidth), Pixels(kClientHeight));
    // The layout's colours were chosen for a light window; a dark desktop theme must not
    // put them on a dark background. Set before the controls, which inherit it.
    window.setPalette(LightWindowPalette());
    // The window's own font serves the frame captions and the maximum hint.
    QFont windowFont(QStringLiteral("MS Sans Serif"));
    windowFont.setPointSizeF(8.25);
    window.setFont(windowFont);

    WindowControls controls;
    QHash<QString, QWidget*> created;
    std::vector<std::pair<int, QWidget*>> focusable;
    for (const ControlPlacement& placement : kControls) {
        QWidget* container =
            placement.container ? created.value(QString::fromUtf8(placement.container)) : &window;
        QWidget* control = CreateControl(placement, *container, controls);
        control->setObjectName(QString::fromUtf8(placement.name));
        control->setGeometry(Pixels(placement.left), Pixels(placement.top), Pixels(placement.width),
                             Pixels(placement.height));
        control->setFont(FontFor(placement.face, windowFont));
        // The frames' style sheet would otherwise hand them and their contents the
        // desktop's palette: each control holds the window's own, then its colours.
        control->setPalette(window.palette());
        ApplyColours(*control, placement.colours);
        created.insert(control->objectName(), control);
        if (placement.kind == Kind::TextBox || placement.kind == Kind::Button)
            focusable.emplace_back(placement.tab, control);
    }

    std::sort(focusable.begin(), focusable.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < focusable.size(); ++i)
        QWidget::setTabOrder(focusable[i - 1].second, focusable[i].second);

    controls.simulateButton = window.findChild<QPushButton*>(QStringLiteral("cmdSimular"));
    controls.printButton = window.findChild<QPushButton*>(QStringLiteral("cmdImprimir"));
    controls.clearButton = window.findChild<QPushButton*>(QStringLiteral("cmdBorrar"));
    controls.endButton = window.findChild<QPushButton*>(QStringLiteral("cmdSalir"));
    controls.maximumHint = window.findChild<QLabel*>(QStringLiteral("Label16"));
    return controls;
}

}  // namespace vesquin
