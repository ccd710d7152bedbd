// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "teaching_view.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QClipboard>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <string>
#include <variant>

#include "cases_panel.h"
#include "chart_colours.h"
#include "convergence_chart.h"
#include "experiment_group.h"
#include "experiment_total.h"
#include "history_table.h"
#include "history_text.h"
#include "outcome_bars.h"
#include "run_history_model.h"
#include "save_file.h"
#include "screen_fit.h"
#include "teaching_files.h"
#include "teaching_texts.h"
#include "teaching_view_texts.h"
#include "theory_panel.h"
#include "trial_replay.h"

namespace vesquin {
namespace {

QPushButton* NewButton(const QString& text, const QString& accessibleName, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setAccessibleName(accessibleName);
    button->setAutoDefault(true);
    return button;
}

}  // namespace

TeachingView::TeachingView(RunHistoryModel& history, QWidget* parent)
    : QWidget(parent, Qt::Window), m_history(history) {
    setObjectName(QStringLiteral("teachingView"));
    setWindowTitle(QString::fromUtf8(Text(kTeachingViewTitle)));
    setAccessibleName(windowTitle());

    // Everything sits in a scroll area: on a small or magnified screen the view
    // scrolls, and no chart, label or column is squeezed into a cut text.
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("teachingScroll"));
    m_scroll->setWidgetResizable(true);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setFocusPolicy(Qt::NoFocus);
    auto* content = new QWidget(m_scroll);
    content->setObjectName(QStringLiteral("teachingContent"));
    m_content = content;

    m_convergence = new ConvergenceChart(history.symbols(), content);
    m_bars = new OutcomeBars(history.symbols(), content);
    m_theory = new TheoryPanel(history.symbols(), content);
    m_cases = new CasesPanel(history.symbols(), content);
    m_experiment = new ExperimentGroup(history.symbols(), content);

    auto* historyBox = new QGroupBox(QString::fromUtf8(Text(kHistoryTitle)), content);
    historyBox->setObjectName(QStringLiteral("historyBox"));
    m_table = new HistoryTable([this] { copyHistory(); }, historyBox);
    m_table->setObjectName(QStringLiteral("historyTable"));
    m_table->setAccessibleName(QString::fromUtf8(Text(kHistoryTableName)));
    m_table->setAccessibleDescription(QString::fromUtf8(Text(kHistoryTableDescription)));
    m_table->setModel(&m_history);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTabKeyNavigation(false);
    m_table->setAlternatingRowColors(true);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setHighlightSections(false);
    m_table->arrangeColumns(m_history.symbols());
    m_table->setMinimumHeight(140);

    m_repeatButton = NewButton(QString::fromUtf8(Text(kRepeatButton)),
                               QString::fromUtf8(Text(kRepeatButtonName)), historyBox);
    m_repeatButton->setObjectName(QStringLiteral("repeatButton"));
    m_repeatButton->setToolTip(QString::fromUtf8(Text(kRepeatButtonTip)));
    m_emptyButton = NewButton(QString::fromUtf8(Text(kEmptyHistoryButton)),
                              QString::fromUtf8(Text(kEmptyHistoryButtonName)), historyBox);
    m_copyButton = NewButton(QString::fromUtf8(Text(kCopyButton)),
                             QString::fromUtf8(Text(kCopyButtonName)), historyBox);
    m_csvButton = NewButton(QString::fromUtf8(Text(kSaveCsvButton)),
                            QString::fromUtf8(Text(kSaveCsvButtonName)), historyBox);
    m_imageButton = NewButton(QString::fromUtf8(Text(kSaveImageButton)),
                              QString::fromUtf8(Text(kSaveImageButtonName)), historyBox);
    m_emptyButton->setObjectName(QStringLiteral("emptyHistoryButton"));
    m_copyButton->setObjectName(QStringLiteral("copyButton"));
    m_csvButton->setObjectName(QStringLiteral("saveCsvButton"));
    m_imageButton->setObjectName(QStringLiteral("saveImageButton"));

    // Two rows of buttons: the run's commands, then the files', so the history
    // stays narrow enough to stand beside the theory.
    auto* buttons = new QGridLayout;
    buttons->addWidget(m_repeatButton, 0, 0);
    buttons->addWidget(m_emptyButton, 0, 1);
    buttons->addWidget(m_copyButton, 0, 2);
    buttons->addWidget(m_csvButton, 1, 0);
    buttons->addWidget(m_imageButton, 1, 1);
    buttons->setColumnStretch(3, 1);
    auto* historyLayout = new QVBoxLayout(historyBox);
    historyLayout->addWidget(m_table);
    historyLayout->addLayout(buttons);

