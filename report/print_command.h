// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The Print command: the report on the default printer, or, on a machine with
// no default printer, in a new PDF file whose place the user is told.
// Talking to the print system happens on a worker thread with bounded waits:
// meanwhile the window keeps answering and shows a busy cursor, and further
// presses of Imprimir are ignored until this print has ended, so each press
// gives at most one job.

#include <QObject>
#include <QPointer>

#include <atomic>
#include <functional>
#include <memory>

#include "number_text.h"
#include "print_messages.h"
#include "print_outcome.h"
#include "report_file.h"
#include "report_writer.h"

class QThread;
class QWidget;

namespace vesquin {

class PrintCommand : public QObject {
    Q_OBJECT

  public:
    // Messages (titled "Vesquin") are shown over `window`, which also owns this object.
    PrintCommand(QWidget* window, LocaleSymbols symbols);
    // Stops a print that is still running; the wait is a moment at most.
    ~PrintCommand() override;

    PrintCommand(const PrintCommand&) = delete;
    PrintCommand& operator=(const PrintCommand&) = delete;

    // Prints the report of the boxes as `readBox` reads them now (they are read
    // once, here, and not again). Does nothing while an earlier print runs.
    void print(const ReadBox& readBox);
    bool isBusy() const { return m_busy; }

    // What tests change: the waits, how files are opened, where the home folder
    // comes from when HOME is unset, and a step between finding the printer and
    // sending the job (it runs on the worker thread).
    void setLimits(const PrintLimits& limits) { m_limits = limits; }
    void setUrlOpener(UrlOpener opener) { m_opener = std::move(opener); }
    void setHomeLookup(HomeLookup lookup) { m_homeLookup = std::move(lookup); }
    void setBeforeSubmit(std::function<void()> step) { m_beforeSubmit = std::move(step); }

  signals:
    // A print has ended, and the message it showed, if any, has been closed.
    void finished();

  private:
    void conclude();
    void saveInstead(const QString& why);
    void stopWorker();

    QPointer<QWidget> m_window;
    LocaleSymbols m_symbols;
    PrintLimits m_limits;
    UrlOpener m_opener = OpenWithDesktop;
    HomeLookup m_homeLookup = UserDatabaseHome;
    std::function<void()> m_beforeSubmit;

    bool m_busy = false;
    QThread* m_worker = nullptr;
    std::shared_ptr<PrintRequest> m_request;
    std::shared_ptr<PrintOutcome> m_outcome;
    std::shared_ptr<std::atomic<bool>> m_cancelled;
};

}  // namespace vesquin
