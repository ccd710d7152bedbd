// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print_command.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QThread>
#include <QWidget>

#include <map>
#include <string>
#include <utility>

#include "catalogue_qstring.h"
#include "report_pdf.h"
#include "scheduler_failure.h"

namespace vesquin {

namespace {

// A printer that prints nothing: running the report on it shows which boxes it reads.
class NullPrinter final : public ReportPrinter {
  public:
    bool setFontName(std::string_view) override { return true; }
    bool setFontSize(int) override { return true; }
    bool printLine(std::optional<int>, const std::vector<std::string>&) override { return true; }
    bool endDocument() override { return true; }
};

// The boxes the report reads, as they stand now, for a worker that must not
// touch the window's controls.
ReadBox snapshotOf(const ReadBox& readBox, const LocaleSymbols& symbols) {
    auto texts = std::make_shared<std::map<std::string, std::string, std::less<>>>();
    const ReadBox capture = [&](std::string_view box) {
        std::string text = readBox(box);
        texts->insert_or_assign(std::string(box), text);
        return text;
    };
    NullPrinter sink;
    ReportWriter(capture, symbols).write(sink);
    return [texts](std::string_view box) {
        const auto found = texts->find(box);
        return found == texts->end() ? std::string() : found->second;
    };
}

QString noDefaultText(const QString& missing) {
    return missing.isEmpty()
               ? ToQString(Text("print failure", "No hay ninguna impresora predeterminada."))
               : ToQString(Text("print failure",
                                "No hay ninguna impresora predeterminada: la impresora {printer} "
                                "no existe.",
                                {{"printer", Utf8(QuotedName(missing))}}));
}

}  // namespace

PrintCommand::PrintCommand(QWidget* window, LocaleSymbols symbols)
    : QObject(window), m_window(window), m_symbols(std::move(symbols)) {
    setObjectName(QStringLiteral("printCommand"));
}

PrintCommand::~PrintCommand() {
    stopWorker();
    if (m_busy) QGuiApplication::restoreOverrideCursor();
}

void PrintCommand::stopWorker() {
    if (!m_worker) return;
    m_cancelled->store(true);
    m_worker->wait();
    delete m_worker;
    m_worker = nullptr;
}

void PrintCommand::print(const ReadBox& readBox) {
    if (m_busy) return;
    m_busy = true;
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);

    m_request = std::make_shared<PrintRequest>(PrintRequest{
        ReportWriter(snapshotOf(readBox, m_symbols), m_symbols), m_limits, m_beforeSubmit});
    m_outcome = std::make_shared<PrintOutcome>();
    m_cancelled = std::make_shared<std::atomic<bool>>(false);
    m_worker = QThread::create([request = m_request, outcome = m_outcome, cancelled = m_cancelled] {
        *outcome = PrintOnDefaultPrinter(*request, *cancelled);
    });
    m_worker->setObjectName(QStringLiteral("Vesquin print worker"));
    connect(m_worker, &QThread::finished, this, &PrintCommand::conclude, Qt::QueuedConnection);
    m_worker->start();
}

void PrintCommand::conclude() {
    if (!m_worker) return;
    m_worker->wait();
    delete m_worker;
    m_worker = nullptr;
    QGuiApplication::restoreOverrideCursor();

    const PrintOutcome outcome = *m_outcome;
    switch (outcome.kind) {
        case PrintOutcome::Kind::Printed:
            break;
        case PrintOutcome::Kind::NoPrinter:
            saveInstead(ToQString(Text("print failure", "No hay ninguna impresora disponible.")));
            break;
        case PrintOutcome::Kind::NoDefaultPrinter:
            saveInstead(noDefaultText(outcome.detail));
            break;
        case PrintOutcome::Kind::Failed:
            ShowPrintFailure(m_window, outcome.detail);
            break;
    }
    m_busy = false;
    emit finished();
}

void PrintCommand::saveInstead(const QString& why) {
    // Translators: in these, {why} is a whole sentence saying why the report was not printed.
    const std::string reasonWhy = Utf8(why);
    const QString folder = ReportFolder(m_homeLookup);
    if (folder.isEmpty()) {
        ShowPrintFailure(m_window, ToQString(Text("save failure",
                                                  "{why} No se ha podido guardar el informe: no se "
                                                  "encuentra la carpeta personal del usuario.",
                                                  {{"why", reasonWhy}})));
        return;
    }
    ReportFile target = CreateReportFile(folder, QDateTime::currentDateTime());
    if (!target.file) {
        ShowPrintFailure(m_window,
                         ToQString(Text("save failure", "{why} No se ha podido guardar el informe:\n{reason}",
                                        {{"why", reasonWhy}, {"reason", Utf8(target.error)}})));
        return;
    }
    QFile& file = *target.file;
    const QString path = QDir::toNativeSeparators(file.fileName());
    const QByteArray pdf = RenderReportPdf(m_request->writer, SavedReportPage());
    QString reason =
        ToQString(Text("print failure", "No se ha podido preparar el documento del informe."));
    bool saved = !pdf.isEmpty() && WriteWhole(file, pdf, &reason);
    file.close();
    if (saved && file.error() != QFileDevice::NoError) {
        saved = false;
        reason = FileFailureText(file);
    }
    if (!saved) {
        // A half-written PDF under the report's own name would only mislead.
        file.remove();
        ShowPrintFailure(m_window, ToQString(Text("save failure",
                                                  "{why} No se ha podido guardar el informe en\n"
                                                  "{path}:\n{reason}",
                                                  {{"why", reasonWhy},
                                                   {"path", Utf8(path)},
                                                   {"reason", Utf8(reason)}})));
        return;
    }
    ShowSavedReport(m_window, why, path, m_opener);
}

}  // namespace vesquin
