// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The teaching view's first opening: from F2 in a freshly shown window to the view
// shown and painted, which is what a pupil waits for (at most 150 ms).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QWindow>

#include "fonts.h"
#include "main_window.h"
#include "teaching_view.h"

namespace {

bool Exposed(const QWidget* widget) {
    return widget && widget->windowHandle() && widget->windowHandle()->isExposed();
}

void BM_OpenTeachingViewWithF2(benchmark::State& state) {
    vesquin::InstallFontSubstitutions();
    QElapsedTimer clock;
    for (auto _ : state) {
        state.PauseTiming();
        vesquin::MainWindow window(vesquin::kSpanishSymbols);
        window.show();
        // Without a window manager (Xvfb) the window must take the activation itself.
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window)) {
            state.SkipWithError("the window was never active");
            break;
        }
        QCoreApplication::processEvents();
        state.ResumeTiming();

        QTest::keyClick(&window, Qt::Key_F2);
        for (int i = 0; i < 10000 && !Exposed(window.teachingView()); ++i)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        QCoreApplication::processEvents();  // its first paint
        if (!Exposed(window.teachingView())) {
            state.SkipWithError("F2 did not show the view");
            break;
        }
        state.PauseTiming();
        window.close();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenTeachingViewWithF2)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
