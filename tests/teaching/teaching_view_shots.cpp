// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Pictures of the teaching view for a person to review: after runs of 10, 1.000
// and 1.000.000 trials in the main window, in a light or a dark theme.
//   teaching_view_shots OUTPUT_FOLDER light|dark
// and then after the view's own runs of 1.000 trials of 4 x 8 and 4 x 6 (whose
// every choice is drawn), the whole scrolled content.
// Then "Ensayo a ensayo" for 10 x 20 and 4 x 8, and "Pantalla grande" on both tabs.
// Writes teaching-<theme>-<trials>.png, experiment-<theme>-<k>x<n>.png,
// steps-<theme>-<k>x<n>.png, *-<theme>-large.png and main-<theme>.png into OUTPUT_FOLDER.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QSpinBox>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTest>

#include <cstdio>

#include "experiment_group.h"
#include "fonts.h"
#include "main_window.h"
#include "teaching_view.h"
#include "trial_step_pane.h"

namespace {

QPalette DarkPalette() {
    QPalette palette;
    const QColor window(45, 45, 48), base(30, 30, 32), text(230, 230, 230);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, window);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Highlight, QColor(42, 130, 218));
    palette.setColor(QPalette::HighlightedText, Qt::black);
    palette.setColor(QPalette::Link, QColor(100, 170, 255));
    palette.setColor(QPalette::ToolTipBase, window);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, QColor(150, 150, 150));
    palette.setColor(QPalette::Mid, QColor(90, 90, 90));
    return palette;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "uso: teaching_view_shots CARPETA light|dark\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QString theme = QString::fromLocal8Bit(argv[2]);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    if (theme == QLatin1String("dark")) QApplication::setPalette(DarkPalette());
    vesquin::InstallFontSubstitutions();

    vesquin::MainWindow window(vesquin::kSpanishSymbols);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    window.showTeachingView();
    vesquin::TeachingView* view = window.teachingView();
    if (!QTest::qWaitForWindowExposed(view)) return 1;
    auto* count = window.findChild<QLineEdit*>(QStringLiteral("txtNs"));
    auto* simulate = window.findChild<QPushButton*>(QStringLiteral("cmdSimular"));
    for (const char* trials : {"10", "1000", "1000000"}) {
        count->setText(QString::fromLatin1(trials));
        simulate->click();
        QTest::qWait(300);  // let the charts lay out and paint
        const QString name = QStringLiteral("teaching-%1-%2.png").arg(theme, trials);
        if (!view->grab().save(folder.filePath(name))) return 1;
    }
    // "Ensayo a ensayo" after a few trials, the last one still breaking and then still.
    if (auto* steps = view->findChild<vesquin::TrialStepPane*>()) {
        view->findChild<QTabWidget*>()->setCurrentIndex(1);
        steps->setSeed(7);
        steps->restart();
        steps->setReducedMotion(false);
        steps->takeTrials(12);
        QTest::qWait(120);
        view->grab().save(folder.filePath(QStringLiteral("steps-%1-breaking.png").arg(theme)));
        QTest::qWait(400);
        view->grab().save(folder.filePath(QStringLiteral("steps-%1.png").arg(theme)));
        view->findChild<QTabWidget*>()->setCurrentIndex(0);
    }
    auto* group = view->findChild<vesquin::ExperimentGroup*>();
    for (const auto& [shooters, plates] : {std::pair{4, 8}, std::pair{4, 6}}) {
        group->shootersBox()->setValue(shooters);
        group->platesBox()->setValue(plates);
        group->countBox()->setText(QStringLiteral("1000"));
        group->simulate();
        QTest::qWait(300);
        const QString name =
            QStringLiteral("experiment-%1-%2x%3.png").arg(theme).arg(shooters).arg(plates);
        QWidget* content = view->findChild<QWidget*>(QStringLiteral("teachingContent"));
        if (!content->grab().save(folder.filePath(name))) return 1;
    }
    // The trials of the largest experiment, and of 4 x 8, once they have broken.
    auto* tabs = view->findChild<QTabWidget*>();
    auto* steps = view->findChild<vesquin::TrialStepPane*>();
    for (const auto& [shooters, plates] : {std::pair{10, 20}, std::pair{4, 8}}) {
        group->shootersBox()->setValue(shooters);
        group->platesBox()->setValue(plates);
        tabs->setCurrentIndex(1);
        steps->setSeed(11);
        steps->setReducedMotion(true);
        steps->restart();
        steps->takeTrials(15);
        QTest::qWait(200);
        const QString name =
            QStringLiteral("steps-%1-%2x%3.png").arg(theme).arg(shooters).arg(plates);
        if (!view->grab().save(folder.filePath(name))) return 1;
    }
    // "Pantalla grande", on both tabs, for the puzzle's 3 x 6.
    group->shootersBox()->setValue(3);
    group->platesBox()->setValue(6);
    steps->restart();
    steps->takeTrials(15);
    view->setLargeScreen(true);
    QTest::qWait(300);
    if (!view->grab().save(folder.filePath(QStringLiteral("steps-%1-large.png").arg(theme))))
        return 1;
    tabs->setCurrentIndex(0);
    QTest::qWait(300);
    if (!view->grab().save(folder.filePath(QStringLiteral("teaching-%1-large.png").arg(theme))))
        return 1;
    QWidget* content = view->findChild<QWidget*>(QStringLiteral("teachingContent"));
    content->grab().save(folder.filePath(QStringLiteral("content-%1-large.png").arg(theme)));
    view->setLargeScreen(false);

    window.grab().save(folder.filePath(QStringLiteral("main-%1.png").arg(theme)));
    view->chartsImage().save(folder.filePath(QStringLiteral("charts-%1.png").arg(theme)));
    return 0;
}
