// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "command_line_run.h"

#include <ostream>
#include <variant>

#include "command_line.h"
#include "run_export.h"
#include "run_messages.h"
#include "seed_text.h"
#include "terminal_text.h"
#include "text_report.h"
#include "uniform_source.h"

namespace vesquin {
namespace {

constexpr std::string_view kUsage = "vesquin --ensayos N [--semilla S] [--formato texto|csv|json]";

std::string HelpText(const CommandLineSetting& setting) {
    const std::string maximum =
        PatternFormat(static_cast<double>(setting.maximum), Pattern::Grouped, setting.symbols);
    return "Uso: " + std::string(kUsage) +
           "\n"
           "Simula N veces a los tres tiradores y los seis platos sin abrir ninguna ventana\n"
           "y escribe los resultados. Sin opciones, vesquin abre su ventana.\n"
           "\n"
           "  --ensayos N           cuántos ensayos: de 1 a " +
           maximum +
           "\n"
           "  --semilla S           repite la tirada de esa semilla (de 0 a " +
           SeedText(kMaximumSeed) +
           ");\n"
           "                        sin ella, la semilla sale del reloj y se escribe\n"
           "  --formato F           texto (el informe, por omisión), csv o json\n"
           "  -h, --ayuda, --help   esta ayuda\n"
           "  --version             la versión\n"
           "\n"
           "Ejemplos:\n"
           "  vesquin --ensayos 1000\n"
           "  vesquin --ensayos=" +
           maximum +
           " --semilla 42 --formato json\n"
           "  vesquin --ensayos 500 --formato csv > resultados.csv\n";
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

// Writes `text` and reports whether it reached its destination (a full disk, a closed
// pipe or a redirection to /dev/full must not pass for success).
bool Write(std::ostream& stream, std::string_view text) {
    stream << text;
    stream.flush();
    return static_cast<bool>(stream);
}

}  // namespace

std::string UsageErrorText(const UsageError& error) {
    return "vesquin: " + error.problem + ". Uso: " + std::string(kUsage) +
           " (más en «vesquin --ayuda»)";
}

int RunCommandLine(std::span<const std::string> arguments, const CommandLineSetting& setting,
                   std::ostream& out, std::ostream& err) {
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
            UniformSource source;
            const auto run = PerformRun(request.countText, source, setting.symbols, setting.maximum,
                                        request.seed);
            if (const auto* error = std::get_if<RunError>(&run)) {
                err << TerminalSafe(RunFailureMessage(request.countText, *error, setting.symbols))
                    << '\n';
                return kExitUsage;
            }
            output = Results(std::get<RunRecord>(run), request.format, setting);
            break;
        }
    }
    if (!Write(out, output)) {
        err << "vesquin: no se han podido escribir los resultados\n";
        return kExitOutputFailed;
    }
    return kExitSuccess;
}

}  // namespace vesquin
