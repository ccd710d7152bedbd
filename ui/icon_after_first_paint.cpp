// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "icon_after_first_paint.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include "application_icon.h"

namespace vesquin {
namespace {

class FirstPaintIcon : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            // After this paint is done, not in the middle of it.
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [] { QApplication::setWindowIcon(applicationIcon(IconSizes::All)); },
                Qt::QueuedConnection);
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

}  // namespace

void CompleteIconAfterFirstPaint(QWidget& window) {
    window.installEventFilter(new FirstPaintIcon(&window));
}

}  // namespace vesquin
