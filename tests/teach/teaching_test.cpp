// Teaching calibration points: capture, the plausibility checks, clearing.
#include "simfixture.h"

#include <QTimer>

#include <vector>

namespace {

class Teaching : public PositionerCell
{
protected:
    rtmCustomRvarRealVect external{"iauxj.auxcurrentposition", 6, 1};
    rtmCustomRvarInt teachStatusVar{"ipos.teachstatus", 1};

    void SetUp() override
    {
        PositionerCell::SetUp();
        d->setPositionerID(0);
    }

    // The robot at pose (the rest 0), the external axes at values (the rest 0).
    void moveTo(const std::vector<double>& pose, const std::vector<double>& values)
    {
        double p[6] = {};
        std::copy(pose.begin(), pose.end(), p);
        sim::Robot::instance().setPose(p[0], p[1], p[2], p[3], p[4], p[5]);
        for (int k = 0; k < 6; ++k)
            external.setValue(k, k < int(values.size()) ? values[std::size_t(k)] : 0.0);
    }
};

struct Point
{
    int n;
    std::vector<double> pose;
    std::vector<double> external;
};

// The new point against one earlier point that the controller reports taught,
// on a six-axis robot.
TEST_F(Teaching, PlausibilityChecksAtTheirEdges)
{
    const struct
    {
        Point earlier, point;
        int axisIndex, maxAuxjNum, code, idRun;
    } cases[] = {
        // The cartesian distance, summed over the six values, angles included.
        {{1, {100}, {0}}, {2, {105}, {10}}, 0, 2, 1, 0},
        {{1, {100}, {0}}, {2, {104.999}, {10}}, 0, 2, -1, 0},
        {{1, {100}, {0}}, {2, {100, 0, 0, 0, 0, 4.999}, {10}}, 0, 2, -1, 0},
        {{1, {100}, {0}}, {2, {102.5, 0, 0, 0, 0, 2.5}, {10}}, 0, 2, 1, 0},
        // Axis points: the external axes move 5 or more in all.
        {{1, {0}, {0}}, {2, {100}, {5.0}}, 0, 2, 1, 0},
        {{4, {0}, {0}}, {6, {100}, {4.999}}, 0, 2, -2, 0},
        // User-frame points: they stay below 5.
        {{7, {0}, {0, 0}}, {8, {100}, {3.0, 1.999}}, 0, 2, 1, 0},
        {{9, {0}, {0, 0}}, {8, {100}, {3.0, 2.0}}, 0, 2, -3, 0},
        // The axis's own external axis moves 2 or more, the others 2 at most.
        {{1, {0}, {10, 20}}, {3, {50}, {13, 22}}, 0, 2, 1, 0},
        {{1, {0}, {10, 20}}, {2, {50}, {12, 20}}, 0, 2, -2, 0},
        {{1, {0}, {10, 20}}, {2, {50}, {11.999, 20}}, 0, 2, -2, 1},
        {{1, {0}, {10, 20}}, {2, {50}, {13, 22.001}}, 0, 2, -4, 2},
        {{4, {0}, {10, 20}}, {5, {50}, {12, 25}}, 1, 2, 1, 0},
        {{4, {0}, {0, 0, 0}}, {5, {50}, {2, 3, 0}}, 1, 3, 1, 0},
        {{4, {0}, {0, 0, 0}}, {5, {50}, {2, 3, 0.5}}, 1, 3, -4, 2},
        // Values past the compared run are never compared.
        {{1, {0}, {0, 0, 9}}, {2, {100}, {5, 0}}, 0, 2, 1, 0},
        {{7, {0}, {0, 0, 9}}, {8, {100}, {1, 0}}, 0, 2, 1, 1},
        // An axis index outside the compared run never moved.
        {{1, {0}, {0, 0}}, {2, {100}, {10, 10}}, 2, 2, -3, 1},
        {{1, {0}, {0, 0}}, {2, {100}, {10, 10}}, -1, 2, -3, 1},
        // Without external axes axis points fail and user-frame points pass.
        {{1, {0}, {0}}, {2, {100}, {50}}, 0, 0, -2, 1},
        {{1, {0}, {0}}, {2, {100}, {50}}, 0, -3, -2, 1},
        {{7, {0}, {0}}, {8, {100}, {50}}, 0, 0, 1, 1},
        // More than six external axes compare the six there are.
        {{7, {0}, {0, 0, 0, 0, 0, 0}}, {8, {100}, {0, 0, 0, 0, 0, 4.999}}, 0, 40, 1, 1},
        {{7, {0}, {0, 0, 0, 0, 0, 0}}, {8, {100}, {0, 0, 0, 0, 0, 5.0}}, 0, 40, -3, 1},
        // Points of other groups are never compared.
        {{1, {100}, {10}}, {4, {100}, {10}}, 0, 2, 1, 0},
        {{4, {100}, {10}}, {7, {100}, {10}}, 0, 2, 1, 0},
    };
    rtmCustomRvarInt pointIndex("ipos.pointindex", 1);
    for (const auto& c : cases) {
        const QString row = QStringLiteral("point %1 after %2, axis %3 of %4")
                                .arg(c.point.n).arg(c.earlier.n).arg(c.axisIndex).arg(c.maxAuxjNum);
        d->maxAuxjNum = c.maxAuxjNum;
        // The other axis of the positioner is one that never moves here.
        d->parms[0].axes1Index = c.point.n <= 3 ? c.axisIndex : 5;
        d->parms[0].axes2Index = c.point.n <= 3 ? 5 : c.axisIndex;
        TeachedPoint earlier;
        std::copy(c.earlier.pose.begin(), c.earlier.pose.end(), earlier.values);
        std::copy(c.earlier.external.begin(), c.earlier.external.end(), earlier.values + 6);
        d->teachedPoints[c.earlier.n - 1] = earlier;
        teachStatusVar = 1 << (c.earlier.n - 1);
        moveTo(c.point.pose, c.point.external);

        const WriteLog writes;
        EXPECT_EQ(d->teachPoint(c.point.n), c.code) << qPrintable(row);
        EXPECT_EQ(d->checkAuxjIdRun(c.point.n, c.axisIndex), c.idRun) << qPrintable(row);
        const QStringList requested = {QStringLiteral("ipos.pointindex=%1").arg(c.point.n), "ipos.bteachpoint=true"};
        EXPECT_EQ(writes.entries(), c.code == 1 ? requested : QStringList()) << qPrintable(row);
        EXPECT_EQ(d->teachStatus, (1 << (c.earlier.n - 1)) | (1 << (c.point.n - 1))) << qPrintable(row);
        d->teachedPoints[c.point.n - 1] = TeachedPoint();
    }
}

// Where the values of a taught point come from, with the robot at 1..6, the
// external axes at 10..15 and the slave robot's axes at 21, 22.
TEST_F(Teaching, CaptureLayout)
{
    const double untouched = 99;
    const struct
    {
        int axisCount;
        bool slave;
        int maxAuxjNum;
        std::vector<double> values;
    } cases[] = {
        {6, false, 2, {1, 2, 3, 4, 5, 6, 10, 11, 99, 99, 99, 99}},
        {6, false, 6, {1, 2, 3, 4, 5, 6, 10, 11, 12, 13, 14, 15}},
        {6, false, 40, {1, 2, 3, 4, 5, 6, 10, 11, 12, 13, 14, 15}},
        {6, false, 0, {1, 2, 3, 4, 5, 6, 99, 99, 99, 99, 99, 99}},
        {6, true, 4, {1, 2, 3, 4, 5, 6, 21, 22, 99, 99, 99, 99}},
        {4, false, 2, {1, 2, 3, 4, 10, 11, 99, 99, 99, 99, 99, 99}},
        {4, true, 2, {1, 2, 3, 4, 21, 22, 99, 99, 99, 99, 99, 99}},
        {-2, false, 2, {10, 11, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99}},
        {9, false, 6, {1, 2, 3, 4, 5, 6, 10, 11, 12, 13, 14, 15}},
    };
    rtmCustomRvarRealVect slaveAxes("ipos.axespos", 2, 1);
    slaveAxes.setValue(0, 21);
    slaveAxes.setValue(1, 22);
    moveTo({1, 2, 3, 4, 5, 6}, {10, 11, 12, 13, 14, 15});
    for (const auto& c : cases) {
        sim::Robot::instance().setAxisCount(c.axisCount);
        rtmCustomRvarBool("ipos.enable_slave_robot", 1) = c.slave;
        d->maxAuxjNum = c.maxAuxjNum;
        std::fill(std::begin(d->teachedPoints[0].values), std::end(d->teachedPoints[0].values), untouched);
        ASSERT_EQ(d->teachPoint(1), 1);
        EXPECT_EQ(std::vector<double>(std::begin(d->teachedPoints[0].values), std::end(d->teachedPoints[0].values)),
                  c.values)
            << c.axisCount << " axes, slave " << c.slave << ", " << c.maxAuxjNum << " external";
        EXPECT_EQ(d->teachedPoints[1].values[0], 0.0);
    }
}

TEST_F(Teaching, ARejectedPointStaysCapturedButCountsOnlyWhenReported)
{
    moveTo({0}, {0});
    ASSERT_EQ(d->teachPoint(1), 1);
    teachStatusVar = 0x1;
    moveTo({2}, {10});
    EXPECT_EQ(d->teachPoint(2), -1);
    EXPECT_EQ(d->teachedPoints[1].values[0], 2.0);
    EXPECT_EQ(d->teachedPoints[1].values[6], 10.0);
    EXPECT_EQ(d->teachStatus, 0x3);
    // The controller never took point 2, so point 3 is compared with point 1 alone.
    moveTo({5}, {10.5});
    EXPECT_EQ(d->teachPoint(3), 1);
    EXPECT_EQ(d->teachStatus, 0x5);
}

// The copy is zeroed at once and the bit stays; the request names the point
// cleared, whatever a handler teaches while a pending clear is waited for.
TEST_F(Teaching, ClearingRequestsItsOwnPoint)
{
    rtmCustomRvarBool clearRequest("ipos.bclearpoint", 1);
    rtmCustomRvarInt pointIndex("ipos.pointindex", 1);
    moveTo({100}, {10, 20});
    ASSERT_EQ(d->teachPoint(5), 1);
    teachStatusVar = 0x10;
    clearRequest = true;
    QTimer::singleShot(20, [&] {
        EXPECT_EQ(d->teachPoint(7), 1);
        clearRequest = false;
    });
    d->clearTeachedPoint(5);
    EXPECT_EQ(int(pointIndex), 5);
    EXPECT_TRUE(bool(clearRequest));
    for (double value : d->teachedPoints[4].values)
        EXPECT_EQ(value, 0.0);
    EXPECT_EQ(d->teachedPoints[6].values[0], 100.0);
    EXPECT_EQ(d->teachStatus, 0x50);
}

}  // namespace
