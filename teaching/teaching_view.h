// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// "Vesquin: gráficos y teoría", the teaching view: its own runs of any
// experiment, the convergence chart, the bars, the exact theory and the cases
// counted for the selected run (the last one unless the user
// picks another, or the total row), and the history of every run with copy,
// save and repeat commands. It opens within the screen it is on, scrolling what
// does not fit. Escape closes it. It never changes a run; Repetir adds a new one.

#include <QImage>
#include <QString>
#include <QWidget>

#include "number_text.h"
#include "screen_fit.h"
#include "uniform_source.h"

class QBoxLayout;
class QCheckBox;
class QPushButton;
class QScrollArea;
class QTabWidget;

namespace vesquin {

class CasesPanel;
class ConvergenceChart;
class ExperimentGroup;
class HistoryTable;
class OutcomeBars;
class RunHistoryModel;
class TheoryPanel;
class TrialStepPane;

class TeachingView : public QWidget {
    Q_OBJECT

  public:
    explicit TeachingView(RunHistoryModel& history, QWidget* parent = nullptr);

    // The row shown in the charts and the theory panel; -1 when the history is empty.
    int selectedRow() const;
    void selectRow(int row);

    // The two charts side by side, as "Guardar imagen…" saves them, with a line
    // under them naming the run shown (count, seed and date).
    QImage chartsImage();

    // "Repetir": performs the selected run again, with its experiment, count and seed, and
    // adds it to the history (which then shows it). Nothing on the total row.
    void repeatSelectedRun();

    // The commands behind the buttons, without their file dialogs. Each returns
    // whether it succeeded; a failed save has told the user why in a warning.
    void copyHistory();
    // "Pantalla grande": twice the font, thicker lines, the high-contrast colours.
    void setLargeScreen(bool large);
    bool largeScreen() const { return m_large; }
    bool saveCsvTo(const QString& path);
    bool saveImageTo(const QString& path);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void showSelectedRun();
    void followNewRun();
    void emptyHistory();
    void saveCsv();
    void saveImage();
    void reflow();
    void applyTheme();
    // The 95 % margin's check box and its sentence, under the charts.
    QWidget* marginControls(QWidget* parent);
    // The "Pantalla grande" check box, and its keys on the view.
    QCheckBox* largeScreenControl(QWidget* parent);
    // The tabs: `charts` (the charts, theory and history) and "Ensayo a ensayo".
    QWidget* withStepTab(QScrollArea* charts);

    RunHistoryModel& m_history;
    ConvergenceChart* m_convergence = nullptr;
    OutcomeBars* m_bars = nullptr;
    TheoryPanel* m_theory = nullptr;
    CasesPanel* m_cases = nullptr;
    ExperimentGroup* m_experiment = nullptr;
    QScrollArea* m_scroll = nullptr;
    QWidget* m_content = nullptr;
    QBoxLayout* m_charts = nullptr;  // the two charts, side by side or one above the other
    QBoxLayout* m_lower = nullptr;   // the theory and the history, likewise
    PanelRows m_rows;                // the charts' row and the lower row
    HistoryTable* m_table = nullptr;
    QPushButton* m_repeatButton = nullptr;
    QPushButton* m_emptyButton = nullptr;
    QPushButton* m_copyButton = nullptr;
    QPushButton* m_csvButton = nullptr;
    QPushButton* m_imageButton = nullptr;
    UniformSource m_source;  // reseeded by every repeated run
    QCheckBox* m_marginCheck = nullptr;
    QCheckBox* m_largeCheck = nullptr;
    bool m_large = false;
    int m_normalRowHeight = 0;  // the table's rows before the font was doubled
    QTabWidget* m_tabs = nullptr;
    TrialStepPane* m_steps = nullptr;
};

}  // namespace vesquin
