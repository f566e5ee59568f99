// Teaching calibration points: capture, the plausibility checks, clearing.
#include "simfixture.h"

#include <controllersimulator.h>

#include <QTimer>

namespace {

class Teaching : public SimulatedCell
{
protected:
    ControllerSimulator controller;
    PositionerData* positioner = nullptr;
    rtmCustomRvarRealVect external{"iauxj.auxcurrentposition", 6, 1};
    rtmCustomRvarInt teachStatusVar{"ipos.teachstatus", 1};
    rtmCustomRvarInt pointIndex{"ipos.pointindex", 1};
    rtmCustomRvarBool teachRequest{"ipos.bteachpoint", 1};
    rtmCustomRvarBool clearRequest{"ipos.bclearpoint", 1};

    void SetUp() override
    {
        SimulatedCell::SetUp();
        positioner = PositionerData::getInstance();
        positioner->setPositionerID(0);
        positioner->setMaxAuxjNum(2);
    }

    // Jogs the robot to x (the other coordinates 0) and the first two external
    // axes to e0 and e1, teaches point n and lets the controller take it.
    int teachAt(int n, double x, double e0 = 0.0, double e1 = 0.0)
    {
        sim::Robot::instance().setPose(x, 0, 0, 0, 0, 0);
        external.setValue(0, e0);
        external.setValue(1, e1);
        const int result = positioner->teachPoint(n);
        processEventsUntil([&] { return !teachRequest; }, 200);
        return result;
    }

