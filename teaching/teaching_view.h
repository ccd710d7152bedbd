// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// "Vesquin: gráficos y teoría", the teaching view: the convergence chart, the
// bars and the exact theory for the selected run (the last one unless the user
// picks another), and the history of every run with copy and save commands.
// Escape closes it. It shows the history it is given and never changes a run.

#include <QImage>
#include <QString>
#include <QWidget>

#include "number_text.h"

class QPushButton;
class QTableView;

namespace vesquin {

class ConvergenceChart;
class OutcomeBars;
class RunHistoryModel;
class TheoryPanel;

class TeachingView : public QWidget {
    Q_OBJECT

  public:
    explicit TeachingView(RunHistoryModel& history, QWidget* parent = nullptr);

    // The row shown in the charts and the theory panel; -1 when the history is empty.
    int selectedRow() const;
    void selectRow(int row);

    // The two charts side by side, as "Guardar imagen…" saves them.
    QImage chartsImage();

    // The commands behind the buttons, without their file dialogs. Each returns
    // whether it succeeded; a failed save has told the user why in a warning.
    void copyHistory();
    bool saveCsvTo(const QString& path);
    bool saveImageTo(const QString& path);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void showSelectedRun();
    void followNewRun();
    void emptyHistory();
    void saveCsv();
    void saveImage();
    QString askSavePath(const QString& title, const QString& fileName, const QString& filter,
                        const QString& suffix);
    void tellSaveFailure(const QString& path, const QString& error);
    void applyTheme();

    RunHistoryModel& m_history;
    ConvergenceChart* m_convergence = nullptr;
    OutcomeBars* m_bars = nullptr;
    TheoryPanel* m_theory = nullptr;
    QTableView* m_table = nullptr;
    QPushButton* m_emptyButton = nullptr;
    QPushButton* m_copyButton = nullptr;
    QPushButton* m_csvButton = nullptr;
    QPushButton* m_imageButton = nullptr;
};

}  // namespace vesquin
