// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "teaching_open_probe.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <QtGlobal>

#include <cstdio>

#include "after_first_paint.h"
#include "main_window.h"

namespace vesquin {

void OpenTeachingViewWhenBenchmarking(MainWindow& window) {
    if (!qEnvironmentVariableIsSet("VESQUIN_BENCH_OPEN_TEACHING")) return;
    AfterFirstPaint(window, [&window] {
        auto* clock = new QElapsedTimer;
        clock->start();
        window.showTeachingView();
        QWidget* view = window.teachingView<QWidget>();
        if (!view) {
            std::fputs("vista de enseñanza: no se ha podido abrir\n", stderr);
            QCoreApplication::exit(1);
            return;
        }
        AfterFirstPaint(*view, [clock] {
            std::fprintf(stderr, "vista de enseñanza: %.1f ms\n",
                         static_cast<double>(clock->nsecsElapsed()) / 1e6);
            delete clock;
            QCoreApplication::quit();
        });
    });
}

}  // namespace vesquin
