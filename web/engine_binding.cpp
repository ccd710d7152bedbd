// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the web page asks of the engine, as C functions that take UTF-8 texts and
// give back JSON texts. The page's script only moves these texts into the page:
// every count, percentage, message, layout row and report line comes from here.
// A returned text stays valid until the next call.

#include <emscripten/emscripten.h>

#include <cmath>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "binding_state.h"
#include "catalogue.h"
#include "experiment_run.h"
#include "json_text.h"
#include "number_text.h"
#include "report_printer.h"
#include "report_writer.h"
#include "run_messages.h"
#include "seed_text.h"
#include "uniform_source.h"
#include "window_layout_table.h"

namespace vesquin::web {
namespace {

// The maximum the window advertises under the count box, and enforces.
constexpr std::int32_t kPageMaximumTrials = kAdvertisedMaximumTrials;

std::map<std::string, std::string, std::less<>> g_reportBoxes;

const char* answer(std::string text) {
    return Answer(std::move(text));
}

LocaleSymbols symbolsOf(const char* decimal, const char* grouping) {
    return SymbolsOf(decimal, grouping);
}

const char* kindName(layout::Kind kind) {
    switch (kind) {
        case layout::Kind::Label:
            return "label";
        case layout::Kind::Frame:
            return "frame";
        case layout::Kind::TextBox:
            return "textbox";
        case layout::Kind::Button:
            return "button";
    }
    return "";
}

const char* faceName(layout::Face face) {
    switch (face) {
        case layout::Face::Default:
            return "default";
        case layout::Face::F1:
            return "f1";
        case layout::Face::F1B:
            return "f1b";
        case layout::Face::F3:
            return "f3";
        case layout::Face::F4:
            return "f4";
    }
    return "";
}

const char* coloursName(layout::Colours colours) {
    switch (colours) {
        case layout::Colours::System:
            return "system";
        case layout::Colours::Red:
            return "red";
        case layout::Colours::DarkRed:
            return "dark-red";
        case layout::Colours::Simulated:
            return "simulated";
        case layout::Colours::Theoretical:
            return "theoretical";
    }
    return "";
}

// The table holds its texts in Spanish, which are their keys in the catalogue under
// one context for each kind of control, the same the desktop's window looks them up by.
// What a text box holds is the program's own, never translated.
std::string_view windowTextContext(layout::Kind kind) {
    switch (kind) {
        case layout::Kind::Label:
            return "window label";
        case layout::Kind::Frame:
            return "window frame";
        case layout::Kind::Button:
            return "window button";
        case layout::Kind::TextBox:
            break;
    }
    return {};
}

std::string shownText(const layout::ControlPlacement& control) {
    if (control.kind == layout::Kind::TextBox) return control.text;
    return std::string(Text(windowTextContext(control.kind), control.text));
}

// What a screen reader says a box holds, in the language shown, or null.
std::string spokenName(const char* name) {
    return name ? JsonString(Text("window box name", name)) : "null";
}

std::string optionalText(const char* text) {
    return text ? JsonString(text) : "null";
}

// Records the report's operations as JSON lines for the page's print stylesheet.
class RecordingPrinter : public ReportPrinter {
  public:
    bool setFontName(std::string_view name) override {
        m_fontName = name;
        return true;
    }
    bool setFontSize(int points) override {
        m_fontSize = points;
        return true;
    }
    bool printLine(std::optional<int> tabColumn, const std::vector<std::string>& items) override {
        std::string text;
        for (const std::string& item : items) text += item;
        m_lines.push_back("{\"column\":" + (tabColumn ? JsonNumber(*tabColumn) : "null") +
                          ",\"fontSize\":" + JsonNumber(m_fontSize) +
                          ",\"text\":" + JsonString(text) + "}");
        return true;
    }
    bool endDocument() override { return true; }

    std::string json() const {
        std::string lines;
        for (const std::string& line : m_lines) lines += (lines.empty() ? "" : ",") + line;
        return "{\"fontName\":" + JsonString(m_fontName) + ",\"lines\":[" + lines + "]}";
    }

  private:
    std::string m_fontName;
    int m_fontSize = 0;
    std::vector<std::string> m_lines;
};

}  // namespace

const char* Answer(std::string text) {
    static std::string kept;
    kept = std::move(text);
    return kept.c_str();
}

LocaleSymbols SymbolsOf(const char* decimal, const char* grouping) {
    return LocaleSymbols{decimal, grouping};
}

ExperimentHistory& History() {
    static ExperimentHistory history;
    return history;
}

UniformSource& Source() {
    static UniformSource theSource;
    return theSource;
}

std::optional<std::uint64_t> FixedSeed(double seed) {
    if (seed >= 0 && seed <= static_cast<double>(kMaximumSeed) && seed == std::floor(seed)) {
        return static_cast<std::uint64_t>(seed);
    }
    return std::nullopt;
}

}  // namespace vesquin::web

using namespace vesquin;
using namespace vesquin::web;

