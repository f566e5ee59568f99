// Frame calculation requests: what is asked, what is waited for, what is kept.
#include "simfixture.h"

#include <controllersimulator.h>

#include <QTimer>

namespace {

class FrameRequests : public SimulatedCell
{
protected:
    ControllerSimulator controller;
    PositionerData* positioner = nullptr;
    rtmCustomRvarIntVect axesStatus{"ipos.calculate_axes_status", 2, 1};
    rtmCustomRvarInt axesIndex{"ipos.axesindex", 1};
    rtmCustomRvarInt userStatus{"ipos.calculate_user_status", 1};
    rtmCustomRvarRealVect posframe1{"ipos.posframe1", 6, 1};
    rtmCustomRvarRealVect posframe2{"ipos.posframe2", 6, 1};
    rtmCustomRvarRealVect posframe2tobase{"ipos.posframe2tobase", 6, 1};
    rtmCustomRvarRealVect userframe{"ipos.userframe", 6, 1};

    void SetUp() override
    {
        SimulatedCell::SetUp();
        positioner = PositionerData::getInstance();
        positioner->setPositionerID(2);
        positioner->setPositionerAxisID(0);
        // A scripted controller: every frame variable holds k + 1 + base.
        controller.onRequest("ipos.calculate_axes", [this] {
            fill(posframe1, 10);
            fill(posframe2, 20);
            fill(posframe2tobase, 30);
            axesStatus.setValue(axesIndex - 1, 1);
        });
        controller.onRequest("ipos.calculate_user", [this] {
            fill(userframe, 40);
            userStatus = 1;
        });
    }

    static void fill(rtmCustomRvarRealVect& frame, double base)
    {
        for (int k = 0; k < 6; ++k)
            frame.setValue(k, base + k + 1);
    }

    static void fillFrame(double (&frame)[6], double base)
    {
        for (int k = 0; k < 6; ++k)
            frame[k] = base + k + 1;
    }

    static bool holds(const double (&frame)[6], double base)
    {
        for (int k = 0; k < 6; ++k)
            if (frame[k] != base + k + 1)
                return false;
        return true;
    }

