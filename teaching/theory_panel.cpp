// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory_panel.h"

#include <QGridLayout>
#include <QLabel>
#include <QStringList>
#include <QVBoxLayout>

#include "chance_margin.h"
#include "experiment_panel.h"
#include "teaching_view_texts.h"

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

QLabel* Heading(QWidget* parent, std::string_view text, Qt::Alignment alignment = Qt::AlignRight) {
    QLabel* heading = NewLabel(parent, alignment, true);
    heading->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    return heading;
}

void SetLine(std::array<QLabel*, 5>& cells, const TheoryLine& line) {
    const std::array<const std::string*, 5> texts{&line.label, &line.favourable, &line.fraction,
                                                  &line.theory, &line.simulated};
    for (std::size_t column = 0; column < cells.size(); ++column)
        cells[column]->setText(QString::fromStdString(*texts[column]));
}

}  // namespace

TheoryPanel::TheoryPanel(LocaleSymbols symbols, QWidget* parent)
    : QGroupBox(QString::fromUtf8(Text(kTheoryPanelTitle)), parent), m_symbols(std::move(symbols)) {
    setObjectName(QStringLiteral("theoryPanel"));
    setAccessibleName(QString::fromUtf8(Text(kTheoryPanelName)));
    const ExperimentPanelWords words;

    auto* layout = new QVBoxLayout(this);
    m_choices = NewLabel(this, Qt::AlignLeft);
    m_choices->setWordWrap(true);
    layout->addWidget(m_choices);

    // The probabilities: one row for each number of plates broken.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(14);
    grid->addWidget(Heading(this, Text(kFavourableHeading)), 0, 1);
    grid->addWidget(Heading(this, Text(kProbabilityHeading)), 0, 2);
    grid->addWidget(Heading(this, Text(kTheoryHeading)), 0, 3);
    m_simulatedTitle = NewLabel(this, Qt::AlignRight, true);
    grid->addWidget(m_simulatedTitle, 0, 4);
    for (int row = 0; row < kMostRows; ++row) {
        for (int column = 0; column < 5; ++column) {
            QLabel* cell = NewLabel(this, column == 0 ? Qt::AlignLeft : Qt::AlignRight);
            m_cells[std::size_t(row)][std::size_t(column)] = cell;
            grid->addWidget(cell, row + 1, column);
        }
    }
    grid->setColumnStretch(0, 1);
    layout->addLayout(grid);
    m_source = NewLabel(this, Qt::AlignLeft);
    m_source->setWordWrap(true);
    layout->addWidget(m_source);

    // The means and the most probable number, which are not probabilities.
    auto* means = new QGridLayout;
    means->setHorizontalSpacing(14);
    means->addWidget(Heading(this, words.means, Qt::AlignLeft), 0, 0);
    means->addWidget(Heading(this, words.exact), 0, 2);
    means->addWidget(Heading(this, Text(kTheoryHeading)), 0, 3);
    m_meansSimulatedTitle = NewLabel(this, Qt::AlignRight, true);
    means->addWidget(m_meansSimulatedTitle, 0, 4);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 5; ++column) {
            QLabel* cell = NewLabel(this, column == 0 ? Qt::AlignLeft : Qt::AlignRight);
            m_means[std::size_t(row)][std::size_t(column)] = cell;
            means->addWidget(cell, row + 1, column);
        }
    }
    means->setColumnStretch(0, 1);
    layout->addLayout(means);
    m_margin = NewLabel(this, Qt::AlignLeft);
    m_margin->setObjectName(QStringLiteral("marginLines"));
    m_margin->setWordWrap(true);
    layout->addWidget(m_margin);
    layout->addStretch();
    showRun(nullptr);
}

void TheoryPanel::showRun(const ExperimentEntry* entry, const ExperimentTotal* total) {
    const Experiment experiment = entry ? entry->record.experiment : Experiment::Classic();
    ExperimentPanelTexts texts = ComposeExperimentPanel(experiment, entry, m_symbols);
    if (total) texts.simulatedTitle = TotalSimulatedTitle(*total, m_symbols);
    m_choices->setText(QString::fromStdString(texts.choices));
    m_source->setText(QString::fromStdString(texts.source));
    m_simulatedTitle->setText(QString::fromStdString(texts.simulatedTitle));
    m_meansSimulatedTitle->setText(QString::fromStdString(texts.simulatedTitle));
    m_rows = static_cast<int>(texts.broken.size());
    for (int row = 0; row < kMostRows; ++row) {
        std::array<QLabel*, 5>& cells = m_cells[std::size_t(row)];
        if (row < m_rows)
            SetLine(cells, texts.broken[std::size_t(row)]);
        else
            SetLine(cells, TheoryLine{});
        for (QLabel* cell : cells) cell->setVisible(row < m_rows);
    }
    QStringList marginLines;
    if (entry)
        for (const std::string& line : RunMarginLines(entry->record, m_symbols))
            if (!line.empty()) marginLines << QString::fromStdString(line);
    m_margin->setText(marginLines.join(QLatin1Char('\n')));
    const std::array<const TheoryLine*, 3> summaries{&texts.modal, &texts.meanIntact,
                                                     &texts.meanBroken};
    for (std::size_t row = 0; row < summaries.size(); ++row) SetLine(m_means[row], *summaries[row]);

    // A screen reader reads the whole comparison from the panel's description.
    QStringList lineTexts;
    for (int row = 0; row < rowCount(); ++row) {
        const QString simulated = cellText(row, 4);
        lineTexts << QString::fromStdString(TheoryRowDescription(cellText(row, 0).toStdString(),
                                                                 cellText(row, 3).toStdString(),
                                                                 simulated.toStdString()));
    }
    setAccessibleDescription(lineTexts.join(QStringLiteral("; ")) +
                             (marginLines.isEmpty()
                                  ? QString()
                                  : QLatin1Char(' ') + marginLines.join(QLatin1Char(' '))));
}

QString TheoryPanel::cellText(int row, int column) const {
    if (row < m_rows) return m_cells.at(std::size_t(row)).at(std::size_t(column))->text();
    return m_means.at(std::size_t(row - m_rows)).at(std::size_t(column))->text();
}

QString TheoryPanel::sourceText() const {
    return m_source->text();
}

QString TheoryPanel::marginText() const {
    return m_margin->text();
}

}  // namespace vesquin