    // Point n as if taught: the given values and its bit in teachStatus.
    void assumeTaught(int n, std::initializer_list<double> values)
    {
        TeachedPoint point;
        std::copy(values.begin(), values.end(), point.values);
        positioner->teachedPoints[n - 1] = point;
        positioner->teachStatus |= 1 << (n - 1);
    }
};

TEST_F(Teaching, PointNumbersOutsideOneToNineDoNothing)
{
    sim::Robot::instance().setPose(1, 2, 3, 4, 5, 6);
    positioner->teachStatus = 0x5;
    pointIndex = 42;
    for (int n : {0, 10, -1}) {
        EXPECT_EQ(positioner->teachPoint(n), 0);
        EXPECT_FALSE(positioner->checkPointPosition(n));
        EXPECT_FALSE(positioner->checkAuxjPosition(n));
        EXPECT_EQ(positioner->checkAuxjIdRun(n, 0), 0);
        positioner->clearTeachedPoint(n);
    }
    EXPECT_EQ(positioner->teachStatus, 0x5);
    EXPECT_EQ(int(pointIndex), 42);
    EXPECT_FALSE(bool(teachRequest));
    EXPECT_FALSE(bool(clearRequest));
    for (const TeachedPoint& point : positioner->teachedPoints)
        EXPECT_EQ(point.values[0], 0.0);
}

TEST_F(Teaching, AnAcceptedPointIsRequestedAndTakenByTheController)
{
    sim::Robot::instance().setPose(100, 0, 0, 0, 0, 0);
    ASSERT_EQ(positioner->teachPoint(2), 1);
    EXPECT_EQ(int(pointIndex), 2);
    EXPECT_TRUE(bool(teachRequest));
    EXPECT_EQ(positioner->teachStatus, 0x2);
    ASSERT_TRUE(processEventsUntil([&] { return !teachRequest; }));
    EXPECT_EQ(int(teachStatusVar), 0x2);
    EXPECT_EQ(controller.positionerRoutines().point(2).position.x(), 100.0);
}

TEST_F(Teaching, CartesianDistanceOfExactlyFivePasses)
{
    ASSERT_EQ(teachAt(1, 100, 0), 1);
    EXPECT_EQ(teachAt(2, 105, 10), 1);
    EXPECT_EQ(teachAt(3, 104.999, 20), -1);
    // Angles count like positions.
    sim::Robot::instance().setPose(100, 0, 0, 0, 0, 4.999);
    EXPECT_EQ(positioner->teachPoint(3), -1);
}

TEST_F(Teaching, ExternalMovementLimitsAtTheirEdges)
{
    ASSERT_EQ(teachAt(1, 0, 0), 1);
    EXPECT_EQ(teachAt(2, 100, 5.0), 1);
    EXPECT_EQ(teachAt(3, 200, 9.999), -2);

    // The user frame: the positioner must stay; 5.0 summed is already too much.
    ASSERT_EQ(teachAt(7, 0, 0, 0), 1);
    EXPECT_EQ(teachAt(8, 100, 3.0, 2.0), -3);
    EXPECT_EQ(teachAt(8, 100, 3.0, 1.999), 1);
}

TEST_F(Teaching, OwnAndOtherAxesAtExactlyTwoPass)
{
    // Six robot axes: the external values start at element 6.
    assumeTaught(4, {0, 0, 0, 0, 0, 0, 10, 20});
    assumeTaught(5, {50, 0, 0, 0, 0, 0, 12, 22});
    EXPECT_EQ(positioner->checkAuxjIdRun(5, 0), 0);
    EXPECT_EQ(positioner->checkAuxjIdRun(5, 1), 0);
    assumeTaught(5, {50, 0, 0, 0, 0, 0, 11.999, 22});
    EXPECT_EQ(positioner->checkAuxjIdRun(5, 0), 1);
    assumeTaught(5, {50, 0, 0, 0, 0, 0, 12, 22.001});
    EXPECT_EQ(positioner->checkAuxjIdRun(5, 0), 2);
}

TEST_F(Teaching, AnAxisIndexOutsideTheRunCountsAsNotMoved)
{
    for (int index : {2, -1}) {
        positioner->parms[0].axes1Index = index;
        ASSERT_EQ(teachAt(1, 0, 0, 0), 1);
        EXPECT_EQ(teachAt(2, 100, 10, 10), -3);
        EXPECT_EQ(positioner->checkAuxjIdRun(2, index), 1);
    }
}

TEST_F(Teaching, WithoutExternalAxesAxisPointsFailAndUserFramePointsPass)
{
    for (int count : {0, -3}) {
        positioner->maxAuxjNum = count;
        ASSERT_EQ(teachAt(1, 0, 0), 1);
        EXPECT_EQ(teachAt(2, 100, 50), -2);
        EXPECT_EQ(positioner->checkAuxjIdRun(2, 0), 1);
        // Nothing external is captured.
        EXPECT_EQ(positioner->teachedPoints[1].values[6], 0.0);
        ASSERT_EQ(teachAt(7, 0, 0), 1);
        EXPECT_EQ(teachAt(8, 100, 50), 1);
    }
}

TEST_F(Teaching, ExternalRunNeverLeavesThePoint)
{
    for (int k = 0; k < 6; ++k)
        external.setValue(k, 10.0 + k);
    positioner->maxAuxjNum = 40;
    sim::Robot::instance().setPose(1, 2, 3, 4, 5, 6);
    ASSERT_EQ(positioner->teachPoint(7), 1);
    const TeachedPoint& point = positioner->teachedPoints[6];
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(point.values[6 + k], 10.0 + k);
    EXPECT_EQ(positioner->teachedPoints[7].values[0], 0.0);
    // The comparison runs over the same six values.
    processEventsUntil([&] { return !teachRequest; });
    sim::Robot::instance().setPose(100, 2, 3, 4, 5, 6);
    external.setValue(5, 19.999);
    EXPECT_EQ(positioner->teachPoint(8), 1);
    external.setValue(5, 20.0);
    EXPECT_EQ(positioner->teachPoint(8), -3);
}

TEST_F(Teaching, ARejectedPointStaysCapturedButCountsOnlyWhenReported)
{
    ASSERT_EQ(teachAt(1, 0, 0), 1);
    EXPECT_EQ(teachAt(2, 2, 10), -1);
    EXPECT_EQ(positioner->teachedPoints[1].values[0], 2.0);
    EXPECT_EQ(positioner->teachedPoints[1].values[6], 10.0);
    EXPECT_EQ(positioner->teachStatus, 0x3);
    // Point 2 was never taken, so point 3 is compared with point 1 alone.
    EXPECT_EQ(teachAt(3, 5, 10.5), 1);
    EXPECT_EQ(positioner->teachStatus, 0x5);
}

TEST_F(Teaching, PointsOfOtherGroupsAreNeverCompared)
{
    ASSERT_EQ(teachAt(1, 100, 10), 1);
    EXPECT_EQ(teachAt(4, 100, 10), 1);
    EXPECT_EQ(teachAt(7, 100, 10), 1);
}

TEST_F(Teaching, SlaveRobotAxesFollowTheCartesianRun)
{
    rtmCustomRvarBool slave("ipos.enable_slave_robot", 1);
    rtmCustomRvarRealVect slaveAxes("ipos.axespos", 2, 1);
    slave = true;
    slaveAxes.setValue(0, 11);
    slaveAxes.setValue(1, 22);
    external.setValue(0, 99);
    positioner->setMaxAuxjNum(4);
    positioner->teachedPoints[0].values[8] = 7.0;
    ASSERT_EQ(positioner->teachPoint(1), 1);
    const TeachedPoint& point = positioner->teachedPoints[0];
    EXPECT_EQ(point.values[6], 11.0);
    EXPECT_EQ(point.values[7], 22.0);
    EXPECT_EQ(point.values[8], 7.0);
}

TEST_F(Teaching, FewerRobotAxesMoveTheExternalValuesForward)
{
    sim::Robot::instance().setAxisCount(4);
    sim::Robot::instance().setPose(1, 2, 3, 4, 5, 6);
    external.setValue(0, 30);
    external.setValue(1, 40);
    ASSERT_EQ(positioner->teachPoint(1), 1);
    const TeachedPoint& four = positioner->teachedPoints[0];
    EXPECT_EQ(four.values[3], 4.0);
    EXPECT_EQ(four.values[4], 30.0);
    EXPECT_EQ(four.values[5], 40.0);
    EXPECT_EQ(four.values[6], 0.0);

    // A negative count is a robot without cartesian values.
    sim::Robot::instance().setAxisCount(-2);
    ASSERT_EQ(positioner->teachPoint(4), 1);
    EXPECT_EQ(positioner->teachedPoints[3].values[0], 30.0);
    EXPECT_EQ(positioner->teachedPoints[3].values[1], 40.0);
}

TEST_F(Teaching, WithoutASelectedPositionerNothingIsTaken)
{
    sim::Robot::instance().setPose(1, 2, 3, 4, 5, 6);
    for (int id : {10, -1}) {
        positioner->setPositionerID(id);
        EXPECT_EQ(positioner->teachPoint(1), 0);
        EXPECT_EQ(positioner->teachPoint(7), 0);
    }
    EXPECT_EQ(positioner->teachedPoints[0].values[0], 0.0);
    EXPECT_EQ(positioner->teachedPoints[6].values[0], 0.0);
    EXPECT_FALSE(bool(teachRequest));
}

class Clearing : public Teaching
{
};

TEST_F(Clearing, ZeroesTheCopyAndKeepsTheBit)
{
    ASSERT_EQ(teachAt(5, 100, 10, 20), 1);
    positioner->clearTeachedPoint(5);
    EXPECT_EQ(int(pointIndex), 5);
    for (double value : positioner->teachedPoints[4].values)
        EXPECT_EQ(value, 0.0);
    EXPECT_EQ(positioner->teachStatus, 0x10);
    ASSERT_TRUE(processEventsUntil([&] { return !clearRequest; }));
    EXPECT_EQ(int(teachStatusVar), 0);
}

TEST_F(Clearing, RequestsItsOwnPointWhateverHandlersTeachDuringTheWait)
{
    controller.setLatency("ipos.bclearpoint", 60);
    clearRequest = true;
    QTimer::singleShot(20, [&] { positioner->teachPoint(5); });
    positioner->clearTeachedPoint(2);
    EXPECT_EQ(int(pointIndex), 2);
    EXPECT_TRUE(bool(clearRequest));
}

}  // namespace
