// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "teaching_view.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QVBoxLayout>

#include <functional>
#include <utility>

#include "chart_colours.h"
#include "convergence_chart.h"
#include "history_text.h"
#include "outcome_bars.h"
#include "run_history_model.h"
#include "save_file.h"
#include "theory_panel.h"

namespace vesquin {
namespace {

// The history table copies the whole history with Ctrl+C, not just the current cell.
class HistoryTable : public QTableView {
  public:
    HistoryTable(std::function<void()> copy, QWidget* parent)
        : QTableView(parent), m_copy(std::move(copy)) {}

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->matches(QKeySequence::Copy)) {
            m_copy();
            event->accept();
            return;
        }
        QTableView::keyPressEvent(event);
    }

  private:
    std::function<void()> m_copy;
};

QPushButton* NewButton(const QString& text, const QString& accessibleName, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setAccessibleName(accessibleName);
    button->setAutoDefault(true);
    return button;
}

QString InDocuments(const QString& fileName) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(folder.isEmpty() ? QDir::homePath() : folder).filePath(fileName);
}

}  // namespace

TeachingView::TeachingView(RunHistoryModel& history, QWidget* parent)
    : QWidget(parent, Qt::Window), m_history(history) {
    setObjectName(QStringLiteral("teachingView"));
    setWindowTitle(QStringLiteral("Vesquin: gráficos y teoría"));
    setAccessibleName(windowTitle());

    m_convergence = new ConvergenceChart(this);
    m_bars = new OutcomeBars(history.symbols(), this);
    m_theory = new TheoryPanel(history.symbols(), this);

    auto* historyBox = new QGroupBox(QStringLiteral("Historial de ejecuciones"), this);
    historyBox->setObjectName(QStringLiteral("historyBox"));
    m_table = new HistoryTable([this] { copyHistory(); }, historyBox);
    m_table->setObjectName(QStringLiteral("historyTable"));
    m_table->setAccessibleName(QStringLiteral("Historial de ejecuciones"));
    m_table->setAccessibleDescription(
        QStringLiteral("Una fila por ejecución; elegir una fila la muestra en los gráficos. "
                       "Control+C copia todo el historial."));
    m_table->setModel(&m_history);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTabKeyNavigation(false);
    m_table->setAlternatingRowColors(true);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setHighlightSections(false);

    m_emptyButton = NewButton(QStringLiteral("&Vaciar historial"),
                              QStringLiteral("Vaciar historial"), historyBox);
    m_copyButton =
        NewButton(QStringLiteral("&Copiar"), QStringLiteral("Copiar el historial"), historyBox);
    m_csvButton = NewButton(QStringLiteral("Guardar C&SV…"),
                            QStringLiteral("Guardar el historial como CSV"), historyBox);
    m_imageButton = NewButton(QStringLiteral("Guardar &imagen…"),
                              QStringLiteral("Guardar los gráficos como imagen"), historyBox);
    m_emptyButton->setObjectName(QStringLiteral("emptyHistoryButton"));
    m_copyButton->setObjectName(QStringLiteral("copyButton"));
    m_csvButton->setObjectName(QStringLiteral("saveCsvButton"));
    m_imageButton->setObjectName(QStringLiteral("saveImageButton"));

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {m_emptyButton, m_copyButton, m_csvButton, m_imageButton})
        buttons->addWidget(button);
    buttons->addStretch();
    auto* historyLayout = new QVBoxLayout(historyBox);
    historyLayout->addWidget(m_table);
    historyLayout->addLayout(buttons);

    auto* charts = new QHBoxLayout;
    charts->addWidget(m_convergence, 3);
    charts->addWidget(m_bars, 2);
    auto* lower = new QHBoxLayout;
    lower->addWidget(m_theory, 2);
    lower->addWidget(historyBox, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(charts, 3);
    layout->addLayout(lower, 2);

    // Keyboard order: the table, then its buttons (the charts and the theory are read-only).
    QWidget::setTabOrder(m_table, m_emptyButton);
    QWidget::setTabOrder(m_emptyButton, m_copyButton);
    QWidget::setTabOrder(m_copyButton, m_csvButton);
    QWidget::setTabOrder(m_csvButton, m_imageButton);

    connect(m_emptyButton, &QPushButton::clicked, this, &TeachingView::emptyHistory);
    connect(m_copyButton, &QPushButton::clicked, this, &TeachingView::copyHistory);
    connect(m_csvButton, &QPushButton::clicked, this, &TeachingView::saveCsv);
    connect(m_imageButton, &QPushButton::clicked, this, &TeachingView::saveImage);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TeachingView::showSelectedRun);
    connect(&m_history, &QAbstractItemModel::rowsInserted, this, &TeachingView::followNewRun);
    connect(&m_history, &QAbstractItemModel::modelReset, this, &TeachingView::showSelectedRun);

    resize(1200, 780);
    applyTheme();
    if (m_history.rowCount() > 0) selectRow(m_history.rowCount() - 1);
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

