// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "after_first_paint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace vesquin {
namespace {

class FirstPaintWatch : public QObject {
  public:
    FirstPaintWatch(QWidget& watched, std::function<void()> then)
        : QObject(&watched), m_then(std::move(then)) {
        watched.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(m_then),
                                      Qt::QueuedConnection);
            deleteLater();
        }
        return false;
    }

  private:
    std::function<void()> m_then;
};

}  // namespace

void AfterFirstPaint(QWidget& widget, std::function<void()> then) {
    new FirstPaintWatch(widget, std::move(then));
}

}  // namespace vesquin
