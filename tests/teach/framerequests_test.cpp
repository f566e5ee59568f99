// Frame calculation requests: what is asked, what is waited for, what is kept.
#include "simfixture.h"

#include <controllersimulator.h>

#include <QElapsedTimer>
#include <QTimer>

#include <cstring>
#include <functional>
#include <limits>
#include <vector>

namespace {

using Frame = std::vector<double>;

Frame frame(const double (&values)[6]) { return Frame(values, values + 6); }
// base + 1 to base + 6, the values of one of the scripted answers.
Frame series(double base) { return {base + 1, base + 2, base + 3, base + 4, base + 5, base + 6}; }
const Frame zero(6, 0.0);

class FrameRequests : public PositionerCell
{
protected:
    ControllerSimulator controller;
    rtmCustomRvarIntVect axesStatus{"ipos.calculate_axes_status", 2, 1};
    rtmCustomRvarInt axesIndex{"ipos.axesindex", 1};
    rtmCustomRvarInt userStatus{"ipos.calculate_user_status", 1};
    // Run after the scripted answer is filled in, before its status is set.
    std::function<void()> spoil = [] {};

    static void fill(const char* name, const Frame& values)
    {
        rtmCustomRvarRealVect answer(name, 6, 1);
        for (int k = 0; k < 6; ++k)
            answer.setValue(k, values[std::size_t(k)]);
    }

    void SetUp() override
    {
        PositionerCell::SetUp();
        d->setPositionerID(2);
        d->setPositionerAxisID(0);
        controller.onRequest("ipos.calculate_axes", [this] {
            fill("ipos.posframe1", series(10));
            fill("ipos.posframe2", series(20));
            fill("ipos.posframe2tobase", series(30));
            spoil();
            axesStatus.setValue(axesIndex - 1, 1);
        });
        controller.onRequest("ipos.calculate_user", [this] {
            fill("ipos.userframe", series(40));
            spoil();
            userStatus = 1;
        });
    }
};

TEST_F(FrameRequests, AnswersAreKeptWithFourDecimals)
{
    controller.onRequest("ipos.calculate_axes", [this] {
        fill("ipos.posframe1", {12.34567, 0.00004, -3.99996, 100.0, -0.00004, 7.5});
        axesStatus.setValue(0, 1);
    });
    ASSERT_EQ(d->calculatePositionerFrame(0), 1);
    EXPECT_EQ(frame(d->parms[2].axes1Frame), (Frame{12.3457, 0, -4, 100, 0, 7.5}));
}

TEST_F(FrameRequests, TheArgumentChoosesTheAxisTheMemberChoosesTheFields)
{
    PositionerParm& record = d->parms[2];
    record.axes1Type = 4;
    record.axes2Index = 5;

    // Asked for axis 2, but axis 1 is selected: posframe1 goes to axes1Frame.
    ASSERT_EQ(d->calculatePositionerFrame(1), 1);
    EXPECT_EQ(int(axesIndex), 2);
    EXPECT_EQ(frame(record.axes1Frame), series(10));
    EXPECT_EQ(frame(record.axes2Frame), zero);
    EXPECT_EQ(frame(record.axes2FrameToBase), zero);

    d->setPositionerAxisID(3);
    ASSERT_EQ(d->calculatePositionerFrame(0), 1);
    EXPECT_EQ(int(axesIndex), 1);
    EXPECT_EQ(frame(record.axes2Frame), series(20));
    EXPECT_EQ(frame(record.axes2FrameToBase), series(30));

    ASSERT_EQ(d->calculateUserFrame(), 1);
    EXPECT_EQ(frame(record.userFrame), series(40));
    EXPECT_EQ(record.axes1Type, 4);
    EXPECT_EQ(record.axes2Index, 5);
    EXPECT_EQ(frame(d->parms[1].axes1Frame), zero);
}

// NaN and infinity are no frame values: an answer holding one, in any frame
// the controller calculates, is no answer, and the record stays as it was.
TEST_F(FrameRequests, ANonFiniteAnswerLeavesTheRecordAsItWas)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<const char*, double> cases[] = {
        {"ipos.posframe1", nan}, {"ipos.posframe2", inf}, {"ipos.posframe2tobase", nan}, {"ipos.userframe", -inf}};
    for (const auto& c : cases) {
        spoil = [&] { rtmCustomRvarRealVect(c.first, 6, 1).setValue(4, c.second); };
        d->setPositionerAxisID(QByteArray(c.first) == "ipos.posframe1" ? 0 : 1);
        const PositionerParm before = d->parms[2];
        EXPECT_EQ(QByteArray(c.first) == "ipos.userframe" ? d->calculateUserFrame() : d->calculatePositionerFrame(0), 0)
            << c.first;
        EXPECT_EQ(std::memcmp(&before, &d->parms[2], sizeof before), 0) << c.first;
    }
}