void TeachingView::showSelectedRun() {
    const HistoryEntry* entry = m_history.entry(selectedRow());
    const RunRecord* run = entry ? &entry->record : nullptr;
    m_convergence->showRun(run);
    m_bars->showRun(run);
    m_theory->showRun(entry);
}

void TeachingView::followNewRun() {
    // A new run is what the teacher has just shown on the main window: show it.
    selectRow(m_history.rowCount() - 1);
}

void TeachingView::emptyHistory() {
    if (m_history.rowCount() == 0) return;
    QMessageBox ask(QMessageBox::Question, windowTitle(),
                    QStringLiteral("¿Vaciar el historial? Se borrarán las %1 ejecuciones "
                                   "anotadas; las que no se hayan copiado o guardado se perderán.")
                        .arg(m_history.rowCount()),
                    QMessageBox::NoButton, this);
    QPushButton* empty = ask.addButton(QStringLiteral("Vaciar"), QMessageBox::DestructiveRole);
    QPushButton* keep = ask.addButton(QStringLiteral("Cancelar"), QMessageBox::RejectRole);
    ask.setDefaultButton(keep);
    ask.setEscapeButton(keep);
    ask.exec();
    if (ask.clickedButton() != empty) return;
    m_history.clearHistory();
}

void TeachingView::copyHistory() {
    const std::vector<HistoryEntry>& entries = m_history.history().entries();
    QApplication::clipboard()->setText(
        QString::fromStdString(HistoryTabText(entries, m_history.symbols())));
}

QImage TeachingView::chartsImage() {
    const QPixmap left = m_convergence->grab();
    const QPixmap right = m_bars->grab();
    QImage image(left.width() + right.width(), std::max(left.height(), right.height()),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(left.devicePixelRatio());
    image.fill(palette().color(QPalette::Window));
    QPainter painter(&image);
    painter.drawPixmap(0, 0, left);
    painter.drawPixmap(QPointF(left.width() / left.devicePixelRatio(), 0), right);
    painter.end();
    return image;
}

bool TeachingView::saveCsvTo(const QString& path) {
    const std::string csv = HistoryCsv(m_history.history().entries(), m_history.symbols());
    const QString error =
        SaveWholeFile(path, QByteArray(csv.data(), static_cast<qsizetype>(csv.size())));
    if (!error.isEmpty()) tellSaveFailure(path, error);
    return error.isEmpty();
}

bool TeachingView::saveImageTo(const QString& path) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QString error;
    if (!chartsImage().save(&buffer, "PNG"))
        error = QStringLiteral("no se pudo componer la imagen");
    else
        error = SaveWholeFile(path, png);
    if (!error.isEmpty()) tellSaveFailure(path, error);
    return error.isEmpty();
}

void TeachingView::saveCsv() {
    const QString path = askSavePath(QStringLiteral("Guardar el historial como CSV"),
                                     QStringLiteral("Vesquin - historial.csv"),
                                     QStringLiteral("Archivos CSV (*.csv)"), QStringLiteral("csv"));
    if (!path.isEmpty()) saveCsvTo(path);
}

void TeachingView::saveImage() {
    const QString path = askSavePath(QStringLiteral("Guardar los gráficos como imagen"),
                                     QStringLiteral("Vesquin - gráficos.png"),
                                     QStringLiteral("Imágenes PNG (*.png)"), QStringLiteral("png"));
    if (!path.isEmpty()) saveImageTo(path);
}

QString TeachingView::askSavePath(const QString& title, const QString& fileName,
                                  const QString& filter, const QString& suffix) {
    // The dialog itself asks before replacing an existing file.
    QFileDialog dialog(this, title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(suffix);
    dialog.selectFile(InDocuments(fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

void TeachingView::tellSaveFailure(const QString& path, const QString& error) {
    QMessageBox box(QMessageBox::Warning, windowTitle(),
                    QStringLiteral("No se ha podido guardar «%1»: %2. No se ha escrito nada; "
                                   "prueba con otra carpeta o libera espacio en el disco.")
                        .arg(QDir::toNativeSeparators(path), error),
                    QMessageBox::NoButton, this);
    box.setDefaultButton(box.addButton(QStringLiteral("Aceptar"), QMessageBox::AcceptRole));
    box.exec();
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
}

}  // namespace vesquin
