// The singleton: construction, its defaults, the fetch of the calibration file,
// the shared wait, and destruction, also from a host handler in the middle of
// a wait.
#include "simfixture.h"

#include <controllersimulator.h>
#include <samplefiles.h>

#include <QPointer>
#include <QElapsedTimer>
#include <QTimer>

#include <cstring>
#include <functional>

namespace {

class Lifecycle : public SimulatedCell
{
protected:
    // Every member as construction leaves it.
    static void expectDefaults(const PositionerData& d)
    {
        const PositionerParm blank;
        ASSERT_EQ(blank.axes2Index, 1);
        for (int i = 0; i < 10; ++i) {
            EXPECT_EQ(std::memcmp(&d.parms[i], &blank, sizeof blank), 0) << "record " << i;
            EXPECT_EQ(std::memcmp(&d.savedParms[i], &blank, sizeof blank), 0) << "record " << i;
        }
        const char zeros[sizeof d.teachedPoints] = {};
        EXPECT_EQ(std::memcmp(d.teachedPoints, zeros, sizeof d.teachedPoints), 0);
        EXPECT_EQ(std::memcmp(d.dynUframe, zeros, sizeof d.dynUframe), 0);
        EXPECT_EQ(std::memcmp(d.dynOframe, zeros, sizeof d.dynOframe), 0);
        EXPECT_TRUE(d.dynBaseName.isEmpty());
        EXPECT_FALSE(d.dynMovable || d.dynOnRobot || d.usedCurrentPosID);
        EXPECT_EQ(d.teachStatus, 0);
        EXPECT_NE(d.userFrameDynEditor, nullptr);
        EXPECT_EQ(d.maxAuxjNum, 6);
    }
};

TEST_F(Lifecycle, OneInstanceWithItsDefaultsUntilDestroyed)
{
    ASSERT_FALSE(QFileInfo::exists(sim::Files::instance().pendantRoot()));
    PositionerData::destroy();  // without an instance: nothing
    PositionerData* d = PositionerData::getInstance();
    EXPECT_EQ(PositionerData::getInstance(), d);
    EXPECT_EQ(d->parent(), nullptr);
    // The controller's calibration file is fetched, nothing else exchanged.
    ASSERT_EQ(sim::Files::instance().transfers().size(), 1u);
    EXPECT_EQ(sim::Files::instance().transfers()[0].direction, sim::Transfer::Fetch);
    EXPECT_TRUE(QFileInfo(positionerDir()).isDir());
    expectDefaults(*d);

    d->parms[3].axes1Type = 2;
    d->teachedPoints[8].values[11] = 1.0;
    d->dynBaseName = "table";
    d->setMaxAuxjNum(2);
    d->teachStatus = 0x1ff;
    d->setUsedVars_currentposID(true);
    bool deleted = false;
    QObject::connect(d, &QObject::destroyed, [&] { deleted = true; });
    PositionerData::destroy();
    EXPECT_TRUE(deleted) << "outside a wait the instance goes at once";
    PositionerData::destroy();
    expectDefaults(*PositionerData::getInstance());
    EXPECT_EQ(sim::Files::instance().transfers().size(), 2u);
}

TEST_F(Lifecycle, TheConstructorReadsTheControllersCalibration)
{
    writeFile(sim::Files::instance().controllerFile("/Application/positioner/positionercalibframepar.xml"),
              "<FramePar><Positioner/><Positioner/><Positioner><Axes1Type>1</Axes1Type>"
              "<UserFrame>42</UserFrame></Positioner></FramePar>");
    PositionerData* d = PositionerData::getInstance();
    EXPECT_EQ(d->parms[2].axes1Type, 2);
    EXPECT_EQ(d->parms[2].userFrame[0], 42.0);
    EXPECT_TRUE(d->positionerDataIsEqual(d->parms[2], d->savedParms[2]));
}

TEST_F(Lifecycle, MaxAuxjNumStaysWithinTheSixExternalAxes)
{
    PositionerData* d = PositionerData::getInstance();
    for (const auto& row : {std::pair<int, int>{3, 3}, {0, 6}, {6, 6}, {7, 6}, {-2, -2}}) {
        d->setMaxAuxjNum(row.first);
        EXPECT_EQ(d->maxAuxjNum, row.second) << row.first;
    }
}

// A wait of 0 returns at once and handles nothing; a longer one keeps the
// host's timers going.
TEST_F(Lifecycle, TheWaitKeepsTheHostsEventsGoing)
{
    PositionerData* d = PositionerData::getInstance();
    int fired = 0;
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout, [&] { ++fired; });
    ticks.start(0);
    QElapsedTimer timer;
    timer.start();
    d->delay_MSec(0);
    EXPECT_EQ(fired, 0);
    d->delay_MSec(40);
    EXPECT_GE(timer.elapsed(), 40);
    EXPECT_GT(fired, 0);
}

