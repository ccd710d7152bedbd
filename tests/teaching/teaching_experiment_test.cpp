// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The teaching view's own experiment: set from the keyboard, simulated, and
// followed by the charts, the theory, the cases counted and the history.
#include <QtTest>

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QLineSeries>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include "case_counting.h"
#include "case_grid.h"
#include "cases_panel.h"
#include "convergence_chart.h"
#include "experiment_group.h"
#include "experiment_panel.h"
#include "experiment_words.h"
#include "fonts.h"
#include "main_window.h"
#include "outcome_bars.h"
#include "run_history_model.h"
#include "run_messages.h"
#include "teaching_view.h"
#include "theory_panel.h"

using vesquin::MainWindow;
using vesquin::TeachingView;

Q_DECLARE_METATYPE(vesquin::RunFailure)

namespace {

TeachingView* OpenView(MainWindow& window) {
    window.showTeachingView();
    TeachingView* view = window.teachingView();
    return view && QTest::qWaitForWindowExposed(view) ? view : nullptr;
}

void RunOnWindow(MainWindow& window, const QString& count) {
    window.findChild<QLineEdit*>(QStringLiteral("txtNs"))->setText(count);
    window.findChild<QPushButton*>(QStringLiteral("cmdSimular"))->click();
}

// Types into the focused control as a pupil would: all of it replaced.
void TypeOver(const QString& text) {
    QWidget* focused = QApplication::focusWidget();
    QTest::keyClick(focused, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(focused, text);
}

// Sets the experiment and the count from the keyboard (access keys and Tab), and
// simulates with Enter.
void SimulateByKeyboard(TeachingView* view, int shooters, int plates, const QString& count) {
    QTest::keyClick(view, Qt::Key_T, Qt::AltModifier);
    TypeOver(QString::number(shooters));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    TypeOver(QString::number(plates));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    TypeOver(count);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

QString Cell(const vesquin::RunHistoryModel& model, int row, int column) {
    return model.index(row, column).data().toString();
}

}  // namespace

class TeachingExperimentTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { vesquin::InstallFontSubstitutions(); }

    void keyboardSetsTheExperimentAndEverythingFollowsIt_data() {
        QTest::addColumn<int>("shooters");
        QTest::addColumn<int>("plates");
        QTest::newRow("4 x 8") << 4 << 8;
        QTest::newRow("4 x 6, the largest grid") << 4 << 6;
        QTest::newRow("2 x 5") << 2 << 5;
        QTest::newRow("10 x 20") << 10 << 20;
        QTest::newRow("1 x 2") << 1 << 2;
    }
    void keyboardSetsTheExperimentAndEverythingFollowsIt() {
        QFETCH(int, shooters);
        QFETCH(int, plates);
        MainWindow window(vesquin::kSpanishSymbols);
        window.show();
        TeachingView* view = OpenView(window);
        QVERIFY(view);
        SimulateByKeyboard(view, shooters, plates, QStringLiteral("1.000"));
        const vesquin::RunHistoryModel& history = window.runHistory();
        QCOMPARE(history.runCount(), 1);
        const vesquin::ExperimentRecord& run = history.entry(0)->record;
        const auto experiment =
            std::get<vesquin::Experiment>(vesquin::Experiment::Make(shooters, plates));
        QCOMPARE(run.experiment, experiment);
        QCOMPARE(run.trials, 1000);
        // The engine's run for that seed, tally for tally.
        vesquin::UniformSource source;
        const auto expected = vesquin::PerformExperimentRun(
            experiment, "1000", source, vesquin::kSpanishSymbols, 1'000'000, run.seed);
        QVERIFY(std::holds_alternative<vesquin::ExperimentRecord>(expected));
        QVERIFY(std::get<vesquin::ExperimentRecord>(expected) == run);

        auto* group = view->findChild<vesquin::ExperimentGroup*>();
        QCOMPARE(group->statementText(),
                 QString::fromStdString(vesquin::ExperimentStatement(experiment)));

        // One line and one bar for each number broken, their values the run's.
        const int most = experiment.mostBroken();
        auto* chart = view->findChild<vesquin::ConvergenceChart*>();
        auto* bars = view->findChild<vesquin::OutcomeBars*>();
        auto* theory = view->findChild<vesquin::TheoryPanel*>();
        QCOMPARE(chart->seriesCount(), most);
        QCOMPARE(bars->categories().size(), most);
        QCOMPARE(bars->labelTexts().size(), 2 * most);
        QCOMPARE(theory->rowCount(), most + 3);
        const vesquin::ExperimentPanelTexts texts =
            vesquin::ComposeExperimentPanel(experiment, history.entry(0), vesquin::kSpanishSymbols);
        for (int j = 0; j < most; ++j) {
            const auto count = run.tally.brokenCounts[std::size_t(j)];
            QCOMPARE(chart->runSeries(j)->points().last().y(), count * 100.0 / 1000);
            QCOMPARE(theory->cellText(j, 1), QString::fromStdString(texts.broken[j].favourable));
            QCOMPARE(theory->cellText(j, 4), QString::fromStdString(texts.broken[j].simulated));
            QCOMPARE(bars->labelTexts()[j], QString::fromStdString(texts.broken[j].simulated));
        }
        // The means stand in their own table, under the exact value, not as a probability.
        QCOMPARE(theory->cellText(most + 1, 2), QString::fromStdString(texts.meanIntact.fraction));
        QCOMPARE(theory->cellText(most + 1, 1), QString());
        QCOMPARE(theory->sourceText(), QString::fromStdString(texts.source));
        // The run's most frequent number, with a tie said when there is one.
        QCOMPARE(theory->cellText(most, 4), QString::fromStdString(texts.modal.simulated));
        QCOMPARE(theory->cellText(most, 4).contains(QStringLiteral("empate entre")),
                 !vesquin::ModalTieText(run.tally).empty());

        // The counting and the grid's colours are the engine's.
        auto* cases = view->findChild<vesquin::CasesPanel*>();
        QStringList counting{QString::fromStdString(
            vesquin::PossibleCasesText(experiment, vesquin::kSpanishSymbols))};
        for (const auto& count : vesquin::CountCases(experiment, vesquin::kSpanishSymbols))
            counting << QString::fromStdString(count.text);
        counting << QString::fromUtf8(vesquin::kLaplaceRule.data());
        QCOMPARE(cases->countingTexts(), counting);
        const std::optional<vesquin::CaseGrid> grid = vesquin::DrawnCases(experiment);
        QCOMPARE(cases->gridView()->grid().has_value(), grid.has_value());
        QStringList keys;
        if (grid) {
            for (std::size_t j = 0; j < grid->brokenCounts.size(); ++j)
                keys << QString::fromStdString(vesquin::GridKeyText(
                    int(j) + 1, grid->brokenCounts[j], vesquin::kSpanishSymbols));
            QVERIFY(cases->gridView()->litCell().has_value());
            QVERIFY(cases->gridView()->isVisibleTo(view));
        }
        QCOMPARE(cases->keyTexts(), keys);
    }

    void historyClipboardAndCsvCarryShootersAndPlates() {
        MainWindow window(vesquin::kSpanishSymbols);
        window.show();
        RunOnWindow(window, QStringLiteral("100"));
        TeachingView* view = OpenView(window);
        QVERIFY(view);
        SimulateByKeyboard(view, 4, 8, QStringLiteral("500"));
        SimulateByKeyboard(view, 4, 8, QStringLiteral("300"));
        const vesquin::RunHistoryModel& history = window.runHistory();
        QCOMPARE(history.runCount(), 3);
        // Four count columns now: the fourth is empty for the window's 3 x 6 run.
        QCOMPARE(history.headerData(history.shootersColumn(), Qt::Horizontal).toString(),
                 QStringLiteral("Tiradores"));
        QCOMPARE(history.headerData(history.platesColumn(), Qt::Horizontal).toString(),
                 QStringLiteral("Platos"));
        QCOMPARE(history.headerData(6, Qt::Horizontal).toString(), QStringLiteral("Cuatro platos"));
        QCOMPARE(Cell(history, 0, 6), QString());
        QCOMPARE(Cell(history, 0, history.shootersColumn()), QStringLiteral("3"));
        QCOMPARE(Cell(history, 0, history.platesColumn()), QStringLiteral("6"));
        QCOMPARE(Cell(history, 1, history.shootersColumn()), QStringLiteral("4"));
        QCOMPARE(Cell(history, 1, history.platesColumn()), QStringLiteral("8"));
        // The total adds up the runs of the last run's experiment only.
        QVERIFY(history.isTotalRow(3));
        QCOMPARE(Cell(history, 3, vesquin::RunHistoryModel::kTrialsColumn), QStringLiteral("800"));
        QCOMPARE(Cell(history, 3, history.shootersColumn()), QStringLiteral("4"));
        auto* table = view->findChild<QTableView*>(QStringLiteral("historyTable"));
        // Nº, Ensayos and Semilla stay first, the run's experiment beside them, even
        // after the fourth count column came.
        QHeaderView* columns = table->horizontalHeader();
        const QList<int> first{vesquin::RunHistoryModel::kNumberColumn,
                               vesquin::RunHistoryModel::kTrialsColumn, history.seedColumn(),
                               history.shootersColumn(), history.platesColumn()};
        for (int visual = 0; visual < first.size(); ++visual)
            QCOMPARE(columns->visualIndex(first[visual]), visual);

        view->copyHistory();
        const QStringList lines = QApplication::clipboard()->text().split(u'\n');
        QCOMPARE(lines.size(), 6);  // header, three runs, total, and the last line's end
        const QStringList header = lines[0].split(u'\t');
        const int shooters = int(header.indexOf(QStringLiteral("Tiradores")));
        const int plates = int(header.indexOf(QStringLiteral("Platos")));
        QVERIFY(shooters > 0 && plates == shooters + 1);
        for (const auto& [line, k, n] : {std::tuple{1, "3", "6"}, {2, "4", "8"}, {4, "4", "8"}}) {
            const QStringList fields = lines[line].split(u'\t');
            QCOMPARE(fields[shooters], QString::fromLatin1(k));
            QCOMPARE(fields[plates], QString::fromLatin1(n));
        }

        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("historial.csv"));
        QVERIFY(view->saveCsvTo(path));
        QFile csv(path);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QStringList rows = QString::fromUtf8(csv.readAll()).split(QStringLiteral("\r\n"));
        QCOMPARE(rows[2].split(u';')[shooters], QStringLiteral("4"));
        QCOMPARE(rows[2].split(u';')[plates], QStringLiteral("8"));
    }

