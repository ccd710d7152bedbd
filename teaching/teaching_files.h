// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the teaching view's save commands need besides the view: the picture
// they save, the dialog that asks where, and the warning when saving fails.

#include <QColor>
#include <QImage>
#include <QString>

class QWidget;

namespace vesquin {

// `left` and `right` side by side as they are drawn now, and under them
// `caption` in one line (left out when empty), on `background`.
QImage ComposeChartsImage(QWidget& left, QWidget& right, const QString& caption,
                          const QColor& background, const QColor& text);

// The save dialog (which asks before replacing a file), opening in the user's
// documents folder on `fileName`; the empty text when the user cancels.
QString AskSavePath(QWidget* parent, const QString& title, const QString& fileName,
                    const QString& filter, const QString& suffix);

// A warning over `parent` that `path` could not be saved, and why.
void TellSaveFailure(QWidget* parent, const QString& path, const QString& error);

}  // namespace vesquin
