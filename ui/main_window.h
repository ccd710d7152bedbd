// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// frmVesquin, the program's one window: it connects the buttons and keys to the
// commands and tells the user when a run fails. The controls come from
// window_layout, the work from commands and the engine.

#include <QString>
#include <QStringView>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <optional>

#include "experiment_run.h"
#include "number_text.h"
#include "uniform_source.h"
#include "window_layout.h"

class QCloseEvent;
class QKeyEvent;

namespace vesquin {

class PrintCommand;
class RunHistoryModel;
class TeachingView;

class MainWindow : public QWidget {
    Q_OBJECT

  public:
    // `symbols` are the user's number symbols (SymbolsFromLocale(QLocale::system())).
    explicit MainWindow(LocaleSymbols symbols, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The text of the text box called `name` (txtNs, txtMed, txtS1 ... txtTeo3);
    // the empty text for any other name.
    QString boxText(QStringView name) const;

    // Every successful run since start-up, kept whether or not the teaching view is open.
    const RunHistoryModel& runHistory() const { return *m_history; }

    // Opens the teaching view, or raises it when it is open already (F2, the footer link).
    void showTeachingView();
    // The teaching view once it has been opened; null before. The window program knows
    // it only as a QWidget (teachingView<QWidget>()); programs that link the view ask
    // for the TeachingView itself.
    template <class View = TeachingView>
    View* teachingView() const {
        return qobject_cast<View*>(m_teachingView.get());
    }

  signals:
    // A run succeeded and its results fill the boxes.
    void runPerformed(const vesquin::RunRecord& record);

  protected:
    // Enter runs the simulation unless a button other than cmdSimular has the focus
    // (that button takes it); Escape ends the program from anywhere in the window.
    void keyPressEvent(QKeyEvent* event) override;
    // The teaching view belongs to this window: it closes with it, and so the program ends.
    void closeEvent(QCloseEvent* event) override;

  private slots:
    void simulate();
    void clear();
    void print();
    void printEnded();
    void end();

  private:
    LocaleSymbols m_symbols;
    UniformSource m_source;  // reseeded by every run
    WindowControls m_controls;
    // The trials of the run whose results the boxes show; none before the first
    // run and after Clear. The printed heading states these, not what txtNs holds now.
    std::optional<std::int32_t> m_shownTrials;
    RunHistoryModel* m_history = nullptr;
    std::unique_ptr<QWidget> m_teachingView;
    PrintCommand* m_printCommand;  // a child of the window
    bool m_printHadFocus = false;  // Imprimir had the focus when its print began
};

}  // namespace vesquin
