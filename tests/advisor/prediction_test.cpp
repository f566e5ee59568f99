// The predicted error of an axis frame against the errors the simulated
// controller really makes on the simulated cell: medians over 200 noisy
// calibrations per setting, since the errors of narrow arcs are heavy-tailed.
#include "trials.h"

#include <gtest/gtest.h>

namespace {

constexpr double touchNoise = 0.1;
constexpr int runs = 200;

TEST(Prediction, MatchesTheObservedMedianErrorOverArcsAndRadii)
{
    const double arcs[] = {10, 15, 20, 45, 90, 180};
    const double radii[] = {100, 400, 800};
    unsigned int seed = 1;
    for (double arc : arcs) {
        for (double radius : radii) {
            const advisortrials::Outcome o = advisortrials::run({arc, radius}, touchNoise, runs, seed++);
            const double factor = arc < 20 ? 2.0 : 1.5;
            const double position = o.predictedPosition / o.observedPosition;
            const double angle = o.predictedAngle / o.observedAngle;
            SCOPED_TRACE(testing::Message() << arc << " degrees, radius " << radius << ": position predicted "
                                            << o.predictedPosition << " observed " << o.observedPosition
                                            << ", angle predicted " << o.predictedAngle << " observed "
                                            << o.observedAngle);
            EXPECT_LE(position, factor);
            EXPECT_GE(position, 1.0 / factor);
            EXPECT_LE(angle, factor);
            EXPECT_GE(angle, 1.0 / factor);
            if (arc < 20) {
                EXPECT_EQ(o.poor, o.runs);
            }
        }
    }
}

}  // namespace
