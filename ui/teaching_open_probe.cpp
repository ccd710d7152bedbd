// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "teaching_open_probe.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QtGlobal>

#include <cstdio>
#include <functional>

#include "main_window.h"

namespace vesquin {
namespace {

// Calls `then` once after the first paint of the widget it watches.
class AfterFirstPaint : public QObject {
  public:
    AfterFirstPaint(QWidget& watched, std::function<void()> then)
        : QObject(&watched), m_then(std::move(then)) {
        watched.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // After this paint is done, not in the middle of it.
            QTimer::singleShot(0, QCoreApplication::instance(), m_then);
        }
        return false;
    }

  private:
    std::function<void()> m_then;
};

}  // namespace

void OpenTeachingViewWhenBenchmarking(MainWindow& window) {
    if (!qEnvironmentVariableIsSet("VESQUIN_BENCH_OPEN_TEACHING")) return;
    new AfterFirstPaint(window, [&window] {
        auto* clock = new QElapsedTimer;
        clock->start();
        window.showTeachingView();
        QWidget* view = window.teachingView<QWidget>();
        if (!view) {
            std::fputs("vista de enseñanza: no se ha podido abrir\n", stderr);
            QCoreApplication::exit(1);
            return;
        }
        new AfterFirstPaint(*view, [clock] {
            std::fprintf(stderr, "vista de enseñanza: %.1f ms\n",
                         static_cast<double>(clock->nsecsElapsed()) / 1e6);
            delete clock;
            QCoreApplication::quit();
        });
    });
}

}  // namespace vesquin
