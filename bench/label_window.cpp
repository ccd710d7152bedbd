// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for the window's start: a Qt window holding one label, built the same
// way as the program, which like it ends once its first frame is on the display when
// VESQUIN_BENCH_QUIT_ON_SHOW is set (bench/startup-time).

#include <QApplication>
#include <QLabel>

#include "startup_probe.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Vesquin"));
    vesquin::QuitAfterFirstPaintWhenBenchmarking(label);
    label.show();
    return app.exec();
}