extern "C" {

// The window: caption, client size in twips, and every control of the layout table
// in table order, with the maximum hint written in the user's symbols.
EMSCRIPTEN_KEEPALIVE const char* vesquin_window(const char* decimal, const char* grouping) {
    const std::string hint = MaximumHint(kPageMaximumTrials, symbolsOf(decimal, grouping));
    std::string controls;
    for (const layout::ControlPlacement& c : layout::kControls) {
        const bool isHint = std::string_view(c.name) == "Label16";
        if (!controls.empty()) controls += ",";
        controls += "{\"name\":" + JsonString(c.name) +
                    ",\"kind\":" + JsonString(kindName(c.kind)) +
                    ",\"container\":" + optionalText(c.container) +
                    ",\"left\":" + JsonNumber(c.left) + ",\"top\":" + JsonNumber(c.top) +
                    ",\"width\":" + JsonNumber(c.width) + ",\"height\":" + JsonNumber(c.height) +
                    ",\"text\":" + JsonString(isHint ? hint : shownText(c)) +
                    ",\"face\":" + JsonString(faceName(c.face)) +
                    ",\"colours\":" + JsonString(coloursName(c.colours)) +
                    ",\"centred\":" + JsonBool(c.centred) + ",\"tab\":" + JsonNumber(c.tab) +
                    ",\"accessibleName\":" + spokenName(c.accessibleName) + "}";
    }
    std::string resultBoxes;
    for (std::string_view box : kResultBoxes) {
        resultBoxes += (resultBoxes.empty() ? "" : ",") + JsonString(box);
    }
    return answer("{\"name\":" + JsonString(layout::kWindowName) + ",\"caption\":" +
                  JsonString(layout::kCaption) + ",\"width\":" + JsonNumber(layout::kClientWidth) +
                  ",\"height\":" + JsonNumber(layout::kClientHeight) + ",\"controls\":[" +
                  controls + "],\"resultBoxes\":[" + resultBoxes + "]}");
}

// One run from the count as typed. `seed` from 0 to 2^53 - 1 fixes the draws; a
// negative seed takes one from the clock. The count comes with its length in bytes.
// On success: the seed, the trials, the tallies, the eleven result texts in the order
// a run writes them and the running tallies at the checkpoints; on failure: the
// failure's kind and the message the window shows for it. A run that succeeds joins
// the run history at `time`, as the page writes the time of day.
EMSCRIPTEN_KEEPALIVE const char* vesquin_simulate(const char* countBytes, int countLength,
                                                  const char* decimal, const char* grouping,
                                                  double seed, const char* time) {
    const LocaleSymbols symbols = symbolsOf(decimal, grouping);
    // The count as typed, every byte of it: a NUL inside is part of what the user gave.
    const std::string_view count(countBytes, countLength < 0 ? 0 : std::size_t(countLength));
    const auto run = PerformRun(count, Source(), symbols, kPageMaximumTrials, FixedSeed(seed));
    if (const auto* error = std::get_if<RunError>(&run)) {
        return answer("{\"ok\":false,\"failure\":" + JsonString(RunFailureName(error->failure)) +
                      ",\"message\":" + JsonString(RunFailureMessage(count, *error, symbols)) +
                      "}");
    }
    const RunRecord& record = std::get<RunRecord>(run);
    std::string boxes;
    for (const BoxText& result : ComposeResults(record.tally, record.trials, symbols)) {
        boxes += (boxes.empty() ? "[" : ",[") + JsonString(result.box) + "," +
                 JsonString(result.text) + "]";
    }
    // The running tallies as [trials, one, two, three] rows, for the teaching view.
    std::string checkpoints;
    for (const TallyAt& at : record.checkpoints) {
        checkpoints += (checkpoints.empty() ? "[" : ",[") + JsonNumber(at.trials) + "," +
                       JsonNumber(at.tally.oneCount) + "," + JsonNumber(at.tally.twoCount) + "," +
                       JsonNumber(at.tally.threeCount) + "]";
    }
    const RunTally& tally = record.tally;
    const std::int32_t entry = History().add(ClassicRecord(record), time).number;
    return answer("{\"ok\":true,\"entry\":" + JsonNumber(entry) +
                  ",\"seed\":" + JsonNumber(static_cast<std::int64_t>(record.seed)) +
                  ",\"trials\":" + JsonNumber(record.trials) + ",\"tally\":{\"one\":" +
                  JsonNumber(tally.oneCount) + ",\"two\":" + JsonNumber(tally.twoCount) +
                  ",\"three\":" + JsonNumber(tally.threeCount) +
                  ",\"intact\":" + JsonNumber(tally.intactTotal) + "},\"boxes\":[" + boxes +
                  "],\"checkpoints\":[" + checkpoints + "]}");
}

// A seed from the page's address, read by the command line's rule: {"ok":true,"seed":42},
// or the command line's refusal, with what the page does instead, to show the user.
EMSCRIPTEN_KEEPALIVE const char* vesquin_seed(const char* textBytes, int length) {
    const std::string_view text(textBytes, length < 0 ? 0 : std::size_t(length));
    if (const auto seed = ReadSeed(text)) {
        return answer("{\"ok\":true,\"seed\":" + JsonNumber(static_cast<std::int64_t>(*seed)) +
                      "}");
    }
    const std::string message =
        SeedRefusal("«" + IsolatedTypedText(text) + "»") + ". " + std::string(ClockSeedNotice());
    return answer("{\"ok\":false,\"message\":" + JsonString(message) + "}");
}

// The report reads the window's boxes; the page hands over each box's text first.
EMSCRIPTEN_KEEPALIVE void vesquin_report_box(const char* name, const char* text) {
    g_reportBoxes[name] = text;
}

// The printed report, line by line: font, tab column and text of each line.
EMSCRIPTEN_KEEPALIVE const char* vesquin_report(const char* decimal, const char* grouping) {
    const auto readBox = [](std::string_view box) {
        const auto it = g_reportBoxes.find(box);
        return it == g_reportBoxes.end() ? std::string() : it->second;
    };
    RecordingPrinter printer;
    ReportWriter(readBox, symbolsOf(decimal, grouping)).write(printer);
    return answer(printer.json());
}

}  // extern "C"
