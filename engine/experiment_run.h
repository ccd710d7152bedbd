// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// One run of the experiment: read the count, perform the trials, and write the
// eleven result boxes. A run that fails writes nothing and says why.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "exact_quotient.h"
#include "number_text.h"
#include "trial_tally.h"
#include "uniform_source.h"

namespace vesquin {

// The most trials whose tallies (at most 5 intact plates a trial) fit int32.
inline constexpr std::int32_t kRunMaximumTrials = INT32_MAX / 5;  // 429.496.729

// The maximum the window and the web page advertise under the count box, and enforce.
inline constexpr std::int32_t kAdvertisedMaximumTrials = 1'000'000;

// The result boxes, in the order a run writes them.
inline constexpr std::array<std::string_view, 11> kResultBoxes{
    "txtMed", "txtS1",  "txtS2",   "txtS3",   "txtS6",  "txtS1p",
    "txtS2p", "txtS3p", "txtTeo1", "txtTeo2", "txtTeo3"};

struct BoxText {
    std::string_view box;
    std::string text;
};
using ResultTexts = std::array<BoxText, kResultBoxes.size()>;

enum class RunFailure {
    EmptyCount,       // nothing but blanks was typed
    NotANumber,       // the text is not a number with the user's symbols
    FewerThanOne,     // rounds to fewer than one trial ("0", "-5", "0,4")
    MoreThanMaximum,  // rounds to more trials than allowed, the int32 range included
};

// The failure's name as data files and the web page's script spell it: "EmptyCount",
// "NotANumber", "FewerThanOne", "MoreThanMaximum".
std::string_view RunFailureName(RunFailure failure);

struct RunError {
    RunFailure failure;
    std::int32_t maximum;  // the maximum in force, for the message

    friend bool operator==(const RunError&, const RunError&) = default;
};

// The number of trials a count text asks for, or why it asks for none.
// With Spanish symbols '1.000' asks for 1000 trials and '3,5' for 4 (halves to even).
struct CountReading {
    std::int32_t trials = 0;
    std::optional<RunError> error;
};
CountReading ReadTrialCount(std::string_view countText, const LocaleSymbols& symbols,
                            std::int32_t maximum);

// One performed run: what the window shows, the teaching view draws and the
// command line prints. The same count and seed give the same record.
struct RunRecord {
    std::int32_t trials = 0;
    std::uint64_t seed = 0;
    RunTally tally;
    std::vector<TallyAt> checkpoints;  // at CheckpointTrials(trials); the last is the whole run
};

// Reads the count, reseeds `source` (from `seed` when given, else from the clock)
// and performs the trials, recording the running tallies at the checkpoints.
// `maximum` is capped at kRunMaximumTrials.
std::variant<RunRecord, RunError> PerformRun(std::string_view countText, UniformSource& source,
                                             const LocaleSymbols& symbols, std::int32_t maximum,
                                             std::optional<std::uint64_t> seed = std::nullopt);

// The percentages of trials that broke one, two and three plates, count × 100 / trials,
// kept exact: every face writes them from here, so a half rounds alike everywhere
// (555.850 of 1.000.000 is 55,585 % and reads 55,59). `trials` is at least 1.
std::array<Quotient, 3> OutcomePercentages(const RunTally& tally, std::int32_t trials);

// The mean number of intact plates a trial, intactTotal / trials, kept exact.
Quotient MeanIntact(const RunTally& tally, std::int32_t trials);

// The eleven texts for a tally of `trials` trials (trials >= 1): counts and
// percentages of one, two and three broken plates, the modal number broken
// (ModalBroken: the outcome counted most often, ties to the larger), the mean
// number of intact plates rounded half to even, and the theoretical percentages
// 100/36, 1500/36, 2000/36.
ResultTexts ComposeResults(const RunTally& tally, std::int32_t trials,
                           const LocaleSymbols& symbols);

using ReadCount = std::function<std::string()>;
using WriteBox = std::function<void(std::string_view box, const std::string& text)>;

// Reads the count once, reseeds `source`, performs the trials and writes the
// eleven boxes in kResultBoxes order. On failure no box is written. `maximum`
// is capped at kRunMaximumTrials.
std::optional<RunError> ExperimentRun(const ReadCount& readCount, const WriteBox& writeBox,
                                      UniformSource& source, const LocaleSymbols& symbols,
                                      std::int32_t maximum = kRunMaximumTrials);

}  // namespace vesquin