    m_charts = new QHBoxLayout;
    m_charts->addWidget(m_convergence, 3);
    m_charts->addWidget(m_bars, 2);
    // The theory and, under it, where its numbers come from.
    auto* theoryColumn = new QVBoxLayout;
    theoryColumn->addWidget(m_theory);
    theoryColumn->addWidget(m_cases);
    m_lower = new QHBoxLayout;
    m_lower->addLayout(theoryColumn, 2);
    m_lower->addWidget(historyBox, 3);
    auto* layout = new QVBoxLayout(content);
    layout->addWidget(m_experiment);
    layout->addLayout(m_charts, 3);
    layout->addWidget(marginControls(content));
    layout->addLayout(m_lower, 2);
    m_scroll->setWidget(content);
    m_rows.add(m_charts);
    m_rows.add(m_lower);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(withStepTab(m_scroll));

    // Keyboard order: the experiment's boxes and Simular, the table, then its
    // buttons (the charts and the theory are read-only).
    QWidget::setTabOrder(m_experiment->lastInOrder(), m_table);
    QWidget::setTabOrder(m_table, m_repeatButton);
    QWidget::setTabOrder(m_repeatButton, m_emptyButton);
    QWidget::setTabOrder(m_emptyButton, m_copyButton);
    QWidget::setTabOrder(m_copyButton, m_csvButton);
    QWidget::setTabOrder(m_csvButton, m_imageButton);
    // Then the margin's and the large screen's check boxes, the tabs, and round to
    // the experiment again.
    QWidget::setTabOrder(m_imageButton, m_marginCheck);
    QWidget::setTabOrder(m_marginCheck, m_largeCheck);
    QWidget::setTabOrder(m_largeCheck, m_tabs->tabBar());
    QWidget::setTabOrder(m_tabs->tabBar(), m_experiment->firstInOrder());

    connect(m_experiment, &ExperimentGroup::runPerformed, this,
            [this](const ExperimentRecord& record) { m_history.appendExperiment(record); });
    connect(&m_history, &RunHistoryModel::columnsRearranged, this,
            [this] { m_table->arrangeColumns(m_history.symbols()); });
    connect(m_repeatButton, &QPushButton::clicked, this, &TeachingView::repeatSelectedRun);
    connect(m_emptyButton, &QPushButton::clicked, this, &TeachingView::emptyHistory);
    connect(m_copyButton, &QPushButton::clicked, this, &TeachingView::copyHistory);
    connect(m_csvButton, &QPushButton::clicked, this, &TeachingView::saveCsv);
    connect(m_imageButton, &QPushButton::clicked, this, &TeachingView::saveImage);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TeachingView::showSelectedRun);
    connect(&m_history, &QAbstractItemModel::rowsInserted, this, &TeachingView::followNewRun);
    connect(&m_history, &QAbstractItemModel::modelReset, this, &TeachingView::showSelectedRun);
    // The total row changes with every run; when it is on show, so do the charts.
    connect(&m_history, &QAbstractItemModel::dataChanged, this, [this] {
        if (m_history.isTotalRow(selectedRow())) showSelectedRun();
    });

    // As large as the charts read well, within the screen; what does not fit scrolls.
    setGeometry(
        FittedGeometry(screen() ? screen() : QGuiApplication::primaryScreen(), QSize(1200, 780)));
    applyTheme();
    if (m_history.runCount() > 0) selectRow(m_history.runCount() - 1);
    showSelectedRun();
    m_table->setFocus();
}

int TeachingView::selectedRow() const {
    const QModelIndex current = m_table->selectionModel()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void TeachingView::selectRow(int row) {
    if (row < 0 || row >= m_history.rowCount()) return;
    m_table->selectionModel()->setCurrentIndex(
        m_history.index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_table->scrollTo(m_history.index(row, 0));
}

void TeachingView::reflow() {
    // A row too narrow for its two panels side by side (a projector, a magnified
    // screen) puts one above the other, so that only the height scrolls.
    const QMargins margins = m_content->layout()->contentsMargins();
    // Room for a vertical scroll bar, and as much again for the frames around it.
    m_rows.reflow(m_scroll->width() -
                  2 * m_scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent) - margins.left() -
                  margins.right());
}

void TeachingView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    reflow();
}

void TeachingView::showEvent(QShowEvent* event) {
    // Only now are the fonts and the style settled, and so the panels' least
    // widths; the charts settle theirs once laid out, a moment later.
    reflow();
    QWidget::showEvent(event);
    QTimer::singleShot(0, this, &TeachingView::reflow);
}

