// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The whole Simulate command as the user meets it: the count typed in the window,
// cmdSimular clicked, the eleven result boxes written, and read back.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QWindow>

#include "fonts.h"
#include "main_window.h"

namespace {

const QStringList kResultBoxes{"txtMed", "txtS1",  "txtS2",   "txtS3",   "txtS6",  "txtS1p",
                               "txtS2p", "txtS3p", "txtTeo1", "txtTeo2", "txtTeo3"};

// state.range(1) adds the repaint of the window, as the user sees the results.
void BM_SimulateCommand(benchmark::State& state) {
    vesquin::InstallFontSubstitutions();
    vesquin::MainWindow window(vesquin::kSpanishSymbols);
    window.show();
    // Painting happens only once the window system has exposed the window.
    for (int i = 0; i < 1000 && !window.windowHandle()->isExposed(); ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    if (!window.windowHandle()->isExposed()) state.SkipWithError("the window was never shown");
    window.findChild<QLineEdit*>(QStringLiteral("txtNs"))->setText(QString::number(state.range(0)));
    auto* simulate = window.findChild<QPushButton*>(QStringLiteral("cmdSimular"));
    const bool repaint = state.range(1) != 0;
    for (auto _ : state) {
        simulate->click();
        if (repaint) window.repaint();
        for (const QString& box : kResultBoxes) {
            const QString text = window.boxText(box);
            benchmark::DoNotOptimize(text.constData());
        }
    }
    if (window.boxText(u"txtTeo1").isEmpty()) state.SkipWithError("the run wrote no results");
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SimulateCommand)
    ->ArgNames({"count", "repaint"})
    ->Args({1000000, 0})
    ->Args({1000000, 1})
    ->Unit(benchmark::kMillisecond);

}  // namespace
