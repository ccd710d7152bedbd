// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "command_line_run.h"

#include <ostream>
#include <variant>

#include "catalogue.h"
#include "command_line.h"
#include "command_line_texts.h"
#include "experiment_export.h"
#include "experiment_record.h"
#include "experiment_results_text.h"
#include "language_option.h"
#include "run_export.h"
#include "run_messages.h"
#include "seed_text.h"
#include "terminal_text.h"
#include "text_report.h"
#include "uniform_source.h"

namespace vesquin {
namespace {

std::string HelpText(const CommandLineSetting& setting) {
    return CommandLineHelp(
        PatternFormat(static_cast<double>(setting.maximum), Pattern::Grouped, setting.symbols),
        SeedText(kMaximumSeed));
}

std::string Results(const RunRecord& record, OutputFormat format,
                    const CommandLineSetting& setting) {
    switch (format) {
        case OutputFormat::Csv:
            return RunCsv(record, setting.version);
        case OutputFormat::Json:
            return RunJson(record, setting.version);
        case OutputFormat::Text:
            break;
    }
    return RunReportText(record, setting.symbols);
}

std::string ExperimentResults(const ExperimentRecord& record, OutputFormat format,
                              const CommandLineSetting& setting) {
    switch (format) {
        case OutputFormat::Csv:
            return ExperimentCsv(record, setting.version);
        case OutputFormat::Json:
            return ExperimentJson(record, setting.version);
        case OutputFormat::Text:
            break;
    }
    return ExperimentResultsText(record, setting.symbols);
}

// Performs the run asked for and writes it in its format, or the count's message.
std::variant<std::string, RunError> PerformRequest(const CommandLineRequest& request,
                                                   const CommandLineSetting& setting) {
    UniformSource source;
    if (request.experiment) {
        const auto run = PerformExperimentRun(*request.experiment, request.countText, source,
                                              setting.symbols, setting.maximum, request.seed);
        if (const auto* error = std::get_if<RunError>(&run)) return *error;
        return ExperimentResults(std::get<ExperimentRecord>(run), request.format, setting);
    }
    const auto run =
        PerformRun(request.countText, source, setting.symbols, setting.maximum, request.seed);
    if (const auto* error = std::get_if<RunError>(&run)) return *error;
    return Results(std::get<RunRecord>(run), request.format, setting);
}

// Writes `text` and reports whether it reached its destination (a full disk, a closed
// pipe or a redirection to /dev/full must not pass for success).
bool Write(std::ostream& stream, std::string_view text) {
    stream << text;
    stream.flush();
    return static_cast<bool>(stream);
}

}  // namespace

std::string UsageErrorText(const UsageError& error) {
    return UsageErrorLine(error.problem);
}

int RunCommandLine(std::span<const std::string> arguments, const CommandLineSetting& setting,
                   std::ostream& out, std::ostream& err) {
    // --idioma rules over the language already chosen, for every text of this run; a
    // value that names none is refused below, in the language already chosen.
    const auto asked = LanguageOptionValue(arguments);
    const ScopedLanguage language(
        asked ? LanguageFromOption(*asked).value_or(CurrentLanguage()) : CurrentLanguage());
    const auto parsed = ParseCommandLine(arguments);
    if (const auto* usage = std::get_if<UsageError>(&parsed)) {
        err << UsageErrorText(*usage) << '\n';
        return kExitUsage;
    }
    const auto& request = std::get<CommandLineRequest>(parsed);

    std::string output;
    switch (request.action) {
        case CommandLineRequest::Action::Help:
            output = HelpText(setting);
            break;
        case CommandLineRequest::Action::Version:
            output = "vesquin " + setting.version + "\n";
            break;
        case CommandLineRequest::Action::Run: {
            auto performed = PerformRequest(request, setting);
            if (const auto* error = std::get_if<RunError>(&performed)) {
                err << TerminalSafe(RunFailureMessage(request.countText, *error, setting.symbols))
                    << '\n';
                return kExitUsage;
            }
            output = std::move(std::get<std::string>(performed));
            break;
        }
    }
    if (!Write(out, output)) {
        err << OutputFailureLine() << '\n';
        return kExitOutputFailed;
    }
    return kExitSuccess;
}

}  // namespace vesquin
