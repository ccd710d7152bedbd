// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How far a control's text goes beyond the box it has, measured in the control's own
// font as the window draws it.

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

namespace vesquin::test {

struct Overflow {
    int width = 0;   // pixels beyond the box's width
    int height = 0;  // pixels beyond its height
    bool operator==(const Overflow&) const = default;
};

// Wrapping within the width as the label does: a word wider than the box shows as width,
// a line too many as height.
inline Overflow LabelOverflow(const QLabel& label) {
    const QSize room = label.contentsRect().size();
    const QRect needed = label.fontMetrics().boundingRect(
        QRect(QPoint(0, 0), room), int(label.alignment()) | Qt::TextWordWrap, label.text());
    return {std::max(0, needed.width() - room.width()),
            std::max(0, needed.height() - room.height())};
}

// What the style keeps for the button's bevel and focus frame, beside its caption.
inline int ButtonMargins(const QPushButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    const QRect contents =
        button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    // Never less than the few pixels each side that keep the caption off the bevel.
    return std::max(8, button.width() - contents.width());
}

inline QString Caption(const QString& text) {
    QString caption = text;
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(u'&')
        .replace(u'\x01', u'&');
    return caption;
}

inline Overflow ButtonOverflow(const QPushButton& button) {
    const int needed =
        button.fontMetrics().horizontalAdvance(Caption(button.text())) + ButtonMargins(button);
    return {std::max(0, needed - button.width()),
            std::max(0, button.fontMetrics().height() - button.height())};
}

// The caption stands 8 pixels in from the frame's left corner with 2 of padding each side
// (the frames' style sheet); the same 8 are kept free at the right.
inline Overflow FrameOverflow(const QGroupBox& frame) {
    const int needed = frame.fontMetrics().horizontalAdvance(frame.title()) + 2 * 8 + 2 * 2;
    return {std::max(0, needed - frame.width()), 0};
}

// One line naming the language, the control, its text and by how much it does not fit;
// empty when it fits.
inline QString Describe(const QString& language, const QWidget& control, Overflow overflow) {
    if (overflow == Overflow{}) return {};
    QString text;
    if (const auto* label = qobject_cast<const QLabel*>(&control)) text = label->text();
    if (const auto* button = qobject_cast<const QPushButton*>(&control)) text = button->text();
    if (const auto* frame = qobject_cast<const QGroupBox*>(&control)) text = frame->title();
    QStringList excess;
    if (overflow.width > 0) excess << QStringLiteral("%1 px too wide").arg(overflow.width);
    if (overflow.height > 0) excess << QStringLiteral("%1 px too tall").arg(overflow.height);
    return QStringLiteral("%1: %2 «%3» is %4 for its %5 × %6 box")
        .arg(language, control.objectName(), text, excess.join(QStringLiteral(" and ")))
        .arg(control.width())
        .arg(control.height());
}

}  // namespace vesquin::test
