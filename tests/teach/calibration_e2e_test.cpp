// The whole calibration on the simulated cell: the library teaches and asks,
// the simulated controller calculates, and the result meets the cell's truth.
#include "simfixture.h"

#include <cellmodel.h>
#include <controllersimulator.h>

#include <cmath>

namespace {

using cellsim::Frame;

class Calibration : public SimulatedCell
{
protected:
    ControllerSimulator controller;
    cellsim::CellModel cell;
    PositionerData* positioner = nullptr;
    rtmCustomRvarBool teachRequest{"ipos.bteachpoint", 1};

    void SetUp() override
    {
        SimulatedCell::SetUp();
        positioner = PositionerData::getInstance();
        positioner->setPositionerID(4);
        positioner->setMaxAuxjNum(2);
    }

    void teach(int n)
    {
        ASSERT_EQ(positioner->teachPoint(n), 1) << "point " << n;
        ASSERT_TRUE(processEventsUntil([&] { return !teachRequest; }));
    }

    // Axis 1 turned through 0, 60, 120 (or back), axis 2 through 0, 90, 180
    // with axis 1 at 30, and the user frame's marks with both at rest.
    void teachAllPoints(const double axis1Turns[3] = nullptr)
    {
        static const double forwards[3] = {0, 60, 120};
        const double* turns = axis1Turns ? axis1Turns : forwards;
        for (int k = 0; k < 3; ++k) {
            cell.turnAxes(turns[k], 0);
            cell.touchMarker();
            teach(1 + k);
        }
        for (int k = 0; k < 3; ++k) {
            cell.turnAxes(30, 90.0 * k);
            cell.touchMarker();
            teach(4 + k);
        }
        cell.turnAxes(30, 180);
        for (int k = 0; k < 3; ++k) {
            cell.touchUserFrameMark(k);
            teach(7 + k);
        }
    }

    void calculateAll()
    {
        positioner->setPositionerAxisID(0);
        ASSERT_EQ(positioner->calculatePositionerFrame(0), 1);
        positioner->setPositionerAxisID(1);
        ASSERT_EQ(positioner->calculatePositionerFrame(1), 1);
        ASSERT_EQ(positioner->calculateUserFrame(), 1);
    }

    static Frame toFrame(const double (&values)[6])
    {
        return {values[0], values[1], values[2], values[3], values[4], values[5]};
    }

    static void expectNear(const double (&actual)[6], const Frame& expected, double position,
                           double angle)
    {
        for (int k = 0; k < 3; ++k)
            EXPECT_NEAR(actual[k], expected[k], position) << "element " << k;
        for (int k = 3; k < 6; ++k)
            EXPECT_NEAR(std::remainder(actual[k] - expected[k], 360.0), 0.0, angle)
                << "element " << k;
    }
};

TEST_F(Calibration, ExactTouchesGiveTheCellsTrueFrames)
{
    teachAllPoints();
    calculateAll();
    const PositionerParm& record = positioner->parms[4];
    expectNear(record.axes1Frame, cell.trueAxis1Frame(0, 0), 0.01, 0.01);
    expectNear(record.axes2Frame, cell.trueAxis2Frame(30, 0), 0.01, 0.01);
    expectNear(record.axes2FrameToBase, cell.trueAxis2ToBase(0, 0, 30, 0), 0.01, 0.01);
    expectNear(record.userFrame, cell.trueUserFrame(30, 180), 0.01, 0.01);
}

TEST_F(Calibration, NoisyTouchesStayWithinABoundOfTheTruth)
{
    // Touches off by 0.05 mm (standard deviation per coordinate) on circles of
    // about 150 mm radius give errors of some 0.15 mm and 0.08 degree; half a
    // millimetre and half a degree leave a margin.
    cell.setTouchNoise(0.05, 7);
    teachAllPoints();
    calculateAll();
    const PositionerParm& record = positioner->parms[4];
    const double position = 0.5;
    const double angle = 0.5;
    EXPECT_LT(cellsim::positionError(toFrame(record.axes1Frame), cell.trueAxis1Frame(0, 0)), position);
    EXPECT_LT(cellsim::angleError(toFrame(record.axes1Frame), cell.trueAxis1Frame(0, 0)), angle);
    EXPECT_LT(cellsim::positionError(toFrame(record.axes2Frame), cell.trueAxis2Frame(30, 0)), position);
    EXPECT_LT(cellsim::angleError(toFrame(record.axes2Frame), cell.trueAxis2Frame(30, 0)), angle);
    const Frame toBase = cell.trueAxis2ToBase(0, 0, 30, 0);
    EXPECT_LT(cellsim::positionError(toFrame(record.axes2FrameToBase), toBase), position);
    EXPECT_LT(cellsim::angleError(toFrame(record.axes2FrameToBase), toBase), angle);
    EXPECT_LT(cellsim::positionError(toFrame(record.userFrame), cell.trueUserFrame(30, 180)), position);
    EXPECT_LT(cellsim::angleError(toFrame(record.userFrame), cell.trueUserFrame(30, 180)), angle);
    // The noise is there at all.
    EXPECT_GT(cellsim::positionError(toFrame(record.userFrame), cell.trueUserFrame(30, 180)), 1e-4);
}

// The controller's side alone, without the library's checks in the way.
class ControllerRoutines : public Calibration
{
protected:
    rtmCustomRvarInt pointIndex{"ipos.pointindex", 1};
    rtmCustomRvarInt axesIndex{"ipos.axesindex", 1};
    rtmCustomRvarBool calculateAxes{"ipos.calculate_axes", 1};
    rtmCustomRvarBool calculateUser{"ipos.calculate_user", 1};
    rtmCustomRvarIntVect axesStatus{"ipos.calculate_axes_status", 2, 1};
    rtmCustomRvarInt userStatus{"ipos.calculate_user_status", 1};
    rtmCustomRvarInt teachStatus{"ipos.teachstatus", 1};

    void take(int n, double x, double y)
    {
        sim::Robot::instance().setPose(x, y, 0, 0, 0, 0);
        pointIndex = n;
        teachRequest = true;
        ASSERT_TRUE(processEventsUntil([&] { return !teachRequest; }));
    }

    int calculateAxis(int axis)
    {
        axesStatus.setValue(axis - 1, 0);
        axesIndex = axis;
        calculateAxes = true;
        processEventsUntil([&] { return !calculateAxes; });
        return axesStatus.getValue(axis - 1);
    }

    int calculateUserFrame()
    {
        userStatus = 0;
        calculateUser = true;
        processEventsUntil([&] { return !calculateUser; });
        return userStatus;
    }
};

TEST_F(ControllerRoutines, AFaultyControllerAnswersWithAnotherStatus)
{
    controller.positionerRoutines().setAnswerStatus(3);
    take(7, 0, 0);
    take(8, 10, 0);
    take(9, 0, 10);
    EXPECT_EQ(calculateUserFrame(), 3);
}

}  // namespace
