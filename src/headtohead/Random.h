#pragma once

#include <cstdint>
#include <functional>

// Uniform draws in [0, 1) for the match prediction and the self-comparison jokes. Both reseed
// from the clock before they draw; a source decides what a reseed means.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    // Called where the program reseeds from the time of day.
    virtual void Reseed() = 0;
    // The next uniform number in [0, 1).
    virtual double Draw() = 0;
};

// The program's generator. A reseed mixes the time of day into the generator's current state
// rather than replacing it, so two reseeds within one clock tick never repeat the same draws.
class ClockRandom : public RandomSource {
  public:
    // clock: seconds since midnight; the application services' clock by default.
    explicit ClockRandom(std::function<double()> clock = {});
    void Reseed() override;
    double Draw() override;

  private:
    std::function<double()> mClock;
    std::uint64_t mState;
};

// Draws that follow from the seed alone: reseeds are ignored, so a run can be repeated
// (the duzedo tool's --seed).
class SeededRandom : public RandomSource {
  public:
    explicit SeededRandom(std::uint64_t seed) : mState(seed) {}
    void Reseed() override {}
    double Draw() override;

  private:
    std::uint64_t mState;
};
