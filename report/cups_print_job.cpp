// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Printing through the CUPS client library: the default destination as the
// user's settings name it (LPDEST, PRINTER, lpoptions, the scheduler's default),
// a PDF of our own sent as one job, and the scheduler's every answer checked.
// Every wait on the scheduler is bounded, so a scheduler that never answers
// costs a few seconds, not minutes.

#include <cups/cups.h>

#include <QByteArray>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <thread>

#include "catalogue_qstring.h"
#include "cups_library.h"
#include "cups_page.h"
#include "print_outcome.h"
#include "report_pdf.h"
#include "scheduler_failure.h"

namespace vesquin {

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

const char* const kJobTitle = "Vesquin - informe";
constexpr auto kPollInterval = 100ms;
constexpr int kChunk = 64 * 1024;

// Nobody sees this: the window that asked for the print is closing.
const QString kCancelled = QStringLiteral("Impresión cancelada.");

// How long the library may wait for the scheduler: until `end`, or until the
// command is cancelled. The library asks when a wait has lasted the timeout
// given to it, but never sooner than after about a second.
struct Deadline {
    Clock::time_point end;
    const std::atomic<bool>* cancelled = nullptr;
    bool expired = false;
};

int keepWaiting(http_t*, void* data) {
    auto* deadline = static_cast<Deadline*>(data);
    if (deadline->cancelled->load()) return 0;
    if (Clock::now() < deadline->end) return 1;
    deadline->expired = true;
    return 0;
}

struct HttpClose {
    void operator()(http_t* http) const { Cups().httpClose(http); }
};
struct DestFree {
    void operator()(cups_dest_t* dest) const { Cups().cupsFreeDests(1, dest); }
};
struct InfoFree {
    void operator()(cups_dinfo_t* info) const { Cups().cupsFreeDestInfo(info); }
};
struct IppFree {
    void operator()(ipp_t* ipp) const { Cups().ippDelete(ipp); }
};

QString fromCups(const char* text) {
    return text ? QString::fromUtf8(text) : QString();
}

QString lastErrorText() {
    return fromCups(Cups().cupsLastErrorString());
}

PrintOutcome failed(QString reason) {
    return {PrintOutcome::Kind::Failed, std::move(reason)};
}

// The queue LPDEST or PRINTER names, in the order the library consults them.
QString namedDefault() {
    if (const char* lpdest = std::getenv("LPDEST"); lpdest && *lpdest) return fromCups(lpdest);
    if (const char* printer = std::getenv("PRINTER");
        printer && *printer && std::string_view(printer) != "lp")
        return fromCups(printer);
    return {};
}

// No default destination: no printer at all, or printers but none is the
// default (perhaps because LPDEST or PRINTER names a queue that does not exist).
PrintOutcome withoutDefault(http_t* http, const Deadline& deadline) {
    cups_dest_t* dests = nullptr;
    const int count = Cups().cupsGetDests2(http, &dests);
    if (deadline.expired) {
        Cups().cupsFreeDests(count, dests);
        return failed(NotRespondingText());
    }
    // "queue/instance" names an instance of a queue; queue names ignore case.
    const QString named = namedDefault();
    const QString namedQueue = named.section(QLatin1Char('/'), 0, 0);
    bool namedExists = false;
    for (int i = 0; i < count; ++i)
        namedExists |= namedQueue.compare(fromCups(dests[i].name), Qt::CaseInsensitive) == 0;
    Cups().cupsFreeDests(count, dests);
    if (count == 0) return {PrintOutcome::Kind::NoPrinter, {}};
    return {PrintOutcome::Kind::NoDefaultPrinter, namedExists ? QString() : named};
}

struct JobState {
    int state = 0;  // ipp_jstate_t, 0 when the scheduler did not say
    QString reasons;
    QString message;
};

JobState jobState(http_t* http, cups_dest_t* dest, int jobId) {
    ipp_t* request = Cups().ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    Cups().ippAddString(
        request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
        Cups().cupsGetOption("printer-uri-supported", dest->num_options, dest->options));
    Cups().ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", jobId);
    Cups().ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                        Cups().cupsUser());
    static const char* const wanted[] = {"job-state", "job-state-reasons", "job-state-message"};
    Cups().ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                         static_cast<int>(std::size(wanted)), nullptr, wanted);
    const std::unique_ptr<ipp_t, IppFree> response(Cups().cupsDoRequest(http, request, "/"));
    JobState job;
    if (!response || Cups().cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE) return job;
    if (ipp_attribute_t* state = Cups().ippFindAttribute(response.get(), "job-state", IPP_TAG_ENUM))
        job.state = Cups().ippGetInteger(state, 0);
    if (ipp_attribute_t* reasons =
            Cups().ippFindAttribute(response.get(), "job-state-reasons", IPP_TAG_KEYWORD)) {
        for (int i = 0; i < Cups().ippGetCount(reasons); ++i)
            job.reasons += fromCups(Cups().ippGetString(reasons, i, nullptr)) + QLatin1Char(' ');
    }
    if (ipp_attribute_t* message =
            Cups().ippFindAttribute(response.get(), "job-state-message", IPP_TAG_TEXT))
        job.message = fromCups(Cups().ippGetString(message, 0, nullptr));
    return job;
}