void TeachingView::showSelectedRun() {
    const int row = selectedRow();
    const ExperimentEntry* entry = m_history.entry(row);
    const bool total = m_history.isTotalRow(row);
    const ExperimentRecord* run = entry ? &entry->record : nullptr;
    m_convergence->showRun(run);
    m_bars->showRun(run);
    m_theory->showRun(entry, total ? m_history.total() : nullptr);
    // The run's last trial lights its choice; a total is no one run, and lights none.
    m_cases->showExperiment(run ? run->experiment : Experiment::Classic(),
                            run && !total ? TrialPlates(run->experiment, run->seed, run->trials)
                                          : std::vector<std::int32_t>{});
    m_repeatButton->setEnabled(entry && !total);
}

void TeachingView::followNewRun() {
    // A new run is what the teacher has just shown on the main window: show it.
    selectRow(m_history.runCount() - 1);
}

void TeachingView::repeatSelectedRun() {
    const int row = selectedRow();
    const ExperimentEntry* entry = m_history.entry(row);
    if (!entry || m_history.isTotalRow(row)) return;
    const ExperimentRecord& earlier = entry->record;
    auto again = PerformExperimentRun(earlier.experiment, std::to_string(earlier.trials), m_source,
                                      m_history.symbols(), kRunMaximumTrials, earlier.seed);
    // A run in the history was performed once with this count: it cannot be refused now.
    if (const auto* record = std::get_if<ExperimentRecord>(&again))
        m_history.appendExperiment(*record);
}

void TeachingView::emptyHistory() {
    if (m_history.runCount() == 0) return;
    QMessageBox ask(QMessageBox::Question, windowTitle(),
                    QString::fromStdString(EmptyHistoryQuestion(
                        static_cast<std::size_t>(m_history.runCount()), m_history.symbols())),
                    QMessageBox::NoButton, this);
    QPushButton* empty =
        ask.addButton(QString::fromUtf8(kEmptyHistoryAnswer.data()), QMessageBox::DestructiveRole);
    QPushButton* keep =
        ask.addButton(QString::fromUtf8(kKeepHistoryAnswer.data()), QMessageBox::RejectRole);
    ask.setDefaultButton(keep);
    ask.setEscapeButton(keep);
    ask.exec();
    if (ask.clickedButton() != empty) return;
    m_history.clearHistory();
}

void TeachingView::copyHistory() {
    QApplication::clipboard()->setText(QString::fromStdString(
        ExperimentHistoryTabText(m_history.entries(), m_history.total(), m_history.symbols())));
}

QImage TeachingView::chartsImage() {
    const int row = selectedRow();
    const ExperimentEntry* entry = m_history.entry(row);
    const std::int32_t runsSummed = m_history.isTotalRow(row) ? m_history.total()->runsSummed : 0;
    const QString caption = entry
                                ? QString::fromStdString(ExperimentChartsCaption(
                                      *entry, m_history.date(row), runsSummed, m_history.symbols()))
                                : QString();
    return ComposeChartsImage(*m_convergence, *m_bars, caption, palette().color(QPalette::Window),
                              palette().color(QPalette::WindowText));
}

bool TeachingView::saveCsvTo(const QString& path) {
    const std::string csv =
        ExperimentHistoryCsv(m_history.entries(), m_history.total(), m_history.symbols());
    const QString error =
        SaveWholeFile(path, QByteArray(csv.data(), static_cast<qsizetype>(csv.size())));
    if (!error.isEmpty()) TellSaveFailure(this, path, error);
    return error.isEmpty();
}

bool TeachingView::saveImageTo(const QString& path) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QString error;
    if (!chartsImage().save(&buffer, "PNG"))
        error = QString::fromUtf8(Text(kImageNotComposed));
    else
        error = SaveWholeFile(path, png);
    if (!error.isEmpty()) TellSaveFailure(this, path, error);
    return error.isEmpty();
}

void TeachingView::saveCsv() {
    const QString path = AskSavePath(
        this, QString::fromUtf8(Text(kSaveCsvTitle)), QString::fromUtf8(Text(kSaveCsvFileName)),
        QString::fromUtf8(Text(kSaveCsvFilter)), QStringLiteral("csv"));
    if (!path.isEmpty()) saveCsvTo(path);
}

void TeachingView::saveImage() {
    const QString path = AskSavePath(
        this, QString::fromUtf8(Text(kSaveImageTitle)), QString::fromUtf8(Text(kSaveImageFileName)),
        QString::fromUtf8(Text(kSaveImageFilter)), QStringLiteral("png"));
    if (!path.isEmpty()) saveImageTo(path);
}

void TeachingView::keyPressEvent(QKeyEvent* event) {
    // Escape closes this view only; the main window and the program go on.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TeachingView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange)
        applyTheme();
    QWidget::changeEvent(event);
}

void TeachingView::applyTheme() {
    const bool dark = IsDarkPalette(palette());
    m_convergence->applyTheme(dark);
    m_bars->applyTheme(dark);
    // The grid's key takes the theme's colours too.
    if (m_table) showSelectedRun();
}

}  // namespace vesquin
