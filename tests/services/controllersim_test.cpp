// The controller simulator answers requests through the host's event loop.
#include "simfixture.h"

#include <controllersimulator.h>

namespace {

class Controller : public SimulatedCell
{
protected:
    rtmCustomRvarBool switchRequest{"ipos.bswitchpos", 1};
};

TEST_F(Controller, AcknowledgesASwitchAfterItsLatency)
{
    ControllerSimulator controller;
    controller.setLatency(40);
    QElapsedTimer timer;
    timer.start();
    switchRequest = true;
    // Nothing happens outside the event loop.
    EXPECT_TRUE(bool(switchRequest));
    ASSERT_TRUE(processEventsUntil([&] { return !switchRequest; }));
    EXPECT_GE(timer.elapsed(), 35);
    EXPECT_EQ(controller.requests("ipos.bswitchpos"), 1);
    EXPECT_EQ(controller.answers("ipos.bswitchpos"), 1);
}

TEST_F(Controller, AnswersWhileTheLibraryWaits)
{
    ControllerSimulator controller;
    controller.setLatency(30);
    PositionerData* positioner = PositionerData::getInstance();
    switchRequest = true;
    positioner->delay_MSec(100);
    EXPECT_FALSE(bool(switchRequest));
}

TEST_F(Controller, ANeverAnsweringControllerLeavesTheRequestPending)
{
    ControllerSimulator controller;
    controller.setAnswering(false);
    switchRequest = true;
    EXPECT_FALSE(processEventsUntil([&] { return !switchRequest; }, 100));
    EXPECT_EQ(controller.requests("ipos.bswitchpos"), 1);
    EXPECT_EQ(controller.answers("ipos.bswitchpos"), 0);
}

TEST_F(Controller, DroppingAnswersAlsoDropsScheduledOnes)
{
    ControllerSimulator controller;
    controller.setLatency("ipos.bswitchpos", 30);
    switchRequest = true;
    controller.setAnswering("ipos.bswitchpos", false);
    EXPECT_FALSE(processEventsUntil([&] { return !switchRequest; }, 100));
}

TEST_F(Controller, RunsRoutinesAddedForOtherFlags)
{
    ControllerSimulator controller;
    rtmCustomRvarInt answer("test.answer", 1);
    controller.onRequest("test.request", [&] { answer = 7; });
    rtmCustomRvarBool request("test.request", 1);
    request = false;
    processEventsUntil([] { return false; }, 20);
    EXPECT_EQ(int(answer), 0);
    request = true;
    ASSERT_TRUE(processEventsUntil([&] { return answer == 7; }));
}

TEST_F(Controller, ScheduledAnswersDieWithTheSimulator)
{
    {
        ControllerSimulator controller;
        controller.setLatency(20);
        switchRequest = true;
    }
    EXPECT_FALSE(processEventsUntil([&] { return !switchRequest; }, 80));
}

}  // namespace
