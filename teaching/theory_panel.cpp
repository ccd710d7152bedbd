// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory_panel.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <utility>

#include "chance_margin.h"
#include "teaching_figures.h"
#include "theory.h"

namespace vesquin {
namespace {

QLabel* NewLabel(QWidget* parent, Qt::Alignment alignment, bool bold = false) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setFocusPolicy(Qt::NoFocus);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

std::array<const TheoryLine*, 6> Lines(const TheoryPanelTexts& texts) {
    return {&texts.outcomes[0], &texts.outcomes[1], &texts.outcomes[2],
            &texts.modal,       &texts.meanIntact,  &texts.meanBroken};
}

}  // namespace

TheoryPanel::TheoryPanel(LocaleSymbols symbols, QWidget* parent)
    : QGroupBox(QStringLiteral("Teoría exacta"), parent), m_symbols(std::move(symbols)) {
    setObjectName(QStringLiteral("theoryPanel"));
    setAccessibleName(QStringLiteral("Teoría exacta y simulación"));

    auto* layout = new QVBoxLayout(this);
    m_choices = NewLabel(this, Qt::AlignLeft);
    m_choices->setWordWrap(true);
    layout->addWidget(m_choices);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(14);
    const std::array<const char*, 3> headings{"Casos favorables", "Probabilidad", "Teoría"};
    for (int column = 1; column <= 3; ++column) {
        QLabel* heading = NewLabel(this, Qt::AlignRight, true);
        heading->setText(QString::fromUtf8(headings[column - 1]));
        grid->addWidget(heading, 0, column);
    }
    m_simulatedTitle = NewLabel(this, Qt::AlignRight, true);
    grid->addWidget(m_simulatedTitle, 0, 4);
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 5; ++column) {
            QLabel* cell = NewLabel(this, column == 0 ? Qt::AlignLeft : Qt::AlignRight);
            m_cells[row][column] = cell;
            grid->addWidget(cell, row + 1, column);
        }
    }
    grid->setColumnStretch(0, 1);
    layout->addLayout(grid);
    m_margin = NewLabel(this, Qt::AlignLeft);
    m_margin->setObjectName(QStringLiteral("marginLines"));
    m_margin->setWordWrap(true);
    layout->addWidget(m_margin);
    layout->addStretch();
    showRun(nullptr);
}

void TheoryPanel::showRun(const HistoryEntry* entry) {
    const TheoryPanelTexts texts = ComposeTheoryPanel(Theory(), entry, m_symbols);
    m_choices->setText(QString::fromStdString(texts.choices));
    m_simulatedTitle->setText(QString::fromStdString(texts.simulatedTitle));
    const std::array<const TheoryLine*, 6> lines = Lines(texts);
    for (int row = 0; row < 6; ++row) {
        const TheoryLine& line = *lines[row];
        const std::array<const std::string*, 5> cells{&line.label, &line.favourable, &line.fraction,
                                                      &line.theory, &line.simulated};
        for (int column = 0; column < 5; ++column)
            m_cells[row][column]->setText(QString::fromStdString(*cells[column]));
    }
    QStringList marginLines;
    if (entry)
        for (const std::string& line : RunMarginLines(entry->record, m_symbols))
            if (!line.empty()) marginLines << QString::fromStdString(line);
    m_margin->setText(marginLines.join(QLatin1Char('\n')));
    // A screen reader reads the whole comparison from the panel's description.
    QStringList lineTexts;
    for (const TheoryLine* line : lines)
        lineTexts << QString::fromStdString(
            line->label + ": teoría " + line->theory +
            (line->simulated.empty() ? std::string() : ", simulación " + line->simulated));
    setAccessibleDescription(lineTexts.join(QStringLiteral("; ")) +
                             (marginLines.isEmpty()
                                  ? QString()
                                  : QLatin1Char(' ') + marginLines.join(QLatin1Char(' '))));
}

QString TheoryPanel::cellText(int row, int column) const {
    return m_cells.at(row).at(column)->text();
}

QString TheoryPanel::marginText() const {
    return m_margin->text();
}

}  // namespace vesquin
