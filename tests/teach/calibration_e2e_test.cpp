// The whole calibration on the simulated cell: the library teaches and asks,
// the simulated controller calculates, and the result meets the cell's truth.
#include "simfixture.h"

#include <cellmodel.h>
#include <controllersimulator.h>

#include <QElapsedTimer>

#include <cmath>

namespace {

class Calibration : public PositionerCell
{
protected:
    ControllerSimulator controller;
    cellsim::CellModel cell;
    rtmCustomRvarBool teachRequest{"ipos.bteachpoint", 1};

    // Teaches point n and lets the controller take it.
    void teach(int n)
    {
        ASSERT_EQ(d->teachPoint(n), 1) << "point " << n;
        QElapsedTimer timer;
        timer.start();
        while (teachRequest && timer.elapsed() < 2000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        ASSERT_FALSE(bool(teachRequest)) << "point " << n << " not taken";
    }

    static void expectNear(const double (&actual)[6], const cellsim::Frame& expected)
    {
        for (int k = 0; k < 3; ++k)
            EXPECT_NEAR(actual[k], expected[k], 0.01) << "element " << k;
        for (int k = 3; k < 6; ++k)
            EXPECT_NEAR(std::remainder(actual[k] - expected[k], 360.0), 0.0, 0.01) << "element " << k;
    }
};

// Axis 1 turned through 0, 60 and 120, axis 2 through 0, 90 and 180 with axis 1
// at 30, and the user frame's marks with both at rest.
TEST_F(Calibration, ExactTouchesGiveTheCellsTrueFrames)
{
    d->setPositionerID(4);
    d->setMaxAuxjNum(2);
    for (int k = 0; k < 3; ++k) {
        cell.turnAxes(60.0 * k, 0);
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
    d->setPositionerAxisID(0);
    ASSERT_EQ(d->calculatePositionerFrame(0), 1);
    d->setPositionerAxisID(1);
    ASSERT_EQ(d->calculatePositionerFrame(1), 1);
    ASSERT_EQ(d->calculateUserFrame(), 1);

    const PositionerParm& record = d->parms[4];
    expectNear(record.axes1Frame, cell.trueAxis1Frame(0, 0));
    expectNear(record.axes2Frame, cell.trueAxis2Frame(30, 0));
    expectNear(record.axes2FrameToBase, cell.trueAxis2ToBase(0, 0, 30, 0));
    expectNear(record.userFrame, cell.trueUserFrame(30, 180));
}

}  // namespace
