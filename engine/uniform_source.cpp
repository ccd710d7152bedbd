#include "uniform_source.h"

#include <atomic>
#include <chrono>

namespace vesquin {
namespace {

// splitmix64: spreads one 64-bit seed over all the lanes' state words, so that
// nearby seeds still give unrelated lanes and no lane starts all zero.
std::uint64_t splitMix64(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::uint64_t clockSeed() {
    // Two reseeds within one clock tick must still differ.
    static std::atomic<std::uint64_t> reseedCount{0};
    const auto ticks = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    return (ticks ^ (reseedCount.fetch_add(1) * 0xD1B54A32D192ED03ull)) & kMaximumSeed;
}

std::uint32_t rotl(std::uint32_t x, int k) {
    return (x << k) | (x >> (32 - k));
}

}  // namespace

UniformSource::UniformSource() {
    reseed();
}

UniformSource::UniformSource(std::uint64_t seed) {
    reseed(seed);
}

std::uint64_t UniformSource::reseed() {
    reseed(clockSeed());
    return m_seed;
}

void UniformSource::reseed(std::uint64_t seed) {
    m_seed = seed;
    std::uint64_t mixer = seed;
    for (std::size_t lane = 0; lane < kLanes; ++lane) {
        const std::uint64_t a = splitMix64(mixer);
        const std::uint64_t b = splitMix64(mixer);
        m_lanes.s0[lane] = static_cast<std::uint32_t>(a);
        m_lanes.s1[lane] = static_cast<std::uint32_t>(a >> 32);
        m_lanes.s2[lane] = static_cast<std::uint32_t>(b);
        m_lanes.s3[lane] = static_cast<std::uint32_t>(b >> 32) | 1u;  // never all zero
    }
    m_nextLane = 0;
}

std::uint32_t UniformSource::step(LaneState& state, std::size_t lane) {
    const std::uint32_t result = state.s0[lane] + state.s3[lane];
    const std::uint32_t t = state.s1[lane] << 9;
    state.s2[lane] ^= state.s0[lane];
    state.s3[lane] ^= state.s1[lane];
    state.s1[lane] ^= state.s2[lane];
    state.s0[lane] ^= state.s3[lane];
    state.s2[lane] ^= t;
    state.s3[lane] = rotl(state.s3[lane], 11);
    return result;
}

float UniformSource::next(std::size_t lane) {
    return toUnit(step(m_lanes, lane));
}

float UniformSource::next() {
    const std::size_t lane = m_nextLane;
    m_nextLane = (m_nextLane + 1) % kLanes;
    return next(lane);
}

}  // namespace vesquin