void cancelJob(http_t* http, cups_dest_t* dest, int jobId, Deadline& deadline) {
    // Bounded as well: a scheduler that stopped answering cannot keep us here.
    deadline.end = Clock::now() + 2s;
    deadline.expired = false;
    Cups().cupsCancelDestJob(http, dest, jobId);
}

// Sends `pdf` as one job; the failure, if the scheduler refused or lost it.
std::optional<QString> sendJob(http_t* http, cups_dest_t* dest, cups_dinfo_t* info,
                               const QByteArray& pdf, const QString& printer, Deadline& deadline,
                               int& jobId) {
    const auto refusal = [&] {
        return deadline.expired ? NotRespondingText()
                                : RefusalText(static_cast<int>(Cups().cupsLastError()),
                                              lastErrorText(), printer);
    };
    if (Cups().cupsCreateDestJob(http, dest, info, &jobId, kJobTitle, 0, nullptr) >
            IPP_STATUS_OK_EVENTS_COMPLETE ||
        jobId <= 0)
        return refusal();
    if (Cups().cupsStartDestDocument(http, dest, info, jobId, kJobTitle, CUPS_FORMAT_PDF, 0,
                                     nullptr, 1) != HTTP_STATUS_CONTINUE)
        return refusal();
    for (qsizetype done = 0; done < pdf.size(); done += kChunk) {
        const auto size = static_cast<size_t>(std::min<qsizetype>(kChunk, pdf.size() - done));
        if (deadline.cancelled->load() ||
            Cups().cupsWriteRequestData(http, pdf.constData() + done, size) !=
                HTTP_STATUS_CONTINUE) {
            // Ends the request so that the scheduler's answer can be read.
            Cups().cupsFinishDestDocument(http, dest, info);
            return refusal();
        }
    }
    if (Cups().cupsFinishDestDocument(http, dest, info) > IPP_STATUS_OK_EVENTS_COMPLETE)
        return refusal();
    return std::nullopt;
}

// Watches the job for a moment: a job the scheduler cancels or aborts at once,
// or one that waits on a stopped printer, is a failure.
std::optional<QString> watchJob(http_t* http, cups_dest_t* dest, int jobId, const QString& printer,
                                std::chrono::milliseconds settle, Deadline& deadline) {
    const auto until = Clock::now() + settle;
    for (;;) {
        deadline.end = std::max(until, Clock::now() + 1s);
        const JobState job = jobState(http, dest, jobId);
        if (deadline.expired || deadline.cancelled->load() || job.state == 0) return std::nullopt;
        if (job.state == IPP_JSTATE_COMPLETED) return std::nullopt;
        if (job.state == IPP_JSTATE_CANCELED || job.state == IPP_JSTATE_ABORTED)
            return LostJobText(printer, job.message);
        if (job.state == IPP_JSTATE_STOPPED) {
            // Stopped by the scheduler (a conversion it could not run, say): it
            // would wait for an administrator and print much later, if ever.
            cancelJob(http, dest, jobId, deadline);
            return StoppedJobText(printer, job.message);
        }
        if (job.reasons.contains(QStringLiteral("printer-stopped"))) {
            // Told it failed, the user must not get the page later by surprise.
            cancelJob(http, dest, jobId, deadline);
            return StoppedPrinterText(printer);
        }
        if (Clock::now() >= until) return std::nullopt;
        std::this_thread::sleep_for(kPollInterval);
    }
}

}  // namespace