// Each operation that waits may see the host destroy the instance from a
// handler; the instance is deleted only when that operation returns.
TEST_F(Lifecycle, AnInstanceDestroyedDuringAWaitLivesUntilTheWaitReturns)
{
    ControllerSimulator controller;
    controller.setLatency(40);
    rtmCustomRvarIntVect axesStatus("ipos.calculate_axes_status", 2, 1);
    rtmCustomRvarInt userStatus("ipos.calculate_user_status", 1);
    controller.onRequest("ipos.calculate_axes", [&] { axesStatus.setValue(0, 1); });
    controller.onRequest("ipos.calculate_user", [&] { userStatus = 1; });
    sim::ProgramEditor::instance().openPositionerProgram();
    ASSERT_TRUE(SampleFiles::installOnController("GLOBAL.var", "/xpl/GLOBAL.var"));

    const std::pair<const char*, std::function<void(PositionerData*)>> operations[] = {
        {"delay_MSec", [](PositionerData* d) { d->delay_MSec(40); }},
        {"clearTeachedPoint", [](PositionerData* d) {
             rtmCustomRvarBool("ipos.bclearpoint", 1) = true;
             d->clearTeachedPoint(1);
         }},
        {"calculatePositionerFrame", [](PositionerData* d) { EXPECT_EQ(d->calculatePositionerFrame(0), 1); }},
        {"calculateUserFrame", [](PositionerData* d) { EXPECT_EQ(d->calculateUserFrame(), 1); }},
        {"setDynRefSys", [](PositionerData* d) { EXPECT_TRUE(d->setDynRefSys(0)); }},
        {"nested waits", [](PositionerData* d) {
             const QPointer<QObject> alive(d);
             bool aliveAfterInner = false;
             // Due at the outer wait's first pass, as the destroy before it.
             QTimer::singleShot(0, [&] {
                 d->delay_MSec(40);
                 aliveAfterInner = !alive.isNull();
             });
             d->delay_MSec(20);
             EXPECT_TRUE(aliveAfterInner);
         }},
    };
    for (const auto& operation : operations) {
        PositionerData* waiting = PositionerData::getInstance();
        bool deleted = false;
        QObject::connect(waiting, &QObject::destroyed, [&] { deleted = true; });
        PositionerData* fresh = nullptr;
        bool deletedDuringWait = true;
        // Due at the wait's first pass over the host's events, however loaded
        // the machine.
        QTimer::singleShot(0, [&] {
            PositionerData::destroy();
            fresh = PositionerData::getInstance();
            deletedDuringWait = deleted;
        });
        operation.second(waiting);
        EXPECT_FALSE(deletedDuringWait) << operation.first;
        EXPECT_TRUE(deleted) << operation.first;
        EXPECT_NE(fresh, waiting) << operation.first;
        EXPECT_EQ(PositionerData::getInstance(), fresh) << operation.first;
    }
}

}  // namespace
