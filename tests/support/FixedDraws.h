#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

#include "headtohead/Random.h"

// Draws given in advance, one after another; a draw more than given fails the test. Reseeds are
// counted and change nothing.
class FixedDraws : public RandomSource {
  public:
    explicit FixedDraws(std::vector<double> draws) : mDraws(std::move(draws)) {}

    void Reseed() override { ++reseeds; }
    double Draw() override {
        if (mNext >= mDraws.size()) {
            ADD_FAILURE() << "draw " << mNext + 1 << " asked for, " << mDraws.size() << " given";
            return 0;
        }
        return mDraws[mNext++];
    }
    std::size_t drawn() const { return mNext; }

    int reseeds = 0;

  private:
    std::vector<double> mDraws;
    std::size_t mNext = 0;
};
