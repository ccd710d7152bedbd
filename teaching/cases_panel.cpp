// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cases_panel.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include <algorithm>

#include "case_counting.h"
#include "chart_colours.h"
#include "experiment_panel.h"

namespace vesquin {
namespace {

constexpr int kCell = 6;       // pixels a side, the gap included
constexpr int kBandRows = 36;  // grid rows in one band
constexpr int kBandGap = 6;    // pixels between bands

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

CaseGridView::CaseGridView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("caseGrid"));
    setFocusPolicy(Qt::NoFocus);
}

int CaseGridView::bands() const {
    if (!m_grid || m_grid->rows == 0) return 0;
    return (m_grid->rows + kBandRows - 1) / kBandRows;
}

QSize CaseGridView::sizeHint() const {
    if (!m_grid) return QSize(0, 0);
    const int rows = std::min(m_grid->rows, kBandRows);
    return QSize(bands() * (m_grid->columns * kCell + kBandGap), rows * kCell + 2);
}

QRect CaseGridView::cellRect(std::size_t cell) const {
    const int row = static_cast<int>(cell) / m_grid->columns;
    const int column = static_cast<int>(cell) % m_grid->columns;
    const int band = row / kBandRows;
    return QRect(band * (m_grid->columns * kCell + kBandGap) + column * kCell,
                 (row % kBandRows) * kCell + 1, kCell - 1, kCell - 1);
}

void CaseGridView::showGrid(const std::optional<CaseGrid>& grid, std::optional<std::size_t> lit) {
    m_grid = grid;
    m_lit = grid && lit && *lit < grid->broken.size() ? lit : std::nullopt;
    setVisible(m_grid.has_value());
    updateGeometry();
    update();
}

void CaseGridView::paintEvent(QPaintEvent*) {
    if (!m_grid) return;
    QPainter painter(this);
    const bool dark = IsDarkPalette(palette());
    for (std::size_t cell = 0; cell < m_grid->broken.size(); ++cell)
        painter.fillRect(cellRect(cell), SeriesColour(m_grid->broken[cell], dark));
    if (m_lit) {
        // The lit choice: a ring in the text's colour, over the cell and its gap.
        painter.setPen(QPen(palette().color(QPalette::WindowText), 2));
        painter.drawRect(cellRect(*m_lit).adjusted(-1, -1, 1, 1));
    }
}

CasesPanel::CasesPanel(LocaleSymbols symbols, QWidget* parent)
    : QGroupBox(parent), m_symbols(std::move(symbols)) {
    const ExperimentPanelWords words;
    setTitle(FromUtf8(words.casesTitle));
    setObjectName(QStringLiteral("casesPanel"));
    setAccessibleName(title());
    auto* layout = new QVBoxLayout(this);
    m_counting = new QLabel(this);
    m_counting->setTextFormat(Qt::PlainText);
    m_counting->setWordWrap(true);
    layout->addWidget(m_counting);
    m_gridNote = new QLabel(this);
    m_gridNote->setTextFormat(Qt::PlainText);
    m_gridNote->setWordWrap(true);
    layout->addWidget(m_gridNote);
    auto* gridRow = new QHBoxLayout;
    m_grid = new CaseGridView(this);
    gridRow->addWidget(m_grid, 0, Qt::AlignTop);
    m_key = new QGridLayout;
    gridRow->addLayout(m_key);
    gridRow->addStretch();
    layout->addLayout(gridRow);
    layout->addStretch();
}

void CasesPanel::showExperiment(const Experiment& experiment,
                                const std::vector<std::int32_t>& trialPlates) {
    const ExperimentPanelWords words;
    QStringList lines{QString::fromStdString(PossibleCasesText(experiment, m_symbols))};
    for (const CaseCount& count : CountCases(experiment, m_symbols))
        lines << QString::fromStdString(count.text);
    lines << FromUtf8(Text(kLaplaceRuleText));
    m_counting->setText(lines.join(u'\n'));

    const std::optional<CaseGrid> grid = DrawnCases(experiment);
    std::optional<std::size_t> lit;
    if (grid && trialPlates.size() == std::size_t(experiment.shooters()))
        lit = CaseCell(experiment, trialPlates);
    m_grid->showGrid(grid, lit);
    m_gridNote->setText(grid ? FromUtf8(words.gridTitle) + u'\n' + FromUtf8(words.gridRows)
                             : QString::fromStdString(GridTooLargeText(experiment, m_symbols)));

    const int keys = grid ? static_cast<int>(grid->brokenCounts.size()) : 0;
    while (m_keyTexts.size() < keys) {
        auto* swatch = new QWidget(this);
        swatch->setFixedSize(12, 12);
        swatch->setAutoFillBackground(true);
        auto* text = new QLabel(this);
        text->setTextFormat(Qt::PlainText);
        m_key->addWidget(swatch, int(m_keyTexts.size()), 0);
        m_key->addWidget(text, int(m_keyTexts.size()), 1);
        m_keySwatches << swatch;
        m_keyTexts << text;
    }
    const bool dark = IsDarkPalette(palette());
    for (int j = 0; j < m_keyTexts.size(); ++j) {
        const bool shown = j < keys;
        m_keyTexts[j]->setVisible(shown);
        m_keySwatches[j]->setVisible(shown);
        if (!shown) continue;
        m_keyTexts[j]->setText(QString::fromStdString(
            GridKeyText(j + 1, grid->brokenCounts[std::size_t(j)], m_symbols)));
        QPalette swatchPalette = m_keySwatches[j]->palette();
        swatchPalette.setColor(QPalette::Window, SeriesColour(j + 1, dark));
        m_keySwatches[j]->setPalette(swatchPalette);
    }
}

QStringList CasesPanel::countingTexts() const {
    return m_counting->text().split(u'\n');
}

QStringList CasesPanel::keyTexts() const {
    QStringList texts;
    for (const QLabel* text : m_keyTexts)
        if (!text->isHidden()) texts << text->text();
    return texts;
}

}  // namespace vesquin
