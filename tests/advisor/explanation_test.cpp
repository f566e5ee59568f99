// Explaining teachPoint's results: the advisor must name the check, the point
// and the numbers the library really refused on, so every case runs through
// the library's own teachPoint first.
#include "simfixture.h"

#include <pointexplanation.h>

#include <QLocale>

#include <cmath>
#include <limits>

namespace {

using PositionerAdvisor::TeachCheck;

// A point: the robot's x (other coordinates 0) and the first two external axes.
struct Place
{
    int n;
    double x, e0, e1;
};

struct Case
{
    const char* name;
    std::vector<Place> earlier;  // taught before, as the controller reports them
    Place point;
    int maxAuxjNum;
    int axes1Index;
    int positionerID;
    int result;
    TeachCheck check;
    int comparedWith;
    double measured;
    double limit;
};

class Explanation : public PositionerCell
{
protected:
    rtmCustomRvarRealVect external{"iauxj.auxcurrentposition", 6, 1};
    rtmCustomRvarInt teachStatus{"ipos.teachstatus", 1};

    int teach(const Case& c)
    {
        d->setPositionerID(c.positionerID);
        d->maxAuxjNum = c.maxAuxjNum;
        d->parms[0].axes1Index = c.axes1Index;
        int mask = 0;
        for (const Place& p : c.earlier) {
            TeachedPoint point;
            point.values[0] = p.x;
            point.values[6] = p.e0;
            point.values[7] = p.e1;
            d->teachedPoints[p.n - 1] = point;
            mask |= 1 << (p.n - 1);
        }
        teachStatus = mask;
        sim::Robot::instance().setPose(c.point.x, 0, 0, 0, 0, 0);
        external.setValue(0, c.point.e0);
        external.setValue(1, c.point.e1);
        return d->teachPoint(c.point.n);
    }
};

TEST_F(Explanation, NamesTheCheckThePointAndTheNumbersTheLibraryRefusedOn)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        {"accepted", {{1, 0, 0, 0}}, {2, 100, 60, 0}, 2, 0, 0, 1, TeachCheck::Accepted, 0, 0, 0},
        {"too close", {{1, 0, 0, 0}}, {2, 3.1, 60, 0}, 2, 0, 0, -1, TeachCheck::TooClose, 1, 3.1, 5},
        {"too close to the second compared point", {{1, 0, 0, 0}, {3, 100, 90, 0}}, {2, 97, 45, 0}, 2, 0, 0, -1,
         TeachCheck::TooClose, 3, 3, 5},
        {"not turned", {{4, 0, 0, 0}}, {5, 100, 0, 4.5}, 2, 0, 0, -2, TeachCheck::PositionerNotTurned, 4, 4.5, 5},
        {"no external axes", {{1, 0, 0, 0}}, {2, 100, 60, 0}, 0, 0, 0, -2, TeachCheck::NoExternalAxes, 1, 0, 5},
        {"own axis not turned", {{1, 0, 0, 0}}, {2, 100, 1.5, 10}, 2, 0, 0, -3, TeachCheck::OwnAxisNotTurned, 1, 1.5,
         2},
        {"own axis not compared", {{1, 0, 0, 0}}, {2, 100, 60, 0}, 2, 3, 0, -3, TeachCheck::OwnAxisNotCompared, 0, 0,
         0},
        {"others turned", {{1, 0, 0, 0}}, {3, 100, 30, 2.5}, 2, 0, 0, -4, TeachCheck::OtherAxesTurned, 1, 2.5, 2},
        {"user frame, positioner turned", {{7, 0, 0, 0}}, {8, 100, 5, 0}, 2, 0, 0, -3, TeachCheck::PositionerTurned,
         7, 5, 5},
        {"not a number", {{7, nan, 0, 0}}, {8, 100, 0, 0}, 2, 0, 0, -1, TeachCheck::TooClose, 7, nan, 5},
        {"no positioner", {}, {1, 0, 0, 0}, 2, 0, 12, 0, TeachCheck::NoPositioner, 0, 0, 0},
        {"no such point", {}, {10, 0, 0, 0}, 2, 0, 0, 0, TeachCheck::NoSuchPoint, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int result = teach(c);
        ASSERT_EQ(result, c.result);
        const auto e = PositionerAdvisor::explainTeachResult(PositionerAdvisor::calibrationPoints(*d), c.point.n, result);
        EXPECT_EQ(e.check, c.check);
        EXPECT_EQ(e.comparedWith, c.comparedWith);
        if (std::isnan(c.measured)) {
            EXPECT_TRUE(std::isnan(e.measured));
        } else {
            EXPECT_DOUBLE_EQ(e.measured, c.measured);
        }
        EXPECT_EQ(e.limit, c.limit);
        EXPECT_EQ(PositionerAdvisor::advise(e).isEmpty(), c.check == TeachCheck::Accepted);
    }
}

TEST_F(Explanation, AResultThatDoesNotFitThePointIsNotExplainedAway)
{
    const auto points = PositionerAdvisor::calibrationPoints(*d);
    EXPECT_EQ(PositionerAdvisor::explainTeachResult(points, 8, -4).check, TeachCheck::UnknownResult);
    EXPECT_EQ(PositionerAdvisor::explainTeachResult(points, 2, 7).check, TeachCheck::UnknownResult);
    // The points changed since: the check is named, no point is blamed.
    const auto e = PositionerAdvisor::explainTeachResult(points, 2, -1);
    EXPECT_EQ(e.check, TeachCheck::TooClose);
    EXPECT_EQ(e.comparedWith, 0);
}

TEST_F(Explanation, SaysItInWordsWithoutRoundingOntoTheLimit)
{
    QLocale::setDefault(QLocale::c());
    const Case c{"just too close", {{1, 0, 0, 0}}, {2, 4.999, 60, 0}, 2, 0, 0, -1, TeachCheck::TooClose, 1, 4.999, 5};
    const int result = teach(c);
    const auto e = PositionerAdvisor::explainTeachResult(PositionerAdvisor::calibrationPoints(*d), 2, result);
    EXPECT_EQ(PositionerAdvisor::describe(e),
              "Point 2 is 4.99 from point 1 (position and orientation summed); at least 5.00 is needed.");
    EXPECT_EQ(PositionerAdvisor::advise(e), "Turn positioner axis 1 further before touching the mark again.");
}

}  // namespace
