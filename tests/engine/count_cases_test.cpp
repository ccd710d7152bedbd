// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The shared table of typed counts (tests/data/count_cases.tsv), read by the
// engine as the window reads it. The web page's tests read the same table.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <variant>
#include <vector>

#include "experiment_run.h"

namespace vesquin {
namespace {

struct CountCase {
    std::string symbols;
    std::string count;
    std::string expected;
};

std::vector<CountCase> ReadCases() {
    std::ifstream file(VESQUIN_COUNT_CASES);
    std::vector<CountCase> cases;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line.front() == '#') continue;
        const auto first = line.find('\t');
        const auto last = line.rfind('\t');
        const std::string written = line.substr(first + 1, last - first - 1);
        std::string count;
        for (std::size_t i = 0; i < written.size(); ++i) {
            const bool tab = written.compare(i, 2, "\\t") == 0;
            count += tab ? '\t' : written[i];
            i += tab ? 1 : 0;
        }
        cases.push_back({line.substr(0, first), count, line.substr(last + 1)});
    }
    return cases;
}

TEST(CountCases, EveryTypedCountGivesItsTrialsOrItsFailure) {
    const std::vector<CountCase> cases = ReadCases();
    ASSERT_GE(cases.size(), 20u);
    for (const CountCase& c : cases) {
        SCOPED_TRACE(c.symbols + " '" + c.count + "'");
        const LocaleSymbols& symbols = c.symbols == "es" ? kSpanishSymbols : kEnglishSymbols;
        UniformSource source(7);
        const auto run = PerformRun(c.count, source, symbols, kAdvertisedMaximumTrials, 7);
        if (const auto* error = std::get_if<RunError>(&run)) {
            EXPECT_EQ(RunFailureName(error->failure), c.expected);
            EXPECT_EQ(error->maximum, kAdvertisedMaximumTrials);
        } else {
            const RunRecord& record = std::get<RunRecord>(run);
            EXPECT_EQ(std::to_string(record.trials), c.expected);
            EXPECT_EQ(record.tally.oneCount + record.tally.twoCount + record.tally.threeCount,
                      record.trials);
        }
    }
}

}  // namespace
}  // namespace vesquin
