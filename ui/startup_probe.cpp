// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "startup_probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QtGlobal>

namespace vesquin {
namespace {

class FirstPaintQuit : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            // After this paint is done, not in the middle of it.
            QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                      Qt::QueuedConnection);
            watched->removeEventFilter(this);
        }
        return false;
    }
};

}  // namespace

void QuitAfterFirstPaintWhenBenchmarking(QWidget& window) {
    if (!qEnvironmentVariableIsSet("VESQUIN_BENCH_QUIT_ON_SHOW")) return;
    window.installEventFilter(new FirstPaintQuit(&window));
}

}  // namespace vesquin
