// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "run_export.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "data_text.h"
#include "seed_text.h"

namespace vesquin {
namespace {

// The window's own texts, written with "." and no grouping: what a JSON or CSV
// reader expects, and the same rounding as the window by construction.
const LocaleSymbols kPlainSymbols{".", ""};

std::string TextOf(const ResultTexts& texts, std::string_view box) {
    const auto found = std::find_if(texts.begin(), texts.end(),
                                    [box](const BoxText& result) { return result.box == box; });
    return found == texts.end() ? std::string() : found->text;
}

struct Group {
    std::string_view jsonKey;    // "veces"
    std::string_view csvPrefix;  // "veces_"
    std::array<std::string_view, 3> boxes;
};

constexpr std::array<Group, 3> kGroups{{
    {"veces", "veces_", {"txtS1", "txtS2", "txtS3"}},
    {"porcentajes", "porcentaje_", {"txtS1p", "txtS2p", "txtS3p"}},
    {"teoricos", "teorico_", {"txtTeo1", "txtTeo2", "txtTeo3"}},
}};
constexpr std::array<std::string_view, 3> kGroupMembers{"uno", "dos", "tres"};

struct ExportValues {
    std::string ensayos;
    std::string semilla;
    ResultTexts texts;
    std::string masProbable;
    std::string intactosMedia;
    std::string intactosMediaExacta;
};

ExportValues ValuesOf(const RunRecord& record) {
    ExportValues values{std::to_string(record.trials),
                        SeedText(record.seed),
                        ComposeResults(record.tally, record.trials, kPlainSymbols),
                        {},
                        {},
                        {}};
    values.masProbable = TextOf(values.texts, "txtS6");
    values.intactosMedia = TextOf(values.texts, "txtMed");
    values.intactosMediaExacta = ExactMeanText(record.tally.intactTotal, record.trials);
    return values;
}

}  // namespace

std::string ExactMeanText(std::int64_t intactTotal, std::int32_t trials) {
    // Ten-thousandths, rounded half away from zero: (2 * 10000 * a + b) / (2 * b).
    // The tallies are int32, so 20000 * intactTotal stays far inside int64.
    const std::int64_t denominator = std::max<std::int32_t>(trials, 1);
    const std::int64_t tenThousandths =
        (2 * 10000 * std::max<std::int64_t>(intactTotal, 0) + denominator) / (2 * denominator);
    std::string fraction = std::to_string(tenThousandths % 10000);
    fraction.insert(0, 4 - fraction.size(), '0');
    return std::to_string(tenThousandths / 10000) + "." + fraction;
}

std::string RunJson(const RunRecord& record, std::string_view version) {
    const ExportValues values = ValuesOf(record);
    std::string json;
    const auto key = [&json](std::string_view name) {
        json.append(json.empty() ? "{\"" : ",\"").append(name).append("\":");
    };
    key("version");
    json += JsonString(version);
    key("ensayos");
    json += values.ensayos;
    key("semilla");
    json += values.semilla;
    for (const Group& group : kGroups) {
        key(group.jsonKey);
        for (std::size_t i = 0; i < kGroupMembers.size(); ++i) {
            json.append(i == 0 ? "{\"" : ",\"").append(kGroupMembers[i]).append("\":");
            json += TextOf(values.texts, group.boxes[i]);
        }
        json += '}';
    }
    key("mas_probable");
    json += values.masProbable;
    key("intactos_media");
    json += values.intactosMedia;
    key("intactos_media_exacta");
    json += values.intactosMediaExacta;
    json += "}\n";
    return json;
}

std::string RunCsv(const RunRecord& record, std::string_view version) {
    const ExportValues values = ValuesOf(record);
    std::vector<std::pair<std::string, std::string>> fields{
        {"version", std::string(version)},
        {"ensayos", values.ensayos},
        {"semilla", values.semilla},
    };
    for (const Group& group : kGroups) {
        for (std::size_t i = 0; i < kGroupMembers.size(); ++i) {
            std::string name(group.csvPrefix);
            name += kGroupMembers[i];
            fields.emplace_back(std::move(name), TextOf(values.texts, group.boxes[i]));
        }
    }
    fields.emplace_back("mas_probable", values.masProbable);
    fields.emplace_back("intactos_media", values.intactosMedia);
    fields.emplace_back("intactos_media_exacta", values.intactosMediaExacta);

    std::string header;
    std::string row;
    for (const auto& [name, value] : fields) {
        if (!header.empty()) {
            header += ',';
            row += ',';
        }
        header += name;
        row += CsvField(value, ",");
    }
    return header + "\n" + row + "\n";
}

}  // namespace vesquin
