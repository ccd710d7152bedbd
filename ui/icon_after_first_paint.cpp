// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "icon_after_first_paint.h"

#include <QApplication>

#include "after_first_paint.h"
#include "application_icon.h"

namespace vesquin {

void CompleteIconAfterFirstPaint(QWidget& window) {
    AfterFirstPaint(window, [] { QApplication::setWindowIcon(applicationIcon(IconSizes::All)); });
}

}  // namespace vesquin
