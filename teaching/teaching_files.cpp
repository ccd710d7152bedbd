// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "teaching_files.h"
#include "teaching_view_texts.h"
#include "window_texts.h"

#include <QDir>
#include <QFileDialog>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStandardPaths>
#include <QWidget>

#include <algorithm>

namespace vesquin {
namespace {

QString InDocuments(const QString& fileName) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(folder.isEmpty() ? QDir::homePath() : folder).filePath(fileName);
}

}  // namespace

QImage ComposeChartsImage(QWidget& left, QWidget& right, const QString& caption,
                          const QColor& background, const QColor& text) {
    const QPixmap leftPicture = left.grab();
    const QPixmap rightPicture = right.grab();
    const qreal ratio = leftPicture.devicePixelRatio();
    const QFontMetrics metrics(left.font());
    // In logical pixels, as the widgets are laid out.
    const int chartsHeight =
        static_cast<int>(std::max(leftPicture.height(), rightPicture.height()) / ratio);
    const int captionHeight = caption.isEmpty() ? 0 : metrics.height() + 8;
    const int width = static_cast<int>((leftPicture.width() + rightPicture.width()) / ratio);
    QImage image(QSize(width, chartsHeight + captionHeight) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(background);
    QPainter painter(&image);
    painter.drawPixmap(0, 0, leftPicture);
    painter.drawPixmap(QPointF(leftPicture.width() / ratio, 0), rightPicture);
    if (!caption.isEmpty()) {
        painter.setFont(left.font());
        painter.setPen(text);
        painter.drawText(QRect(8, chartsHeight, width - 16, captionHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, caption);
    }
    painter.end();
    return image;
}

QString AskSavePath(QWidget* parent, const QString& title, const QString& fileName,
                    const QString& filter, const QString& suffix) {
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(suffix);
    dialog.selectFile(InDocuments(fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

void TellSaveFailure(QWidget* parent, const QString& path, const QString& error) {
    QMessageBox box(QMessageBox::Warning, parent ? parent->windowTitle() : QString(),
                    QString::fromStdString(SaveFailureText(
                        QDir::toNativeSeparators(path).toStdString(), error.toStdString())),
                    QMessageBox::NoButton, parent);
    box.setDefaultButton(
        box.addButton(QString::fromUtf8(Text(kMessageOkButton)), QMessageBox::AcceptRole));
    box.exec();
}

}  // namespace vesquin
