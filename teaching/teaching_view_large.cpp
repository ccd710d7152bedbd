// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Pantalla grande", for a projector at the back of a room: the whole view at
// twice its font, so that every text, the drawing of the trials and the lines
// measured from the text grow with it, and the charts with thicker lines in the
// high-contrast colours. The check box and Control+plus / Control+minus switch it.
#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QShortcut>
#include <QTimer>

#include <algorithm>

#include "convergence_chart.h"
#include "history_table.h"
#include "outcome_bars.h"
#include "run_history_model.h"
#include "teaching_texts.h"
#include "teaching_view.h"

namespace vesquin {
namespace {

QFont Doubled(QFont font) {
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * 2);
    else
        font.setPixelSize(font.pixelSize() * 2);
    return font;
}

}  // namespace

QCheckBox* TeachingView::largeScreenControl(QWidget* parent) {
    const QString label = QString::fromUtf8(LargeScreenToggleLabel().data(),
                                            qsizetype(LargeScreenToggleLabel().size()));
    m_largeCheck = new QCheckBox(label, parent);
    m_largeCheck->setObjectName(QStringLiteral("largeScreenCheck"));
    m_largeCheck->setAccessibleName(QString(label).remove(QLatin1Char('&')));
    m_largeCheck->setAccessibleDescription(QString::fromUtf8(
        LargeScreenDescription().data(), qsizetype(LargeScreenDescription().size())));
    connect(m_largeCheck, &QCheckBox::toggled, this, &TeachingView::setLargeScreen);
    // Control and the plus key (with or without Shift, as keyboards place it) or
    // Control+minus, from anywhere in the view, either tab.
    const auto shortcut = [this](const QKeySequence& keys, bool large) {
        auto* key = new QShortcut(keys, this);
        connect(key, &QShortcut::activated, this, [this, large] { setLargeScreen(large); });
    };
    shortcut(QKeySequence::ZoomIn, true);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Equal), true);
    shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Plus), true);
    shortcut(QKeySequence::ZoomOut, false);
    return m_largeCheck;
}

void TeachingView::setLargeScreen(bool large) {
    if (m_largeCheck->isChecked() != large) m_largeCheck->setChecked(large);  // comes back here
    if (large == m_large) return;
    m_large = large;
    QHeaderView* rows = m_table->verticalHeader();
    if (m_normalRowHeight == 0) m_normalRowHeight = rows->defaultSectionSize();
    // The view's own font; an empty one gives the children the application's back.
    setFont(large ? Doubled(QApplication::font(this)) : QFont());
    rows->setDefaultSectionSize(large ? std::max(m_normalRowHeight, fontMetrics().height() + 10)
                                      : m_normalRowHeight);
    m_table->arrangeColumns(m_history.symbols());
    m_convergence->setLarge(large);
    m_bars->setLarge(large);
    reflow();
    // The charts settle their least widths once laid out again.
    QTimer::singleShot(0, this, &TeachingView::reflow);
}

}  // namespace vesquin
