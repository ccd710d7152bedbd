// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A long paste into the count, from the box to the message: what a user waits for when
// the count box keeps a paste of state.range(0) characters whole.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>
#include <QWindow>

#include <string>

#include "count_box.h"
#include "fonts.h"
#include "main_window.h"
#include "number_text.h"
#include "run_messages.h"

namespace {

// The strict reading of a count of that many digits ending in a letter (it fails at the end).
void BM_ReadLongCount(benchmark::State& state) {
    const std::string count = std::string(state.range(0) - 1, '9') + "x";
    for (auto _ : state)
        benchmark::DoNotOptimize(vesquin::LocaleNumber(count, vesquin::kSpanishSymbols));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReadLongCount)
    ->Arg(100'000)
    ->Arg(vesquin::kCountBoxMaximumLength)
    ->Unit(benchmark::kMicrosecond);

void BM_QuoteLongCount(benchmark::State& state) {
    const std::string count(state.range(0), 'x');
    for (auto _ : state)
        benchmark::DoNotOptimize(vesquin::RunFailureMessage(
            count, vesquin::RunError{vesquin::RunFailure::NotANumber, 1'000'000},
            vesquin::kSpanishSymbols));
}
BENCHMARK(BM_QuoteLongCount)->Arg(100'000)->Unit(benchmark::kMicrosecond);

// Ctrl+V of a text with a line break into the shown window's count box, and the repaint.
void BM_PasteLongCount(benchmark::State& state) {
    vesquin::InstallFontSubstitutions();
    vesquin::MainWindow window(vesquin::kSpanishSymbols);
    window.show();
    for (int i = 0; i < 1000 && !window.windowHandle()->isExposed(); ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    auto* count = window.findChild<QLineEdit*>(QStringLiteral("txtNs"));
    count->setFocus();
    QApplication::clipboard()->setText(QString(state.range(0) - 1, u'7') + u'\n');
    for (auto _ : state) {
        count->selectAll();
        QTest::keyClick(count, Qt::Key_V, Qt::ControlModifier);
        window.repaint();
    }
    if (count->text().size() != state.range(0) - 1) state.SkipWithError("the paste was cut");
}
BENCHMARK(BM_PasteLongCount)
    ->Arg(100'000)
    ->Arg(vesquin::kCountBoxMaximumLength)
    ->Unit(benchmark::kMillisecond);

}  // namespace
