// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "experiment_run.h"

#include <algorithm>

namespace vesquin {

std::string_view RunFailureName(RunFailure failure) {
    switch (failure) {
        case RunFailure::EmptyCount:
            return "EmptyCount";
        case RunFailure::NotANumber:
            return "NotANumber";
        case RunFailure::FewerThanOne:
            return "FewerThanOne";
        case RunFailure::MoreThanMaximum:
            return "MoreThanMaximum";
    }
    return "";
}

CountReading ReadTrialCount(std::string_view countText, const LocaleSymbols& symbols,
                            std::int32_t maximum) {
    maximum = std::clamp(maximum, 1, kRunMaximumTrials);
    const auto fail = [maximum](RunFailure failure) {
        return CountReading{0, RunError{failure, maximum}};
    };
    if (countText.find_first_not_of(" \t") == std::string_view::npos) {
        return fail(RunFailure::EmptyCount);
    }
    const auto value = LocaleNumber(countText, symbols);
    if (!value) return fail(RunFailure::NotANumber);
    // Counts beyond the int32 range are simply too many (or too few) trials.
    const auto trials = HalfEvenRoundInt32(*value);
    if (trials ? *trials < 1 : *value < 0) return fail(RunFailure::FewerThanOne);
    if (!trials || *trials > maximum) return fail(RunFailure::MoreThanMaximum);
    return CountReading{*trials, std::nullopt};
}

std::array<Quotient, 3> OutcomePercentages(const RunTally& tally, std::int32_t trials) {
    const auto percent = [trials](std::int32_t count) {
        return Quotient{std::int64_t{count} * 100, trials};
    };
    return {percent(tally.oneCount), percent(tally.twoCount), percent(tally.threeCount)};
}

Quotient MeanIntact(const RunTally& tally, std::int32_t trials) {
    return Quotient{tally.intactTotal, trials};
}

ResultTexts ComposeResults(const RunTally& tally, std::int32_t trials,
                           const LocaleSymbols& symbols) {
    const double trialCount = trials;
    const auto count = [&](std::int32_t value) {
        return PatternFormat(static_cast<double>(value), Pattern::Grouped, symbols);
    };
    const auto percent = [&](const auto& value) {
        return PatternFormat(value, Pattern::TwoDecimals, symbols);
    };
    const std::int32_t modalBroken = ModalBroken(tally);
    // The mean is written as plain digits, never grouped (it is 3, 4 or 5).
    const double meanIntact = HalfEvenRound(tally.intactTotal / trialCount);
    const LocaleSymbols ungrouped{symbols.decimal, ""};
    const std::array<Quotient, 3> simulated = OutcomePercentages(tally, trials);

    return ResultTexts{{
        {"txtMed", PatternFormat(meanIntact, Pattern::Grouped, ungrouped)},
        {"txtS1", count(tally.oneCount)},
        {"txtS2", count(tally.twoCount)},
        {"txtS3", count(tally.threeCount)},
        {"txtS6", count(modalBroken)},
        {"txtS1p", percent(simulated[0])},
        {"txtS2p", percent(simulated[1])},
        {"txtS3p", percent(simulated[2])},
        // One, two and three plates: 6, 90 and 120 of the 216 equally likely triples.
        {"txtTeo1", percent(100.0 / 36)},
        {"txtTeo2", percent(1500.0 / 36)},
        {"txtTeo3", percent(2000.0 / 36)},
    }};
}

std::variant<RunRecord, RunError> PerformRun(std::string_view countText, UniformSource& source,
                                             const LocaleSymbols& symbols, std::int32_t maximum,
                                             std::optional<std::uint64_t> seed) {
    const CountReading reading = ReadTrialCount(countText, symbols, maximum);
    if (reading.error) return *reading.error;

    RunRecord record;
    record.trials = reading.trials;
    if (seed) {
        source.reseed(*seed);
    } else {
        source.reseed();
    }
    record.seed = source.seed();
    const std::vector<std::int32_t> checkpoints = CheckpointTrials(record.trials);
    record.checkpoints.reserve(checkpoints.size());
    record.tally =
        TallyTrials(record.trials, source, WidestVectorUnit(), checkpoints, record.checkpoints);
    return record;
}

std::optional<RunError> ExperimentRun(const ReadCount& readCount, const WriteBox& writeBox,
                                      UniformSource& source, const LocaleSymbols& symbols,
                                      std::int32_t maximum) {
    const auto outcome = PerformRun(readCount(), source, symbols, maximum);
    if (const auto* error = std::get_if<RunError>(&outcome)) return *error;
    const RunRecord& record = std::get<RunRecord>(outcome);
    for (const BoxText& result : ComposeResults(record.tally, record.trials, symbols)) {
        writeBox(result.box, result.text);
    }
    return std::nullopt;
}

}  // namespace vesquin
