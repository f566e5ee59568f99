#include "touchsamples.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>

namespace PositionerAdvisor {

namespace {

constexpr std::uint32_t seed = 20261207u;
constexpr double pi = 3.14159265358979323846;

// Box-Muller on the generator's raw words, so that every standard library
// gives the same deviates.
std::array<TouchDraw, touchDraws> makeSamples()
{
    std::mt19937 words(seed);
    const auto uniform = [&words] { return (static_cast<double>(words()) + 0.5) / 4294967296.0; };
    std::array<TouchDraw, touchDraws> samples{};
    for (TouchDraw& draw : samples) {
        for (std::size_t k = 0; k < draw.size(); k += 2) {
            const double r = std::sqrt(-2.0 * std::log(uniform()));
            const double turn = 2.0 * pi * uniform();
            draw[k] = r * std::cos(turn);
            if (k + 1 < draw.size())
                draw[k + 1] = r * std::sin(turn);
        }
    }
    return samples;
}

}  // namespace

const std::array<TouchDraw, touchDraws>& touchSamples() noexcept
{
    static const std::array<TouchDraw, touchDraws> samples = makeSamples();
    return samples;
}

Spread spreadOf(std::array<double, touchDraws>& values) noexcept
{
    // Draws the calculation could not take count as infinitely wrong; NaN
    // would break the ordering.
    for (double& value : values) {
        if (std::isnan(value))
            value = HUGE_VAL;
    }
    const auto at = [&values](int rank) {
        std::nth_element(values.begin(), values.begin() + rank, values.end());
        return values[static_cast<std::size_t>(rank)];
    };
    const double typical = at(touchDraws / 2);
    return {typical, at(touchDraws * 95 / 100)};
}

}  // namespace PositionerAdvisor
