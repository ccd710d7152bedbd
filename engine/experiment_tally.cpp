// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "experiment_tally.h"

#include "bitset_kernels.h"

namespace vesquin {
namespace {

constexpr std::int32_t kLanes = static_cast<std::int32_t>(UniformSource::kLanes);

BitSetKernel kernelFor(VectorUnit unit) {
    switch (unit) {
#ifdef VESQUIN_RUNTIME_DISPATCH
        case VectorUnit::Avx512:
            return TallyBitSetAvx512;
        case VectorUnit::Avx2:
            return TallyBitSetAvx2;
#endif
#ifdef VESQUIN_X86_64
        case VectorUnit::Sse2:
            return TallyBitSetSse2;
#endif
        default:
            return TallyBitSetPortable;
    }
}

// One trial in each of the first `count` lanes (fewer than one block), the plain way.
void tallyFirstLanes(UniformSource::LaneState& state, std::int32_t count,
                     const Experiment& experiment, BrokenCounts& broken) {
    for (std::size_t lane = 0; lane < static_cast<std::size_t>(count); ++lane) {
        std::uint32_t hit = 0;
        std::int32_t distinct = 0;
        for (std::int32_t shooter = 0; shooter < experiment.shooters(); ++shooter) {
            const float r = UniformSource::toUnit(UniformSource::step(state, lane));
            const std::uint32_t bit = 1u << PlateFor(r, experiment.plates());
            if ((hit & bit) == 0) ++distinct;
            hit |= bit;
        }
        ++broken[static_cast<std::size_t>(distinct)];
    }
}

ExperimentTally tallyOf(const Experiment& experiment, const BrokenCounts& broken) {
    ExperimentTally tally = EmptyTally(experiment);
    for (std::int32_t j = 1; j <= experiment.mostBroken(); ++j) {
        const std::int32_t count = broken[static_cast<std::size_t>(j)];
        tally.brokenCounts[static_cast<std::size_t>(j - 1)] = count;
        tally.intactTotal += std::int64_t{count} * (experiment.plates() - j);
    }
    return tally;
}

void add(BrokenCounts& total, const BrokenCounts& more) {
    for (std::size_t j = 0; j < total.size(); ++j) total[j] += more[j];
}

}  // namespace

ExperimentTally EmptyTally(const Experiment& experiment) {
    ExperimentTally tally;
    tally.brokenCounts.assign(static_cast<std::size_t>(experiment.mostBroken()), 0);
    return tally;
}

ExperimentTally GeneralTally(const RunTally& tally) {
    return ExperimentTally{{tally.oneCount, tally.twoCount, tally.threeCount}, tally.intactTotal};
}

std::int32_t ModalBroken(const ExperimentTally& tally) {
    std::size_t modal = tally.brokenCounts.size();
    if (modal == 0) return 0;
    for (std::size_t j = tally.brokenCounts.size(); j-- > 0;) {
        if (tally.brokenCounts[j] > tally.brokenCounts[modal - 1]) modal = j + 1;
    }
    return static_cast<std::int32_t>(modal);
}

double MeanIntact(const ExperimentTally& tally, std::int32_t trials) {
    return static_cast<double>(tally.intactTotal) / trials;
}

ExperimentTally TallyExperimentBitSet(const Experiment& experiment, std::int32_t trials,
                                      UniformSource& source, VectorUnit unit,
                                      std::span<const std::int32_t> checkpoints,
                                      std::vector<ExperimentTallyAt>& recorded) {
    if (trials < 1) return EmptyTally(experiment);
    const BitSetKernel kernel = kernelFor(unit);
    UniformSource::LaneState& state = source.lanes();
    const std::int32_t shooters = experiment.shooters();
    const std::int32_t plates = experiment.plates();

    // As in TallyTrials: whole blocks from checkpoint to checkpoint, and the trials
    // past the last whole block counted on a copy of the lanes, which the next
    // block then redraws.
    BrokenCounts totals{};
    std::int32_t blocksDone = 0;
    for (const std::int32_t checkpoint : checkpoints) {
        const std::int32_t blocks = checkpoint / kLanes;
        BrokenCounts run{};
        kernel(state, blocks - blocksDone, shooters, plates, run);
        add(totals, run);
        blocksDone = blocks;
        BrokenCounts upToCheckpoint = totals;
        UniformSource::LaneState ahead = state;
        tallyFirstLanes(ahead, checkpoint % kLanes, experiment, upToCheckpoint);
        recorded.push_back({checkpoint, tallyOf(experiment, upToCheckpoint)});
    }
    BrokenCounts rest{};
    kernel(state, trials / kLanes - blocksDone, shooters, plates, rest);
    add(totals, rest);
    tallyFirstLanes(state, trials % kLanes, experiment, totals);
    return tallyOf(experiment, totals);
}

ExperimentTally TallyExperiment(const Experiment& experiment, std::int32_t trials,
                                UniformSource& source, VectorUnit unit,
                                std::span<const std::int32_t> checkpoints,
                                std::vector<ExperimentTallyAt>& recorded) {
    if (!experiment.isClassic()) {
        return TallyExperimentBitSet(experiment, trials, source, unit, checkpoints, recorded);
    }
    // The window's own kernel: its speed, and its tallies by construction.
    std::vector<TallyAt> classic;
    classic.reserve(checkpoints.size());
    const RunTally tally = TallyTrials(trials, source, unit, checkpoints, classic);
    for (const TallyAt& at : classic) recorded.push_back({at.trials, GeneralTally(at.tally)});
    return trials < 1 ? EmptyTally(experiment) : GeneralTally(tally);
}

ExperimentTally TallyExperiment(const Experiment& experiment, std::int32_t trials,
                                UniformSource& source, VectorUnit unit) {
    std::vector<ExperimentTallyAt> none;
    return TallyExperiment(experiment, trials, source, unit, {}, none);
}

}  // namespace vesquin