    void repetirRepeatsTheRunsExperiment() {
        MainWindow window(vesquin::kSpanishSymbols);
        window.show();
        TeachingView* view = OpenView(window);
        QVERIFY(view);
        SimulateByKeyboard(view, 5, 3, QStringLiteral("250"));
        RunOnWindow(window, QStringLiteral("40"));
        view->selectRow(0);
        view->repeatSelectedRun();
        const vesquin::RunHistoryModel& history = window.runHistory();
        QCOMPARE(history.runCount(), 3);
        const vesquin::ExperimentRecord& first = history.entry(0)->record;
        const vesquin::ExperimentRecord& again = history.entry(2)->record;
        QCOMPARE(again.experiment, first.experiment);
        QVERIFY(again == first);
        QCOMPARE(view->selectedRow(), 2);
        QCOMPARE(view->findChild<vesquin::ConvergenceChart*>()->seriesCount(), 3);
    }

    void aRefusedCountGetsTheWindowsMessage_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<vesquin::RunFailure>("failure");
        QTest::newRow("letters") << QStringLiteral("abc") << vesquin::RunFailure::NotANumber;
        QTest::newRow("blank") << QStringLiteral("  ") << vesquin::RunFailure::EmptyCount;
        QTest::newRow("zero") << QStringLiteral("0") << vesquin::RunFailure::FewerThanOne;
        QTest::newRow("too many") << QStringLiteral("1.000.001")
                                  << vesquin::RunFailure::MoreThanMaximum;
    }
    void aRefusedCountGetsTheWindowsMessage() {
        QFETCH(QString, typed);
        QFETCH(vesquin::RunFailure, failure);
        MainWindow window(vesquin::kSpanishSymbols);
        window.show();
        TeachingView* view = OpenView(window);
        QVERIFY(view);
        auto* group = view->findChild<vesquin::ExperimentGroup*>();
        QString told;
        connect(group, &vesquin::ExperimentGroup::runRefused, this,
                [&told](const QString& message) { told = message; });
        QString boxText;
        QTimer::singleShot(0, [&boxText] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                boxText = box->text();
                box->accept();
            }
        });
        group->countBox()->setText(typed);
        group->simulateButton()->click();
        const std::string expected = vesquin::RunFailureMessage(
            typed.toStdString(), vesquin::RunError{failure, 1'000'000}, vesquin::kSpanishSymbols);
        QCOMPARE(told, QString::fromStdString(expected));
        QCOMPARE(boxText, told);
        QCOMPARE(window.runHistory().runCount(), 0);
        QCOMPARE(view->focusWidget(), group->countBox());
    }
};

QTEST_MAIN(TeachingExperimentTest)
#include "teaching_experiment_test.moc"
