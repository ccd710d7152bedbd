// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "experiment_group.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>

#include <variant>

#include "experiment_panel.h"
#include "experiment_words.h"
#include "run_messages.h"
#include "teaching_view_texts.h"
#include "window_texts.h"

namespace vesquin {
namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QSpinBox* NewSpinBox(std::int32_t least, std::int32_t most, std::int32_t value, const QString& name,
                     QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setRange(least, most);
    box->setValue(value);
    box->setAccessibleName(name);
    box->setAccessibleDescription(
        QString::fromStdString(BoxRangeDescription(std::to_string(least), std::to_string(most))));
    return box;
}

}  // namespace

ExperimentGroup::ExperimentGroup(LocaleSymbols symbols, QWidget* parent)
    : QGroupBox(parent), m_symbols(std::move(symbols)) {
    const ExperimentPanelWords words;
    setTitle(FromUtf8(words.group));
    setObjectName(QStringLiteral("experimentGroup"));
    const Experiment classic = Experiment::Classic();
    m_shooters = NewSpinBox(kFewestShooters, kMostShooters, classic.shooters(),
                            FromUtf8(words.shooters), this);
    m_shooters->setObjectName(QStringLiteral("shootersBox"));
    m_plates =
        NewSpinBox(kFewestPlates, kMostPlates, classic.plates(), FromUtf8(words.plates), this);
    m_plates->setObjectName(QStringLiteral("platesBox"));
    m_count = new QLineEdit(this);
    m_count->setObjectName(QStringLiteral("experimentCountBox"));
    m_count->setAccessibleName(FromUtf8(words.trials));
    m_count->setAccessibleDescription(
        QString::fromStdString(MaximumHint(kAdvertisedMaximumTrials, m_symbols)));
    m_count->setText(QStringLiteral("1000"));
    m_simulate = new QPushButton(QString::fromUtf8(Text(kExperimentSimulateButton)), this);
    m_simulate->setObjectName(QStringLiteral("experimentSimulateButton"));
    m_simulate->setAccessibleName(QString::fromUtf8(Text(kExperimentSimulateName)));
    m_simulate->setAutoDefault(true);
    m_statement = new QLabel(this);
    m_statement->setObjectName(QStringLiteral("experimentStatement"));
    m_statement->setTextFormat(Qt::PlainText);
    m_statement->setWordWrap(true);

    // Access keys the history's buttons do not use: T, P, N and M.
    auto* shootersLabel = new QLabel(QString::fromUtf8(Text(kShootersLabel)), this);
    auto* platesLabel = new QLabel(QString::fromUtf8(Text(kPlatesLabel)), this);
    auto* countLabel = new QLabel(QString::fromUtf8(Text(kExperimentCountLabel)), this);
    shootersLabel->setBuddy(m_shooters);
    platesLabel->setBuddy(m_plates);
    countLabel->setBuddy(m_count);
    auto* hint =
        new QLabel(QString::fromStdString(MaximumHint(kAdvertisedMaximumTrials, m_symbols)), this);

    auto* layout = new QGridLayout(this);
    layout->addWidget(shootersLabel, 0, 0);
    layout->addWidget(m_shooters, 0, 1);
    layout->addWidget(platesLabel, 0, 2);
    layout->addWidget(m_plates, 0, 3);
    layout->addWidget(countLabel, 0, 4);
    layout->addWidget(m_count, 0, 5);
    layout->addWidget(hint, 0, 6);
    layout->addWidget(m_simulate, 0, 7);
    layout->setColumnStretch(8, 1);
    layout->addWidget(m_statement, 1, 0, 1, 9);
    setTabOrder(m_shooters, m_plates);
    setTabOrder(m_plates, m_count);
    setTabOrder(m_count, m_simulate);

    const auto changed = [this] { restate(); };
    connect(m_shooters, &QSpinBox::valueChanged, this, changed);
    connect(m_plates, &QSpinBox::valueChanged, this, changed);
    connect(m_simulate, &QPushButton::clicked, this, &ExperimentGroup::simulate);
    connect(m_count, &QLineEdit::returnPressed, this, &ExperimentGroup::simulate);
    restate();
}

Experiment ExperimentGroup::experiment() const {
    // The boxes keep within the limits, so the experiment is always made.
    const auto made = Experiment::Make(m_shooters->value(), m_plates->value());
    return std::holds_alternative<Experiment>(made) ? std::get<Experiment>(made)
                                                    : Experiment::Classic();
}

QString ExperimentGroup::statementText() const {
    return m_statement->text();
}

QWidget* ExperimentGroup::firstInOrder() const {
    return m_shooters;
}

QWidget* ExperimentGroup::lastInOrder() const {
    return m_simulate;
}

void ExperimentGroup::restate() {
    m_statement->setText(QString::fromStdString(ExperimentStatement(experiment())));
}

void ExperimentGroup::simulate() {
    const std::string typed = m_count->text().toStdString();
    auto outcome =
        PerformExperimentRun(experiment(), typed, m_source, m_symbols, kAdvertisedMaximumTrials);
    if (const auto* error = std::get_if<RunError>(&outcome)) {
        const QString message = QString::fromStdString(RunFailureMessage(typed, *error, m_symbols));
        emit runRefused(message);
        // As the window's warning: plain text (it quotes what was typed), a Spanish button.
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Vesquin"), QString(),
                        QMessageBox::NoButton, this);
        box.setTextFormat(Qt::PlainText);
        box.setText(message);
        box.setDefaultButton(
            box.addButton(QString::fromUtf8(Text(kMessageOkButton)), QMessageBox::AcceptRole));
        box.exec();
        window()->activateWindow();
        m_count->setFocus();
        m_count->selectAll();
        return;
    }
    emit runPerformed(std::get<ExperimentRecord>(outcome));
}

}  // namespace vesquin
