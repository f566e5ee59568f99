// The predicted error of a frame against the errors the simulated controller
// really makes on the simulated cell: medians over 200 noisy calibrations per
// setting, since the errors of narrow arcs are heavy-tailed.
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
            const advisortrials::Outcome o = advisortrials::runAxis({arc, radius}, touchNoise, runs, seed++);
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

TEST(Prediction, MatchesTheObservedMedianErrorOfUserFrames)
{
    struct Marks
    {
        const char* name;
        Eigen::Vector3d at[3];
    };
    const Marks triangles[] = {
        {"the cell's marks", {{0, 0, 0}, {120, 0, 0}, {40, 90, 0}}},
        {"a large triangle", {{0, 0, 0}, {400, 0, 0}, {100, 300, 0}}},
        {"third mark near the line", {{0, 0, 0}, {120, 0, 0}, {60, 4, 0}}},
        {"short x side", {{0, 0, 0}, {10, 0, 0}, {-50, 150, 0}}},
    };
    unsigned int seed = 100;
    for (const Marks& marks : triangles) {
        const advisortrials::Outcome o = advisortrials::runUserFrame(marks.at, touchNoise, runs, seed++);
        SCOPED_TRACE(testing::Message() << marks.name << ": position predicted " << o.predictedPosition
                                        << " observed " << o.observedPosition << ", angle predicted "
                                        << o.predictedAngle << " observed " << o.observedAngle);
        for (double ratio : {o.predictedPosition / o.observedPosition, o.predictedAngle / o.observedAngle}) {
            EXPECT_LE(ratio, 1.5);
            EXPECT_GE(ratio, 1.0 / 1.5);
        }
    }
}

}  // namespace
