// The wait shared by delay_MSec and the library's polling loops.
#include "simfixture.h"

#include <eventwait.h>

#include <QTimer>

namespace {

class Wait : public SimulatedCell
{
protected:
    PositionerData* positioner = nullptr;
    void SetUp() override
    {
        SimulatedCell::SetUp();
        positioner = PositionerData::getInstance();
    }
};

TEST_F(Wait, ZeroReturnsAtOnceWithoutProcessingEvents)
{
    bool handled = false;
    QObject receiver;
    QMetaObject::invokeMethod(&receiver, [&] { handled = true; }, Qt::QueuedConnection);
    QElapsedTimer timer;
    timer.start();
    positioner->delay_MSec(0);
    EXPECT_LT(timer.elapsed(), 5);
    EXPECT_FALSE(handled);
    positioner->delay_MSec(2);
    EXPECT_TRUE(handled);
}

TEST_F(Wait, HostTimersFireDuringTheWait)
{
    int fired = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++fired; });
    timer.start(5);
    positioner->delay_MSec(60);
    timer.stop();
    EXPECT_GE(fired, 5);
}

TEST_F(Wait, PollingAsksBeforeEachRoundAndWaitsSixteenMilliseconds)
{
    int asked = 0;
    QElapsedTimer timer;
    timer.start();
    EXPECT_TRUE(PositionerWait::pollRounds(10, [&] { return ++asked == 3; }));
    EXPECT_EQ(asked, 3);
    EXPECT_GE(timer.elapsed(), 2 * 16);

    asked = 0;
    timer.restart();
    EXPECT_TRUE(PositionerWait::pollRounds(10, [&] { return ++asked == 1; }));
    EXPECT_LT(timer.elapsed(), 16);
}

}  // namespace
