// The touch errors the predictions are made with: a fixed, seeded set of
// standard normal deviates, three touches of three coordinates per draw, so
// that the same points always give the same prediction.
#pragma once

#include <array>

namespace PositionerAdvisor {

constexpr int touchDraws = 256;

using TouchDraw = std::array<double, 9>;

// Made once, on first use.
const std::array<TouchDraw, touchDraws>& touchSamples() noexcept;

// The median and the 95th percentile of one measure over the draws, in place.
struct Spread
{
    double typical;
    double high;
};
Spread spreadOf(std::array<double, touchDraws>& values) noexcept;

}  // namespace PositionerAdvisor
