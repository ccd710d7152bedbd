// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The teaching view as a teacher meets it: opened from the main window, showing
// the very runs the main window shows, and copying and saving its history.
#include <QtTest>

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QMap>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include "catalogue.h"
#include "convergence_chart.h"
#include "fonts.h"
#include "history_text.h"
#include "main_window.h"
#include "number_text.h"
#include "outcome_bars.h"
#include "run_history_model.h"
#include "teaching_view.h"
#include "theory_panel.h"

using vesquin::MainWindow;
using vesquin::TeachingView;

namespace {

// Answers the next modal message box by clicking the button captioned `answer`,
// keeping what the box said. Polls the box's own event loop; no fixed waits.
class MessageBoxAnswer : public QObject {
  public:
    explicit MessageBoxAnswer(QString answer) : m_answer(std::move(answer)) {
        connect(&m_poll, &QTimer::timeout, this, &MessageBoxAnswer::answer);
        m_poll.start(5);
    }
    int seen = 0;
    QString text;

  private:
    void answer() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        ++seen;
        text = box->text();
        for (QAbstractButton* button : box->buttons())
            if (button->text() == m_answer) {
                button->click();
                return;
            }
        box->reject();
    }
    QString m_answer;
    QTimer m_poll;
};

void Run(MainWindow& window, const QString& count) {
    window.findChild<QLineEdit*>(QStringLiteral("txtNs"))->setText(count);
    window.findChild<QPushButton*>(QStringLiteral("cmdSimular"))->click();
}

QString Cell(const QAbstractItemModel& model, int row, vesquin::HistoryColumn column) {
    return model.index(row, static_cast<int>(column)).data().toString();
}

QStringList LastRowResults(const QAbstractItemModel& model) {
    using C = vesquin::HistoryColumn;
    // The total row comes last; the last run is just above it.
    const int last = model.rowCount() - 2;
    QStringList texts;
    for (C column :
         {C::OneCount, C::TwoCount, C::ThreeCount, C::OnePercent, C::TwoPercent, C::ThreePercent})
        texts << Cell(model, last, column);
    return texts;
}

QStringList WindowResults(const MainWindow& window) {
    QStringList texts;
    for (const char* box : {"txtS1", "txtS2", "txtS3", "txtS1p", "txtS2p", "txtS3p"})
        texts << window.boxText(QString::fromLatin1(box));
    return texts;
}

TeachingView* OpenView(MainWindow& window) {
    window.showTeachingView();
    TeachingView* view = window.teachingView();
    return view && QTest::qWaitForWindowExposed(view) ? view : nullptr;
}

}  // namespace

class TeachingViewTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { vesquin::InstallFontSubstitutions(); }

    // The last row holds exactly what the main window shows, whether the view was
    // open during the run or opened after it.
    void lastRowHoldsTheMainWindowsResults_data() {
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("trials");
        QTest::addColumn<bool>("openFirst");
        QTest::newRow("10, view opened after") << "10"
                                               << "10" << false;
        QTest::newRow("1.000, view open") << "1.000"
                                          << "1.000" << true;
        QTest::newRow("1000000, view open") << "1000000"
                                            << "1.000.000" << true;
        QTest::newRow("1.000.000, view opened after") << "1.000.000"
                                                      << "1.000.000" << false;
    }
    void lastRowHoldsTheMainWindowsResults() {
        QFETCH(QString, count);
        QFETCH(QString, trials);
        QFETCH(bool, openFirst);
        MainWindow window(vesquin::kSpanishSymbols);
        window.show();
        if (openFirst) QVERIFY(OpenView(window));
        Run(window, QStringLiteral("7"));
        Run(window, count);
        if (!openFirst) QVERIFY(OpenView(window));
        const QAbstractItemModel* table =
            window.teachingView()->findChild<QTableView*>(QStringLiteral("historyTable"))->model();
        QCOMPARE(table->rowCount(), 3);  // the two runs and the total
        QCOMPARE(LastRowResults(*table), WindowResults(window));
        QCOMPARE(Cell(*table, 1, vesquin::HistoryColumn::Trials), trials);
        QCOMPARE(Cell(*table, 1, vesquin::HistoryColumn::Number), QStringLiteral("2"));
        QCOMPARE(Cell(*table, 0, vesquin::HistoryColumn::Trials), QStringLiteral("7"));
        // The last run is the one shown.
        QCOMPARE(window.teachingView()->selectedRow(), 1);
    }

    void failedRunsAddNothingAndBorrarKeepsTheHistory() {
        MainWindow window(vesquin::kSpanishSymbols);
        window.show();
        Run(window, QStringLiteral("25"));
        {
            MessageBoxAnswer answer(QStringLiteral("Aceptar"));
            for (const char* bad : {"", "abc", "0", "1.000.001"})
                Run(window, QString::fromLatin1(bad));
            QCOMPARE(answer.seen, 4);
        }
        QCOMPARE(window.runHistory().runCount(), 1);
        window.findChild<QPushButton*>(QStringLiteral("cmdBorrar"))->click();
        QCOMPARE(window.boxText(u"txtS1"), QString());
        QCOMPARE(window.runHistory().runCount(), 1);
        Run(window, QStringLiteral("30"));
        QCOMPARE(window.runHistory().runCount(), 2);
        QCOMPARE(Cell(window.runHistory(), 1, vesquin::HistoryColumn::Trials),
                 QStringLiteral("30"));
    }

    // The curve is the very run on show: its last point is the window's percentages.
    void chartsAndTheoryShowTheSelectedRun() {
        MainWindow window(vesquin::kSpanishSymbols);
        window.show();
        TeachingView* view = OpenView(window);
        Run(window, QStringLiteral("1000"));
        const QStringList first = WindowResults(window);
        Run(window, QStringLiteral("100000"));
        auto* chart = view->findChild<vesquin::ConvergenceChart*>();
        auto* bars = view->findChild<vesquin::OutcomeBars*>();
        auto* theory = view->findChild<vesquin::TheoryPanel*>();
        QVERIFY(chart && bars && theory);
        const auto check = [&](int trials, const QStringList& shown) {
            for (int k = 0; k < 3; ++k) {
                const QList<QPointF> points = chart->runSeries(k)->points();
                QVERIFY(points.size() > 10);
                QCOMPARE(points.first().x(), 1.0);
                QCOMPARE(points.last().x(), double(trials));
                // The chart draws count * 100 / trials as a double; the boxes round the exact
                // quotient, so an exact half there is no fault of the curve's.
                const auto count =
                    vesquin::LocaleNumber(shown[k].toStdString(), vesquin::kSpanishSymbols);
                QVERIFY(count.has_value());
                QCOMPARE(points.last().y(), *count * 100.0 / trials);
                QCOMPARE(theory->cellText(k, 4), shown[3 + k] + QStringLiteral("\u00A0%"));
                QCOMPARE(bars->labelTexts()[k], shown[3 + k] + QStringLiteral("\u00A0%"));
                // The dashed theory spans the whole run at 2,78, 41,67 and 55,56 %.
                const QList<QPointF> line = chart->theorySeries(k)->points();
                QCOMPARE(line.size(), 2);
                QCOMPARE(line.last().x(), double(trials));
                QCOMPARE(line.first().y(), line.last().y());
            }
            QCOMPARE(chart->trialsAxis()->max(), double(trials));
        };
        check(100000, WindowResults(window));
        view->selectRow(0);
        check(1000, first);
        QCOMPARE(theory->cellText(0, 1), QStringLiteral("6 de 216"));
        QCOMPARE(theory->cellText(1, 2), QStringLiteral("5/12"));
        QCOMPARE(theory->cellText(4, 2), QStringLiteral("125/36"));
        QCOMPARE(theory->cellText(4, 3), QStringLiteral("3,47"));
        QCOMPARE(bars->labelTexts().mid(3),
                 (QStringList{"2,78\u00A0%", "41,67\u00A0%", "55,56\u00A0%"}));
        // A new run is shown again, whatever row was picked.
        Run(window, QStringLiteral("10"));
        QCOMPARE(view->selectedRow(), 2);
        QCOMPARE(chart->trialsAxis()->max(), 10.0);
    }

    void f2AndTheFooterOpenOneViewAndEscapeClosesOnlyIt() {
        MainWindow window(vesquin::kSpanishSymbols);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QVERIFY(!window.teachingView());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
        TeachingView* view = window.teachingView();
        QVERIFY(view);
        QTRY_VERIFY(view->isVisible());
        QCOMPARE(view->windowTitle(), QStringLiteral("Vesquin: gráficos y teoría"));

        // Escape in the view closes the view, never the program.
        view->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(view));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!view->isVisible());
        QVERIFY(window.isVisible());

        // The footer link opens the same one view again.
        auto* footer = window.findChild<QLabel*>(QStringLiteral("Label11"));
        QTest::mouseClick(footer, Qt::LeftButton);
        QVERIFY(view->isVisible());
        QCOMPARE(window.teachingView(), view);
        // Asked again (F2 or the link) while open: the same view, raised.
        window.showTeachingView();
        QCOMPARE(window.teachingView(), view);
        int views = 0;
        for (QWidget* top : QApplication::topLevelWidgets())
            views += qobject_cast<TeachingView*>(top) != nullptr;
        QCOMPARE(views, 1);

        // Closing the main window closes the view too: no window is left, so the program ends.
        window.close();
        QVERIFY(!view->isVisible());
        for (QWidget* top : QApplication::topLevelWidgets())
            QVERIFY2(!top->isVisible(), qPrintable(top->objectName()));
    }

    void footerIsALinkOutOfTheTabChainThatFitsItsBox() {
        MainWindow window(vesquin::kSpanishSymbols);
        auto* footer = window.findChild<QLabel*>(QStringLiteral("Label11"));
        QCOMPARE(footer->text(), QStringLiteral("Ver gráficos y teoría (F2)"));
        QCOMPARE(footer->focusPolicy(), Qt::NoFocus);
        QCOMPARE(footer->geometry(), QRect(240, 480, 241, 17));
        QCOMPARE(footer->fontInfo().family(), QStringLiteral("Comic Neue"));
        QCOMPARE(footer->font().pointSizeF(), 8.25);
        QVERIFY(footer->font().underline());
        QVERIFY(footer->fontMetrics().horizontalAdvance(footer->text()) <=
                footer->contentsRect().width());
        QVERIFY(footer->fontMetrics().height() <= footer->contentsRect().height());
        // A press that leaves the label before the release opens nothing.
        QTest::mousePress(footer, Qt::LeftButton);
        QTest::mouseRelease(footer, Qt::LeftButton, {}, QPoint(-5, -5));
        QVERIFY(!window.teachingView());
    }

    // Two controls on show sharing a letter make Alt with it only move the focus.
    // In every language: each translator picks the letters again.
    void accessKeysOnShowAreDistinct() {
        for (const vesquin::Language language : vesquin::kLanguages) {
            vesquin::ScopedLanguage chosen(language);
            const QString code = QString::fromUtf8(vesquin::LanguageCode(language));
            MainWindow window(vesquin::kSpanishSymbols);
            window.show();
            TeachingView* view = OpenView(window);
            auto* tabs = view->findChild<QTabWidget*>(QStringLiteral("teachingTabs"));
            QVERIFY(tabs);
            for (int tab = 0; tab < tabs->count(); ++tab) {
                tabs->setCurrentIndex(tab);
                QMap<QChar, QString> owners;
                const auto claim = [&](const QString& text) {
                    const qsizetype amp = text.indexOf(u'&');
                    if (amp < 0 || amp + 1 >= text.size()) return;
                    const QChar key = text.at(amp + 1).toLower();
                    QVERIFY2(!owners.contains(key),
                             qPrintable(QStringLiteral("%1, Alt+%2: «%3» and «%4»")
                                            .arg(code, key, owners.value(key), text)));
                    owners.insert(key, text);
                };
                for (int i = 0; i < tabs->count(); ++i) claim(tabs->tabText(i));
                for (QAbstractButton* button : view->findChildren<QAbstractButton*>())
                    if (button->isVisibleTo(view)) claim(button->text());
                for (QLabel* label : view->findChildren<QLabel*>())
                    if (label->buddy() && label->isVisibleTo(view)) claim(label->text());
            }
        }
    }

    // A few entries translated by hand: the view is built in the language chosen.
    void showsItsTextsInCatalan() {
        vesquin::ScopedLanguage catalan(vesquin::Language::Catalan);
        MainWindow window(vesquin::kSpanishSymbols);
        window.show();
        TeachingView* view = OpenView(window);
        QCOMPARE(view->windowTitle(), QStringLiteral("Vesquin: gràfics i teoria"));
        auto* tabs = view->findChild<QTabWidget*>(QStringLiteral("teachingTabs"));
        QVERIFY(tabs);
        QCOMPARE(tabs->tabText(0), QStringLiteral("&Gràfics i teoria"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("&Assaig a assaig"));
        QCOMPARE(view->findChild<QPushButton*>(QStringLiteral("repeatButton"))->text(),
                 QStringLiteral("&Repeteix"));
        QCOMPARE(view->findChild<QPushButton*>(QStringLiteral("emptyHistoryButton"))->text(),
                 QStringLiteral("&Buida l'historial"));
        QCOMPARE(view->findChild<QPushButton*>(QStringLiteral("experimentSimulateButton"))->text(),
                 QStringLiteral("Simu&la"));
    }

    void everyControlIsReachableByKeyAndNamed() {
        MainWindow window(vesquin::kSpanishSymbols);
        window.show();
        Run(window, QStringLiteral("100"));
        Run(window, QStringLiteral("20"));
        TeachingView* view = OpenView(window);
        view->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(view));
        // The arrow keys pick a run, and the charts and the theory follow.
        auto* chart = view->findChild<vesquin::ConvergenceChart*>();
        QCOMPARE(view->selectedRow(), 1);
        QCOMPARE(chart->runSeries(0)->points().last().x(), 20.0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QCOMPARE(view->selectedRow(), 0);
        QCOMPARE(chart->runSeries(0)->points().last().x(), 100.0);
        QVERIFY(view->findChild<vesquin::TheoryPanel*>()->cellText(0, 4).endsWith(u'%'));
        const QStringList chain{"historyTable",       "repeatButton",
                                "emptyHistoryButton", "copyButton",
                                "saveCsvButton",      "saveImageButton",
                                "marginCheck",        "largeScreenCheck",
                                "teachingTabBar",
                                "shootersBox",        "platesBox",
                                "experimentCountBox", "experimentSimulateButton"};
        QCOMPARE(QApplication::focusWidget()->objectName(), chain.first());
        for (int i = 1; i <= chain.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), chain[i % chain.size()]);
        }
        for (QWidget* control : view->findChildren<QWidget*>()) {
            if (control->focusPolicy() == Qt::NoFocus || !control->isVisibleTo(view)) continue;
            if (control->parentWidget() && !control->parentWidget()->accessibleName().isEmpty() &&
                control->accessibleName().isEmpty() && !chain.contains(control->objectName()))
                continue;  // parts of a named control (the table's scroll bars and viewport)
            QVERIFY2(!control->accessibleName().isEmpty() || !chain.contains(control->objectName()),
                     qPrintable(control->objectName()));
        }
        for (const QString& name : chain)
            QVERIFY2(!view->findChild<QWidget*>(name)->accessibleName().isEmpty(),
                     qPrintable(name));
        for (const char* name : {"convergenceChart", "outcomeBars", "theoryPanel"})
            QVERIFY(
                !view->findChild<QWidget*>(QString::fromLatin1(name))->accessibleName().isEmpty());
    }

    void copyPutsTheWholeHistoryOnTheClipboard() {
        MainWindow window(vesquin::kSpanishSymbols);
        window.show();
        Run(window, QStringLiteral("1000"));
        Run(window, QStringLiteral("20"));
        TeachingView* view = OpenView(window);
        const QString expected = QString::fromStdString(vesquin::ExperimentHistoryTabText(
            window.runHistory().entries(), window.runHistory().total(), vesquin::kSpanishSymbols));
        QVERIFY(expected.count(u'\n') == 4);
        QVERIFY(expected.endsWith(QStringLiteral("\n")));
        QVERIFY(expected.section(u'\n', 3, 3).startsWith(QStringLiteral("Total\t")));
        QApplication::clipboard()->clear();
        view->findChild<QPushButton*>(QStringLiteral("copyButton"))->click();
        QCOMPARE(QApplication::clipboard()->text(), expected);

        QApplication::clipboard()->clear();
        view->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(view));
        auto* table = view->findChild<QTableView*>(QStringLiteral("historyTable"));
        table->setFocus();
        QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), expected);
    }

    void vaciarHistorialAsksFirst() {
        MainWindow window(vesquin::kSpanishSymbols);
        window.show();
        Run(window, QStringLiteral("10"));
        Run(window, QStringLiteral("20"));
        TeachingView* view = OpenView(window);
        auto* empty = view->findChild<QPushButton*>(QStringLiteral("emptyHistoryButton"));
        {
            MessageBoxAnswer answer(QStringLiteral("Cancelar"));
            empty->click();
            QCOMPARE(answer.seen, 1);
            QVERIFY(answer.text.contains(QStringLiteral("2 ejecuciones")));
        }
        QCOMPARE(window.runHistory().runCount(), 2);
        {
            MessageBoxAnswer answer(QStringLiteral("Vaciar"));
            empty->click();
            QCOMPARE(answer.seen, 1);
        }
        QCOMPARE(window.runHistory().runCount(), 0);
        QCOMPARE(view->selectedRow(), -1);
        QVERIFY(view->findChild<vesquin::ConvergenceChart*>()->runSeries(0)->points().isEmpty());
        // Numbering goes on: the notebook's next run is the third.
        Run(window, QStringLiteral("5"));
        QCOMPARE(Cell(window.runHistory(), 0, vesquin::HistoryColumn::Number), QStringLiteral("3"));
    }

    void savesCsvAndImageWholeOrNotAtAll() {
        MainWindow window(vesquin::kSpanishSymbols);
        window.show();
        Run(window, QStringLiteral("1000"));
        TeachingView* view = OpenView(window);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());

        const QString csvPath = folder.filePath(QStringLiteral("historial.csv"));
        QVERIFY(view->saveCsvTo(csvPath));
        QFile csv(csvPath);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const std::string expected = vesquin::ExperimentHistoryCsv(
            window.runHistory().entries(), window.runHistory().total(), vesquin::kSpanishSymbols);
        QCOMPARE(csv.readAll(), QByteArray::fromStdString(expected));

        const QString pngPath = folder.filePath(QStringLiteral("gráficos.png"));
        QVERIFY(view->saveImageTo(pngPath));
        QImage image(pngPath);
        QVERIFY(!image.isNull());
        QCOMPARE(image.width(), view->findChild<vesquin::ConvergenceChart*>()->width() +
                                    view->findChild<vesquin::OutcomeBars*>()->width());

        // A folder that cannot exist (its parent is a file): a Spanish warning, no file.
        for (const QString& bad :
             {csvPath + QStringLiteral("/otro.csv"), csvPath + QStringLiteral("/otra.png")}) {
            MessageBoxAnswer answer(QStringLiteral("Aceptar"));
            const bool saved =
                bad.endsWith(QLatin1String(".csv")) ? view->saveCsvTo(bad) : view->saveImageTo(bad);
            QVERIFY(!saved);
            QCOMPARE(answer.seen, 1);
            QVERIFY2(answer.text.startsWith(QStringLiteral("No se ha podido guardar")),
                     qPrintable(answer.text));
            QVERIFY(!QFile::exists(bad));
        }
        // The earlier file is still whole.
        QVERIFY(csv.seek(0));
        QCOMPARE(csv.readAll(), QByteArray::fromStdString(expected));
    }
};

QTEST_MAIN(TeachingViewTest)
#include "teaching_view_test.moc"