// Only a 1 written after the request counts: not one left from before, nor
// another status. The axis answer is waited for one round and 100 polls, and
// one after those is not taken; it comes late enough that a loaded machine's
// longer rounds do not reach it.
TEST_F(FrameRequests, AxisAnswerBudget)
{
    axesStatus.setValue(0, 1);
    controller.setLatency("ipos.calculate_axes", 2500);
    QTimer::singleShot(50, [this] { axesStatus.setValue(0, 2); });
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(d->calculatePositionerFrame(0), 0);
    EXPECT_GE(timer.elapsed(), 101 * 16);
    EXPECT_EQ(frame(d->parms[2].axes1Frame), zero);
}

// The user frame is polled 1000 times, from the start: an answer well past the
// axis budget still counts.
TEST_F(FrameRequests, UserFrameAnswerBudget)
{
    userStatus = 1;
    controller.setLatency("ipos.calculate_user", 1700);
    QTimer::singleShot(50, [this] {
        fill("ipos.userframe", series(90));
        userStatus = 2;
    });
    QElapsedTimer timer;
    timer.start();
    ASSERT_EQ(d->calculateUserFrame(), 1);
    EXPECT_GE(timer.elapsed(), 1700);
    EXPECT_EQ(frame(d->parms[2].userFrame), series(40));
}

// Handlers run during the wait; the selection they leave decides where the
// answer goes, and one out of range takes none.
TEST_F(FrameRequests, ASelectionChangedDuringTheWaitDecidesWhereTheAnswerGoes)
{
    controller.setLatency(30);
    QTimer::singleShot(10, [this] { d->setPositionerID(7); });
    ASSERT_EQ(d->calculatePositionerFrame(0), 1);
    EXPECT_EQ(frame(d->parms[7].axes1Frame), series(10));
    EXPECT_EQ(frame(d->parms[2].axes1Frame), zero);

    for (int id : {10, -5}) {
        d->setPositionerID(2);
        QTimer::singleShot(10, [this, id] { d->setPositionerID(id); });
        EXPECT_EQ(d->calculatePositionerFrame(1), 0) << id;
        d->setPositionerID(2);
        QTimer::singleShot(10, [this, id] { d->setPositionerID(id); });
        EXPECT_EQ(d->calculateUserFrame(), 0) << id;
    }
    for (const PositionerParm& record : d->parms)
        EXPECT_EQ(frame(record.userFrame), zero);
    EXPECT_EQ(frame(d->parms[2].axes1Frame), zero);
}

// The record is the argument's, whatever positioner is selected.
TEST_F(FrameRequests, ClearingAFrameTakesTheRecordFromItsArgument)
{
    for (PositionerParm& record : d->parms) {
        for (double* values : {record.axes1Frame, record.axes2Frame, record.axes2FrameToBase, record.userFrame})
            std::fill(values, values + 6, 1.0);
    }
    std::vector<PositionerParm> expected(std::begin(d->parms), std::end(d->parms));
    for (double* values : {expected[6].axes1Frame, expected[4].axes2Frame, expected[4].axes2FrameToBase})
        std::fill(values, values + 6, 0.0);
    d->clearPositionerFrame(4, 1);
    d->clearPositionerFrame(6, 0);
    EXPECT_EQ(std::memcmp(d->parms, expected.data(), sizeof d->parms), 0);
}

}  // namespace
