// The predicted error of a frame against the errors the simulated controller
// really makes on the simulated cell: medians over 200 noisy calibrations per
// setting, since the errors of narrow arcs are heavy-tailed.
#include <advisortrials.h>

#include <gtest/gtest.h>

namespace {

constexpr double touchNoise = 0.1;
constexpr int runs = 200;

// Both predictions within a factor of what the controller's results show.
void expectWithin(const advisortrials::Outcome& o, double factor)
{
    SCOPED_TRACE(testing::Message() << "position predicted " << o.predictedPosition << " observed "
                                    << o.observedPosition << ", angle predicted " << o.predictedAngle
                                    << " observed " << o.observedAngle);
    for (double ratio : {o.predictedPosition / o.observedPosition, o.predictedAngle / o.observedAngle}) {
        EXPECT_LE(ratio, factor);
        EXPECT_GE(ratio, 1.0 / factor);
    }
}

TEST(Prediction, MatchesTheObservedMedianErrorOverArcsAndRadii)
{
    unsigned int seed = 1;
    for (double arc : {10, 15, 20, 45, 90, 180}) {
        for (double radius : {100, 400, 800}) {
            SCOPED_TRACE(testing::Message() << arc << " degrees, radius " << radius);
            const advisortrials::Outcome o = advisortrials::runAxis({arc, radius}, touchNoise, runs, seed++);
            expectWithin(o, arc < 20 ? 2.0 : 1.5);
            EXPECT_TRUE(arc >= 20 || o.poor == o.runs);
        }
    }
}

TEST(Prediction, MatchesTheObservedMedianErrorOfUserFrames)
{
    const Eigen::Vector3d triangles[][3] = {
        {{0, 0, 0}, {120, 0, 0}, {40, 90, 0}},    // the cell's marks
        {{0, 0, 0}, {400, 0, 0}, {100, 300, 0}},  // a large triangle
        {{0, 0, 0}, {120, 0, 0}, {60, 4, 0}},     // third mark near the line
        {{0, 0, 0}, {10, 0, 0}, {-50, 150, 0}},   // short x side
    };
    unsigned int seed = 100;
    for (const auto& marks : triangles) {
        SCOPED_TRACE(testing::Message() << "triangle " << seed - 100);
        expectWithin(advisortrials::runUserFrame(marks, touchNoise, runs, seed++), 1.5);
    }
}

}  // namespace
