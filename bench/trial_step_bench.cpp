// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// "Ensayo a ensayo": from the space bar to the trial drawn, without animation;
// a hundred trials at once; and the memory of a long run watched step by step.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QWindow>

#include <fstream>
#include <string>

#include "fonts.h"
#include "trial_scene.h"
#include "trial_step_pane.h"

namespace {

// Resident memory of this process in KiB, or -1 where /proc is not there.
double ResidentKiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6));
    return -1;
}

class PaintCounter : public QObject {
  public:
    int paints = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

struct ShownPane {
    vesquin::TrialStepPane pane{vesquin::kSpanishSymbols};
    vesquin::TrialScene* scene = nullptr;
    PaintCounter paints;

    explicit ShownPane(int trials) {
        vesquin::InstallFontSubstitutions();
        pane.setReducedMotion(true);
        pane.setSeed(1);
        for (auto* box : pane.findChildren<QSpinBox*>())
            if (box->maximum() == 10000) box->setValue(trials);
        pane.restart();
        pane.resize(1000, 600);
        pane.show();
        for (int i = 0; i < 1000 && !(pane.windowHandle() && pane.windowHandle()->isExposed()); ++i)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        scene = pane.findChild<vesquin::TrialScene*>();
        scene->installEventFilter(&paints);
        scene->setFocus();
        QCoreApplication::processEvents();
    }

    // Lets the event loop repaint, and says whether the drawing was painted anew.
    bool drawn() {
        const int before = paints.paints;
        QCoreApplication::processEvents();
        return paints.paints > before;
    }
};

// One key press on the drawing, the trial taken and the drawing, tally and list painted.
void BM_SpaceBarToTrialDrawn(benchmark::State& state) {
    ShownPane shown(10000);
    for (auto _ : state) {
        if (shown.pane.run().finished()) {
            state.PauseTiming();
            shown.pane.restart();
            shown.drawn();
            state.ResumeTiming();
        }
        QTest::keyClick(shown.scene, Qt::Key_Space);
        if (!shown.drawn()) state.SkipWithError("the trial was not drawn");
    }
}
BENCHMARK(BM_SpaceBarToTrialDrawn)->Unit(benchmark::kMillisecond);

// "100 ensayos": the hundred trials, the list of the last ones and the repaint.
void BM_HundredTrialsDrawn(benchmark::State& state) {
    ShownPane shown(10000);
    QPushButton* hundred = nullptr;
    for (auto* button : shown.pane.findChildren<QPushButton*>())
        if (button->accessibleName() == QStringLiteral("100 ensayos")) hundred = button;
    for (auto _ : state) {
        if (shown.pane.run().finished()) {
            state.PauseTiming();
            shown.pane.restart();
            shown.drawn();
            state.ResumeTiming();
        }
        hundred->click();
        if (!shown.drawn()) state.SkipWithError("the trials were not drawn");
    }
}
BENCHMARK(BM_HundredTrialsDrawn)->Unit(benchmark::kMillisecond);

// A 10.000-trial run stepped one trial at a time to its end: the memory it keeps should not grow
// with the trials taken (the pane keeps only the last trials).
void BM_TenThousandStepsMemory(benchmark::State& state) {
    ShownPane shown(10000);
    double grownKiB = 0;
    for (auto _ : state) {
        shown.pane.restart();
        shown.pane.takeTrials(100);
        const double before = ResidentKiB();
        while (!shown.pane.run().finished()) shown.pane.takeTrials(1);
        shown.drawn();
        grownKiB = ResidentKiB() - before;
    }
    state.counters["grown_KiB"] = grownKiB;
}
BENCHMARK(BM_TenThousandStepsMemory)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
