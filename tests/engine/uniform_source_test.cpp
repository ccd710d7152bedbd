#include "uniform_source.h"

#include <gtest/gtest.h>

#include <vector>

#include "trial_tally.h"

namespace vesquin {
namespace {

std::vector<float> draws(UniformSource& source, int count) {
    std::vector<float> values;
    for (int i = 0; i < count; ++i) values.push_back(source.next());
    return values;
}

TEST(UniformSource, TheTopOfTheRangeStaysBelowOne) {
    EXPECT_EQ(UniformSource::toUnit(0), 0.0f);
    EXPECT_LT(UniformSource::toUnit(0xFFFFFFFFu), 1.0f);
    EXPECT_EQ(UniformSource::toUnit(0xFFFFFFFFu), 1.0f - 0x1p-24f);
    EXPECT_EQ(PlateFor(UniformSource::toUnit(0xFFFFFFFFu)), 6);
    EXPECT_EQ(PlateFor(UniformSource::toUnit(0)), 1);
}

TEST(UniformSource, EveryDrawIsInTheUnitIntervalAndEveryPlateOccurs) {
    UniformSource source(12345);
    int plateSeen[8] = {};
    for (int i = 0; i < 100000; ++i) {
        const float r = source.next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        ++plateSeen[PlateFor(r)];
    }
    EXPECT_EQ(plateSeen[0], 0);
    EXPECT_EQ(plateSeen[7], 0);
    for (int plate = 1; plate <= 6; ++plate) EXPECT_GT(plateSeen[plate], 15000) << plate;
}

TEST(UniformSource, AFixedSeedRepeatsItsSequence) {
    UniformSource first(42), second(42), other(43);
    const auto sequence = draws(first, 64);
    EXPECT_EQ(sequence, draws(second, 64));
    EXPECT_NE(sequence, draws(other, 64));
    first.reseed(42);
    EXPECT_EQ(sequence, draws(first, 64));
}

TEST(UniformSource, ClockReseedsInARowGiveDifferentSequences) {
    UniformSource source;
    std::vector<std::vector<float>> sequences;
    for (int i = 0; i < 5; ++i) {
        source.reseed();
        sequences.push_back(draws(source, 16));
    }
    for (std::size_t i = 0; i < sequences.size(); ++i) {
        for (std::size_t j = i + 1; j < sequences.size(); ++j)
            EXPECT_NE(sequences[i], sequences[j]);
    }
}

TEST(UniformSource, LanesAreIndependentStreams) {
    UniformSource source(7);
    std::vector<std::vector<float>> lanes(UniformSource::kLanes);
    for (auto& lane : lanes) {
        for (int i = 0; i < 8; ++i) lane.push_back(source.next(&lane - lanes.data()));
    }
    for (std::size_t i = 0; i < lanes.size(); ++i) {
        for (std::size_t j = i + 1; j < lanes.size(); ++j) EXPECT_NE(lanes[i], lanes[j]);
    }
}

TEST(UniformSource, ClockSeedsAreRecordedAndRepeatTheDraws) {
    UniformSource source;
    for (int run = 0; run < 100; ++run) {
        const std::uint64_t seed = source.reseed();
        EXPECT_EQ(source.seed(), seed);
        EXPECT_LE(seed, kMaximumSeed);
        const std::vector<float> drawn = draws(source, 50);
        UniformSource repeat(seed);
        EXPECT_EQ(draws(repeat, 50), drawn) << "seed " << seed;
    }
}

}  // namespace
}  // namespace vesquin
