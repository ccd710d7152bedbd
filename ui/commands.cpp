// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commands.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "window_texts.h"

namespace vesquin {
namespace {

QLineEdit* CountBox(const TextBoxes& boxes) {
    return boxes.value(QStringLiteral("txtNs"));
}

}  // namespace

std::variant<RunRecord, RunError> Simulate(const TextBoxes& boxes, UniformSource& source,
                                           const LocaleSymbols& symbols,
                                           std::optional<std::uint64_t> seed) {
    auto outcome =
        PerformRun(CountBox(boxes)->text().toStdString(), source, symbols, kMaximumTrials, seed);
    if (const auto* record = std::get_if<RunRecord>(&outcome)) {
        for (const BoxText& result : ComposeResults(record->tally, record->trials, symbols))
            BoxNamed(boxes, result.box)->setText(QString::fromStdString(result.text));
    }
    return outcome;
}

void Clear(const TextBoxes& boxes) {
    QLineEdit* count = CountBox(boxes);
    count->clear();
    for (std::string_view box : kResultBoxes) BoxNamed(boxes, box)->clear();
    count->setFocus();
}

void TellRunFailure(QWidget* window, const TextBoxes& boxes, const QString& message) {
    // A box of our own, so that its button reads in the window's language even without Qt's
    // translations.
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Vesquin"), QString(),
                    QMessageBox::NoButton, window);
    // The message quotes what was typed: it is shown as text, never read as markup (an image
    // tag would make the box load whatever file it names), so the format comes before the text.
    box.setTextFormat(Qt::PlainText);
    box.setText(message);
    box.setDefaultButton(
        box.addButton(QString::fromUtf8(Text(kMessageOkButton)), QMessageBox::AcceptRole));
    box.exec();
    // Not every window system hands the activation back to the window by itself.
    window->activateWindow();
    QLineEdit* count = CountBox(boxes);
    count->setFocus();
    count->selectAll();
}

}  // namespace vesquin
