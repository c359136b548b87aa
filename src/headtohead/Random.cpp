#include "headtohead/Random.h"

#include <bit>
#include <random>

#include "core/AppServices.h"

namespace {

constexpr std::uint64_t kGolden = 0x9E3779B97F4A7C15ULL;

// SplitMix64's output function: a well-spread 64-bit value from any input.
std::uint64_t Mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

// Steps the state and turns the output's top 53 bits into a double in [0, 1).
double NextUniform(std::uint64_t& state) {
    state += kGolden;
    return static_cast<double>(Mix(state) >> 11) * 0x1.0p-53;
}

std::uint64_t StartState() {
    std::random_device device;
    return (static_cast<std::uint64_t>(device()) << 32) ^ device();
}

}  // namespace

ClockRandom::ClockRandom(std::function<double()> clock)
    : mClock(std::move(clock)), mState(StartState()) {
    if (!mClock) mClock = [] { return Services().timeOfDay(); };
}

void ClockRandom::Reseed() {
    // The state moves on at every reseed, so the same clock value twice gives new draws.
    mState = Mix(mState + kGolden) ^ Mix(std::bit_cast<std::uint64_t>(mClock()));
}

double ClockRandom::Draw() {
    return NextUniform(mState);
}

double SeededRandom::Draw() {
    return NextUniform(mState);
}
