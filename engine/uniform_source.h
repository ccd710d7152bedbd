#pragma once

// The random source of the experiment: several independent xoshiro128+ lanes
// kept side by side, so that the trial loop can step all of them at once.
// Each lane serves whole trials; nothing depends on the exact sequence.

#include <array>
#include <cstddef>
#include <cstdint>

namespace vesquin {

// Seeds are whole numbers from 0 to 2^53 - 1, so that JSON readers and JavaScript
// keep them exact and a run seen in class can be typed in again.
inline constexpr std::uint64_t kMaximumSeed = (std::uint64_t{1} << 53) - 1;

class UniformSource {
  public:
    static constexpr std::size_t kLanes = 16;

    // The lanes' state, one array per state word, so a loop over the lanes vectorises.
    struct LaneState {
        alignas(64) std::array<std::uint32_t, kLanes> s0;
        alignas(64) std::array<std::uint32_t, kLanes> s1;
        alignas(64) std::array<std::uint32_t, kLanes> s2;
        alignas(64) std::array<std::uint32_t, kLanes> s3;
    };

    // Seeded from the clock.
    UniformSource();
    explicit UniformSource(std::uint64_t seed);

    // Seeds from the clock, mixed with a counter so that two reseeds within one
    // clock tick still give different sequences. Returns the seed it took, which
    // is at most kMaximumSeed: reseed(seed()) repeats the same draws.
    std::uint64_t reseed();
    // Every lane's state is derived from `seed` alone.
    void reseed(std::uint64_t seed);
    // The seed of the last reseed.
    std::uint64_t seed() const { return m_seed; }

    // A uniform value in [0, 1) from one lane.
    float next(std::size_t lane);
    // A uniform value in [0, 1), taking the lanes in turn.
    float next();

    LaneState& lanes() { return m_lanes; }

    // One xoshiro128+ step of lane `lane` of `state`: its output, then the advance.
    static std::uint32_t step(LaneState& state, std::size_t lane);

    // The top 24 bits as a float: exact, so 0xFFFFFFFF gives 1 - 2^-24, never 1.0f.
    static float toUnit(std::uint32_t bits) { return static_cast<float>(bits >> 8) * 0x1p-24f; }

  private:
    LaneState m_lanes{};
    std::size_t m_nextLane = 0;
    std::uint64_t m_seed = 0;
};

}  // namespace vesquin