    static bool isZero(const double (&frame)[6])
    {
        return std::all_of(frame, frame + 6, [](double v) { return v == 0.0; });
    }
};

TEST_F(FrameRequests, AnswersAreKeptWithFourDecimals)
{
    controller.onRequest("ipos.calculate_axes", [this] {
        const double values[6] = {12.34567, 0.00004, -3.99996, 100.0, -0.00004, 7.5};
        for (int k = 0; k < 6; ++k)
            posframe1.setValue(k, values[k]);
        axesStatus.setValue(0, 1);
    });
    ASSERT_EQ(positioner->calculatePositionerFrame(0), 1);
    const double* frame = positioner->parms[2].axes1Frame;
    EXPECT_EQ(frame[0], 12.3457);
    EXPECT_EQ(frame[1], 0.0);
    EXPECT_EQ(frame[2], -4.0);
    EXPECT_EQ(frame[3], 100.0);
    EXPECT_EQ(frame[4], 0.0);
    EXPECT_EQ(frame[5], 7.5);
}

TEST_F(FrameRequests, TheArgumentChoosesTheAxisTheMemberChoosesTheFields)
{
    PositionerParm& record = positioner->parms[2];
    record.axes1Type = 4;
    record.axes2Index = 5;

    // Asked for axis 2, but axis 1 is selected: posframe1 goes to axes1Frame.
    ASSERT_EQ(positioner->calculatePositionerFrame(1), 1);
    EXPECT_EQ(int(axesIndex), 2);
    EXPECT_EQ(axesStatus.getValue(1), 1);
    EXPECT_TRUE(holds(record.axes1Frame, 10));
    EXPECT_TRUE(isZero(record.axes2Frame));
    EXPECT_TRUE(isZero(record.axes2FrameToBase));

    positioner->setPositionerAxisID(3);
    ASSERT_EQ(positioner->calculatePositionerFrame(0), 1);
    EXPECT_EQ(int(axesIndex), 1);
    EXPECT_TRUE(holds(record.axes2Frame, 20));
    EXPECT_TRUE(holds(record.axes2FrameToBase, 30));

    ASSERT_EQ(positioner->calculateUserFrame(), 1);
    EXPECT_TRUE(holds(record.userFrame, 40));
    EXPECT_EQ(record.axes1Type, 4);
    EXPECT_EQ(record.axes2Index, 5);
    EXPECT_TRUE(isZero(positioner->parms[1].axes1Frame));
}

// Only a 1 written after the request counts: not one left from before, nor
// another status. The axis answer is waited for one round and 100 polls, and
// one after those is not taken.
TEST_F(FrameRequests, AxisAnswerBudget)
{
    axesStatus.setValue(0, 1);
    controller.setLatency("ipos.calculate_axes", 2000);
    QTimer::singleShot(50, [this] { axesStatus.setValue(0, 2); });
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(positioner->calculatePositionerFrame(0), 0);
    EXPECT_GE(timer.elapsed(), 101 * 16);
    EXPECT_TRUE(isZero(positioner->parms[2].axes1Frame));
}

// The user frame is polled 1000 times, from the start: an answer well past the
// axis budget still counts.
TEST_F(FrameRequests, UserFrameAnswerBudget)
{
    userStatus = 1;
    controller.setLatency("ipos.calculate_user", 1700);
    QTimer::singleShot(50, [this] {
        fill(userframe, 90);
        userStatus = 2;
    });
    QElapsedTimer timer;
    timer.start();
    ASSERT_EQ(positioner->calculateUserFrame(), 1);
    EXPECT_GE(timer.elapsed(), 1700);
    EXPECT_TRUE(holds(positioner->parms[2].userFrame, 40));
}

// Handlers run during the wait; the selection they leave decides where the
// answer goes, and one out of range takes none.
TEST_F(FrameRequests, ASelectionChangedDuringTheWaitDecidesWhereTheAnswerGoes)
{
    controller.setLatency(30);
    QTimer::singleShot(10, [this] { positioner->setPositionerID(7); });
    ASSERT_EQ(positioner->calculatePositionerFrame(0), 1);
    EXPECT_TRUE(holds(positioner->parms[7].axes1Frame, 10));
    EXPECT_TRUE(isZero(positioner->parms[2].axes1Frame));

    for (int id : {10, -5}) {
        positioner->setPositionerID(2);
        QTimer::singleShot(10, [this, id] { positioner->setPositionerID(id); });
        EXPECT_EQ(positioner->calculatePositionerFrame(1), 0) << id;
        positioner->setPositionerID(2);
        QTimer::singleShot(10, [this, id] { positioner->setPositionerID(id); });
        EXPECT_EQ(positioner->calculateUserFrame(), 0) << id;
    }
    for (const PositionerParm& record : positioner->parms)
        EXPECT_TRUE(isZero(record.userFrame));
    EXPECT_TRUE(isZero(positioner->parms[2].axes1Frame));
}

TEST_F(FrameRequests, ClearingAFrameTakesTheRecordFromItsArgument)
{
    for (PositionerParm& record : positioner->parms) {
        fillFrame(record.axes1Frame, 1);
        fillFrame(record.axes2Frame, 2);
        fillFrame(record.axes2FrameToBase, 3);
        fillFrame(record.userFrame, 4);
    }
    positioner->clearPositionerFrame(4, 2);
    positioner->clearPositionerFrame(10, 0);
    positioner->clearPositionerFrame(-1, 1);
    positioner->clearPositionerFrame(4, 1);
    positioner->clearPositionerFrame(6, 0);
    for (int id = 0; id < 10; ++id) {
        const PositionerParm& record = positioner->parms[id];
        EXPECT_EQ(isZero(record.axes1Frame), id == 6) << id;
        EXPECT_EQ(isZero(record.axes2Frame), id == 4) << id;
        EXPECT_EQ(isZero(record.axes2FrameToBase), id == 4) << id;
        EXPECT_TRUE(holds(record.userFrame, 4)) << id;
    }
}

}  // namespace
