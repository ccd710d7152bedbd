// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The teaching view's Repetir, its total row, the log axis's texts and the
// saved picture's caption, driven through the main window.
#include <QtTest>

#include <QApplication>
#include <QChart>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>

#include "convergence_chart.h"
#include "fonts.h"
#include "history_text.h"
#include "main_window.h"
#include "outcome_bars.h"
#include "run_history_model.h"
#include "teaching_texts.h"
#include "teaching_view.h"
#include "theory_panel.h"

using vesquin::HistoryColumn;
using vesquin::MainWindow;
using vesquin::TeachingView;

namespace {

void Run(MainWindow& window, const QString& count) {
    window.findChild<QLineEdit*>(QStringLiteral("txtNs"))->setText(count);
    window.findChild<QPushButton*>(QStringLiteral("cmdSimular"))->click();
}

QString Cell(const QAbstractItemModel& model, int row, HistoryColumn column) {
    return model.index(row, static_cast<int>(column)).data().toString();
}

// Every cell but the run's number and time, which a repeated run has of its own.
QStringList Results(const QAbstractItemModel& model, int row) {
    QStringList cells;
    for (int column = 0; column < model.columnCount(); ++column)
        if (column != int(HistoryColumn::Number) && column != int(HistoryColumn::Time))
            cells << model.index(row, column).data().toString();
    return cells;
}

TeachingView* OpenView(MainWindow& window) {
    window.showTeachingView();
    TeachingView* view = window.teachingView();
    return view && QTest::qWaitForWindowExposed(view) ? view : nullptr;
}

qint64 Number(const QString& grouped) {
    return QString(grouped).remove(u'.').toLongLong();
}

}  // namespace

class TeachingViewTotalTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { vesquin::InstallFontSubstitutions(); }

    void repetirPerformsTheChosenRunAgain() {
        MainWindow window(vesquin::kSpanishSymbols);
        window.show();
        for (const char* count : {"1.000", "37", "250"}) Run(window, QString::fromLatin1(count));
        TeachingView* view = OpenView(window);
        QVERIFY(view);
        auto* repeat = view->findChild<QPushButton*>(QStringLiteral("repeatButton"));
        QVERIFY(repeat);
        const vesquin::RunHistoryModel& history = window.runHistory();
        for (int row : {0, 1, 0}) {
            const int runs = history.runCount();
            view->selectRow(row);
            QVERIFY(repeat->isEnabled());
            const QStringList chosen = Results(history, row);
            repeat->click();
            QCOMPARE(history.runCount(), runs + 1);
            QCOMPARE(Results(history, runs), chosen);
            QCOMPARE(Cell(history, runs, HistoryColumn::Number), QString::number(runs + 1));
            // The repeated run is the one on show.
            QCOMPARE(view->selectedRow(), runs);
            QCOMPARE(view->findChild<vesquin::ConvergenceChart*>()->trialsAxis()->max(),
                     std::max(10.0, double(Number(chosen[0]))));
        }
        // The total is no run of its own: nothing to repeat.
        view->selectRow(history.runCount());
        QVERIFY(history.isTotalRow(view->selectedRow()));
        QVERIFY(!repeat->isEnabled());
        const int runs = history.runCount();
        view->repeatSelectedRun();
        QCOMPARE(history.runCount(), runs);
    }

    void totalRowAddsUpEveryRunAndShowsInTheCharts() {
        MainWindow window(vesquin::kSpanishSymbols);
        window.show();
        TeachingView* view = OpenView(window);
        QVERIFY(view);
        const vesquin::RunHistoryModel& history = window.runHistory();
        QCOMPARE(history.rowCount(), 0);
        // Twenty-five pupils' runs of 40.
        for (int pupil = 0; pupil < 25; ++pupil) Run(window, QStringLiteral("40"));
        QCOMPARE(history.runCount(), 25);
        QCOMPARE(history.rowCount(), 26);
        const int total = 25;
        QVERIFY(history.isTotalRow(total));
        QCOMPARE(Cell(history, total, HistoryColumn::Number), QStringLiteral("Total"));
        QCOMPARE(Cell(history, total, HistoryColumn::Trials), QStringLiteral("1.000"));
        QCOMPARE(history.index(total, history.seedColumn()).data().toString(), QString());
        QCOMPARE(history.index(total, history.shootersColumn()).data().toString(),
                 QStringLiteral("3"));
        QCOMPARE(history.index(total, history.platesColumn()).data().toString(),
                 QStringLiteral("6"));
        QVERIFY(history.index(total, 0).data(Qt::FontRole).value<QFont>().bold());
        for (HistoryColumn column :
             {HistoryColumn::OneCount, HistoryColumn::TwoCount, HistoryColumn::ThreeCount}) {
            qint64 sum = 0;
            for (int row = 0; row < 25; ++row) sum += Number(Cell(history, row, column));
            QCOMPARE(Number(Cell(history, total, column)), sum);
        }
        // Percentages and mean of the whole: the counts over 1.000 trials.
        const double one = Number(Cell(history, total, HistoryColumn::OneCount)) / 10.0;
        QCOMPARE(Cell(history, total, HistoryColumn::OnePercent),
                 QString::fromStdString(vesquin::PatternFormat(one, vesquin::Pattern::TwoDecimals,
                                                               vesquin::kSpanishSymbols)));

        // Chosen, the total is what the charts and the theory show.
        view->selectRow(total);
        auto* chart = view->findChild<vesquin::ConvergenceChart*>();
        QCOMPARE(chart->trialsAxis()->max(), 1000.0);
        QCOMPARE(chart->runSeries(0)->points().last().x(), 1000.0);
        auto* theory = view->findChild<vesquin::TheoryPanel*>();
        QCOMPARE(theory->cellText(0, 4),
                 Cell(history, total, HistoryColumn::OnePercent) + QStringLiteral("\u00A0%"));
        QCOMPARE(view->findChild<vesquin::OutcomeBars*>()->labelTexts()[0],
                 Cell(history, total, HistoryColumn::OnePercent) + QStringLiteral("\u00A0%"));

        // A new run joins the total and is shown; emptying takes the total away.
        Run(window, QStringLiteral("1000"));
        QCOMPARE(history.rowCount(), 27);
        QCOMPARE(Cell(history, 26, HistoryColumn::Trials), QStringLiteral("2.000"));
        QCOMPARE(view->selectedRow(), 25);
        view->selectRow(26);
        QCOMPARE(chart->trialsAxis()->max(), 2000.0);
    }

    void logAxisSpeaksTheUsersNumbersAndNamesTheDashes() {
        MainWindow window(vesquin::kSpanishSymbols);
        window.show();
        TeachingView* view = OpenView(window);
        QVERIFY(view);
        Run(window, QStringLiteral("1.000.000"));
        auto* chart = view->findChild<vesquin::ConvergenceChart*>();
        QCOMPARE(chart->tickTexts(),
                 (QStringList{"1", "10", "100", "1.000", "10.000", "100.000", "1.000.000"}));
        Run(window, QStringLiteral("50"));
        QCOMPARE(chart->tickTexts(), (QStringList{"1", "10"}));
        QVERIFY(chart->trialsAxis()->titleText().contains(
            QStringLiteral("cada marca vertical: diez veces más ensayos")));
        // One legend entry for the three dashed lines, drawn dashed.
        int dashedEntries = 0;
        for (QLegendMarker* marker : chart->chart()->legend()->markers()) {
            if (!marker->isVisible()) continue;
            if (marker->label() == QStringLiteral("Teoría (líneas discontinuas)")) {
                ++dashedEntries;
                QCOMPARE(marker->series(), chart->theoryLegendSeries());
            }
        }
        QCOMPARE(dashedEntries, 1);
        QCOMPARE(chart->theoryLegendSeries()->pen().style(), Qt::DashLine);
    }

    void savedPictureCarriesItsCaption() {
        MainWindow window(vesquin::kSpanishSymbols);
        window.show();
        Run(window, QStringLiteral("500"));
        TeachingView* view = OpenView(window);
        QVERIFY(view);
        const QImage image = view->chartsImage();
        const int chartsHeight = std::max(view->findChild<vesquin::ConvergenceChart*>()->height(),
                                          view->findChild<vesquin::OutcomeBars*>()->height());
        const int logicalHeight = qRound(image.height() / image.devicePixelRatio());
        QVERIFY2(logicalHeight > chartsHeight + view->fontMetrics().height(),
                 qPrintable(QString::number(logicalHeight)));
        // The line under the charts holds ink: the caption is drawn.
        const QColor background = view->palette().color(QPalette::Window);
        bool ink = false;
        for (int y = int((chartsHeight + 2) * image.devicePixelRatio()); y < image.height(); ++y)
            for (int x = 0; x < image.width() / 2 && !ink; ++x)
                ink = image.pixelColor(x, y) != background;
        QVERIFY(ink);
    }
};

QTEST_MAIN(TeachingViewTotalTest)
#include "teaching_view_total_test.moc"
