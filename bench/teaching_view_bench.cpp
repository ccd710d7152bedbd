// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The teaching view's costs: a Simulate with the view open, from the click to
// both windows repainted (charts, theory and history table updated), and the
// memory the run history takes over a long lesson.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGraphicsView>
#include <QLineEdit>
#include <QPushButton>
#include <QWindow>

#include <fstream>
#include <string>
#include <variant>

#include "experiment_run.h"
#include "fonts.h"
#include "main_window.h"
#include "run_history_model.h"
#include "teaching_view.h"

namespace {

bool WaitUntilExposed(QWidget& widget) {
    for (int i = 0; i < 1000 && !(widget.windowHandle() && widget.windowHandle()->isExposed()); ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return widget.windowHandle() && widget.windowHandle()->isExposed();
}

// Resident memory of this process in KiB, or -1 where /proc is not there.
double ResidentKiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6));
    return -1;
}

// Counts the paints of one widget, to be sure each Simulate really repainted it.
class PaintCounter : public QObject {
  public:
    int paints = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// Click on Simular with the view open, then what the user waits for: the event loop
// runs the charts' deferred layout and repaints both windows.
void BM_SimulateWithTeachingView(benchmark::State& state) {
    vesquin::InstallFontSubstitutions();
    vesquin::MainWindow window(vesquin::kSpanishSymbols);
    window.show();
    window.showTeachingView();
    vesquin::TeachingView* view = window.teachingView();
    if (!WaitUntilExposed(window) || !WaitUntilExposed(*view))
        state.SkipWithError("the windows were never shown");
    QCoreApplication::processEvents();
    PaintCounter chartPaints;
    view->findChild<QGraphicsView*>(QStringLiteral("convergenceChart"))
        ->viewport()
        ->installEventFilter(&chartPaints);
    window.findChild<QLineEdit*>(QStringLiteral("txtNs"))->setText(QString::number(state.range(0)));
    auto* simulate = window.findChild<QPushButton*>(QStringLiteral("cmdSimular"));
    // Where the time goes, in ms per Simulate: the run with the updates it starts,
    // then the layout and paints the event loop does.
    double clickNs = 0;
    double repaintNs = 0;
    QElapsedTimer clock;
    for (auto _ : state) {
        clock.start();
        simulate->click();
        clickNs += clock.nsecsElapsed();
        clock.start();
        QCoreApplication::processEvents();
        repaintNs += clock.nsecsElapsed();
    }
    if (window.runHistory().runCount() != static_cast<int>(state.iterations()))
        state.SkipWithError("a run is missing from the history");
    if (chartPaints.paints < static_cast<int>(state.iterations()))
        state.SkipWithError("the chart was not repainted after every run");
    const double perRun = 1e6 * static_cast<double>(state.iterations());
    state.counters["click_ms"] = clickNs / perRun;
    state.counters["repaint_ms"] = repaintNs / perRun;
}
BENCHMARK(BM_SimulateWithTeachingView)
    ->ArgName("count")
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);

// A long lesson: 10.000 runs of 1.000.000 trials (the most checkpoints a run
// records) reach the history with the view open. The run is performed once and
// announced 10.000 times, so the measure is the history's, not the trials'.
void BM_HistoryMemory(benchmark::State& state) {
    vesquin::InstallFontSubstitutions();
    const auto runs = static_cast<int>(state.range(0));
    double before = 0;
    double after = 0;
    std::size_t recordBytes = 0;
    for (auto _ : state) {
        vesquin::MainWindow window(vesquin::kSpanishSymbols);
        window.show();
        window.showTeachingView();
        WaitUntilExposed(*window.teachingView());
        vesquin::UniformSource source(1);
        auto performed = vesquin::PerformRun("1000000", source, vesquin::kSpanishSymbols, 1000000);
        const auto& record = std::get<vesquin::RunRecord>(performed);
        // The history keeps each run in the shape of any experiment: a checkpoint's
        // counts stand in a vector of their own.
        const std::size_t checkpointBytes =
            sizeof(vesquin::ExperimentTallyAt) + 3 * sizeof(std::int32_t);
        recordBytes = sizeof(vesquin::ExperimentEntry) + sizeof(std::int32_t) * 3 +
                      record.checkpoints.size() * checkpointBytes;
        QCoreApplication::processEvents();
        before = ResidentKiB();
        for (int i = 0; i < runs; ++i) emit window.runPerformed(record);
        QCoreApplication::sendPostedEvents();
        window.teachingView()->repaint();
        after = ResidentKiB();
        if (window.runHistory().runCount() != runs) state.SkipWithError("runs are missing");
    }
    state.counters["resident_MiB"] = after / 1024;
    state.counters["growth_B_per_run"] = (after - before) * 1024 / runs;
    state.counters["record_B_per_run"] = static_cast<double>(recordBytes);
}
BENCHMARK(BM_HistoryMemory)
    ->ArgName("runs")
    ->Arg(10000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