PrintOutcome PrintOnDefaultPrinter(const PrintRequest& request,
                                   const std::atomic<bool>& cancelled) {
    if (LoadCupsLibrary() == nullptr) return failed(MissingCupsLibraryText());
    const PrintLimits& limits = request.limits;
    const auto started = Clock::now();
    Deadline deadline{started + limits.connect, &cancelled};

    const std::unique_ptr<http_t, HttpClose> http(Cups().httpConnect2(
        Cups().cupsServer(), Cups().ippPort(), nullptr, AF_UNSPEC, Cups().cupsEncryption(), 1,
        static_cast<int>(limits.connect.count()), nullptr));
    if (!http) {
        // Refused at once: no print system is running here, so no printer either.
        return Clock::now() - started >= limits.connect
                   ? failed(NotRespondingText())
                   : PrintOutcome{PrintOutcome::Kind::NoPrinter, {}};
    }
    Cups().httpSetTimeout(http.get(), 0.1, keepWaiting, &deadline);

    const std::unique_ptr<cups_dest_t, DestFree> dest(
        Cups().cupsGetNamedDest(http.get(), nullptr, nullptr));
    if (deadline.expired) return failed(NotRespondingText());
    if (cancelled.load()) return failed(kCancelled);
    if (!dest) {
        if (Cups().cupsLastError() >= IPP_STATUS_ERROR_INTERNAL)
            return failed(
                RefusalText(static_cast<int>(Cups().cupsLastError()), lastErrorText(), {}));
        return withoutDefault(http.get(), deadline);
    }
    const QString printer = fromCups(dest->name);
    const char* state = Cups().cupsGetOption("printer-state", dest->num_options, dest->options);
    if (state && std::atoi(state) == IPP_PSTATE_STOPPED) return failed(StoppedPrinterText(printer));

    const std::unique_ptr<cups_dinfo_t, InfoFree> info(
        Cups().cupsCopyDestInfo(http.get(), dest.get()));
    if (deadline.expired) return failed(NotRespondingText());
    if (cancelled.load()) return failed(kCancelled);
    if (!info)
        return failed(
            RefusalText(static_cast<int>(Cups().cupsLastError()), lastErrorText(), printer));

    const QByteArray pdf =
        RenderReportPdf(request.writer, PageForDestination(http.get(), dest.get(), info.get()));
    if (deadline.expired) return failed(NotRespondingText());
    if (pdf.isEmpty())
        return failed(
            ToQString(Text("print failure", "No se ha podido preparar el documento del informe.")));

    if (request.beforeSubmit) request.beforeSubmit();
    if (cancelled.load()) return failed(kCancelled);

    deadline.end = Clock::now() + limits.job;
    int jobId = 0;
    if (const auto refused =
            sendJob(http.get(), dest.get(), info.get(), pdf, printer, deadline, jobId)) {
        // A job created but not completed would wait on the scheduler for ever.
        if (jobId > 0 && !deadline.expired) cancelJob(http.get(), dest.get(), jobId, deadline);
        return failed(*refused);
    }
    if (const auto lost = watchJob(http.get(), dest.get(), jobId, printer, limits.settle, deadline))
        return failed(*lost);
    return {PrintOutcome::Kind::Printed, {}};
}

}  // namespace vesquin
