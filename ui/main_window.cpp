// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>

#include <string>
#include <string_view>
#include <utility>

#include "commands.h"
#include "count_box.h"
#include "footer_link.h"
#include "print_command.h"
#include "run_history_model.h"
#include "run_messages.h"
#include "teaching_view_loader.h"

namespace vesquin {
namespace {

// As a run's failure is told: a box of our own with a Spanish button; the focus then
// goes back where it was, in a window that keeps working without the view.
void TellTeachingViewFailure(QWidget* window, const QString& message) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Vesquin"), QString(),
                    QMessageBox::NoButton, window);
    box.setTextFormat(Qt::PlainText);
    box.setText(message);
    box.setDefaultButton(box.addButton(QStringLiteral("Aceptar"), QMessageBox::AcceptRole));
    box.exec();
    window->activateWindow();
}

}  // namespace

MainWindow::MainWindow(LocaleSymbols symbols, QWidget* parent)
    : QWidget(parent),
      m_symbols(std::move(symbols)),
      m_controls(BuildWindowControls(*this)),
      m_printCommand(new PrintCommand(this, m_symbols)) {
    PrepareCountBox(*BoxNamed(m_controls.boxes, "txtNs"));
    m_controls.maximumHint->setText(QString::fromStdString(MaximumHint(kMaximumTrials, m_symbols)));

    // Outside a dialog a default button that is also auto-default loses its default
    // mark once the focus leaves it; Enter reaches cmdSimular through keyPressEvent.
    m_controls.simulateButton->setAutoDefault(false);
    m_controls.simulateButton->setDefault(true);
    for (QPushButton* button :
         {m_controls.printButton, m_controls.clearButton, m_controls.endButton})
        button->setAutoDefault(true);

    connect(m_controls.simulateButton, &QPushButton::clicked, this, &MainWindow::simulate);
    connect(m_controls.clearButton, &QPushButton::clicked, this, &MainWindow::clear);
    connect(m_controls.printButton, &QPushButton::clicked, this, &MainWindow::print);
    connect(m_controls.endButton, &QPushButton::clicked, this, &MainWindow::end);
    connect(m_printCommand, &PrintCommand::finished, this, &MainWindow::printEnded);

    // The history is kept from the first run, so the teaching view shows every run
    // whenever it is first opened.
    m_history = new RunHistoryModel(m_symbols, this);
    connect(this, &MainWindow::runPerformed, m_history, &RunHistoryModel::append);
    // F2 anywhere in this window, or a click on the footer, opens the teaching view.
    auto* teachingKey = new QShortcut(QKeySequence(Qt::Key_F2), this);
    teachingKey->setContext(Qt::WindowShortcut);
    connect(teachingKey, &QShortcut::activated, this, &MainWindow::showTeachingView);
    if (auto* footer = findChild<QLabel*>(QStringLiteral("Label11")))
        MakeFooterLink(*footer, [this] { showTeachingView(); });

    m_controls.simulateButton->setFocus();
}

MainWindow::~MainWindow() = default;

QString MainWindow::boxText(QStringView name) const {
    const QLineEdit* box = m_controls.boxes.value(name.toString());
    return box ? box->text() : QString();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if ((event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
                m_controls.simulateButton->click();
                return;
            }
            break;
        case Qt::Key_Escape:
            if (event->modifiers() == Qt::NoModifier) {
                m_controls.endButton->click();
                return;
            }
            break;
        default:
            break;
    }
    QWidget::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (m_teachingView) m_teachingView->close();
    QWidget::closeEvent(event);
}

void MainWindow::showTeachingView() {
    if (!m_teachingView) {
        MadeTeachingView made = MakeTeachingView(*m_history);
        if (!made.view) {
            TellTeachingViewFailure(this, made.failure);
            return;
        }
        m_teachingView = std::move(made.view);
        m_teachingView->setWindowIcon(windowIcon());
    }
    m_teachingView->show();
    m_teachingView->raise();
    m_teachingView->activateWindow();
}

void MainWindow::simulate() {
    const std::string typed = boxText(u"txtNs").toStdString();
    const auto outcome = Simulate(m_controls.boxes, m_source, m_symbols);
    if (const auto* error = std::get_if<RunError>(&outcome)) {
        TellRunFailure(this, m_controls.boxes,
                       QString::fromStdString(RunFailureMessage(typed, *error, m_symbols)));
        return;
    }
    const RunRecord& record = std::get<RunRecord>(outcome);
    m_shownTrials = record.trials;
    emit runPerformed(record);
}

void MainWindow::clear() {
    Clear(m_controls.boxes);
    m_shownTrials.reset();
}

void MainWindow::print() {
    // The heading states the trials of the run on show: the count box may have been
    // edited since, or hold a form such as "2,5" that ran another number of trials.
    const auto readBox = [this](std::string_view box) {
        if (box == "txtNs") return m_shownTrials ? std::to_string(*m_shownTrials) : std::string();
        const QLineEdit* line = BoxNamed(m_controls.boxes, box);
        return line ? line->text().toStdString() : std::string();
    };
    m_printCommand->print(readBox);
    if (!m_printCommand->isBusy()) return;
    // Presses while the job is being sent are dropped; a greyed button says so.
    // Disabling the focused button would pass the focus on, so it comes back after.
    m_printHadFocus = m_controls.printButton->hasFocus();
    m_controls.printButton->setEnabled(false);
}

void MainWindow::printEnded() {
    m_controls.printButton->setEnabled(true);
    if (m_printHadFocus) m_controls.printButton->setFocus();
    m_printHadFocus = false;
}

void MainWindow::end() {
    // The only window: closing it ends the program, as the title bar's close does.
    close();
}

}  // namespace vesquin
