// The singleton: construction, its defaults, the fetch of the calibration file
// and destruction, also from a host handler in the middle of a wait.
#include "simfixture.h"

#include <QTimer>

namespace {

class Lifecycle : public SimulatedCell
{
protected:
    static QString localCalibFile() { return positionerDir() + "/positionercalibframepar.xml"; }
    static QString controllerCalibFile()
    {
        return sim::Files::instance().controllerFile("/Application/positioner/positionercalibframepar.xml");
    }
    static int fetches()
    {
        int count = 0;
        for (const sim::Transfer& transfer : sim::Files::instance().transfers())
            count += transfer.direction == sim::Transfer::Fetch;
        return count;
    }
};

void expectDefaultRecord(const PositionerParm& p)
{
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(p.axes1Frame[k], 0.0);
        EXPECT_EQ(p.axes2Frame[k], 0.0);
        EXPECT_EQ(p.axes2FrameToBase[k], 0.0);
        EXPECT_EQ(p.userFrame[k], 0.0);
    }
    EXPECT_EQ(p.axes1Type, 0);
    EXPECT_EQ(p.axes1Index, 0);
    EXPECT_EQ(p.axes2Type, 0);
    EXPECT_EQ(p.axes2Index, 1);
}

void expectDefaults(const PositionerData& d)
{
    for (int i = 0; i < 10; ++i) {
        expectDefaultRecord(d.parms[i]);
        expectDefaultRecord(d.savedParms[i]);
    }
    for (const TeachedPoint& point : d.teachedPoints) {
        for (double value : point.values)
            EXPECT_EQ(value, 0.0);
    }
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(d.dynUframe[k], 0.0);
        EXPECT_EQ(d.dynOframe[k], 0.0);
    }
    EXPECT_TRUE(d.dynBaseName.isEmpty());
    EXPECT_FALSE(d.dynMovable);
    EXPECT_FALSE(d.dynOnRobot);
    EXPECT_EQ(d.positionerAxisID, 0);
    EXPECT_EQ(d.positionerID, 0);
    EXPECT_EQ(d.teachStatus, 0);
    EXPECT_FALSE(d.usedCurrentPosID);
    EXPECT_NE(d.userFrameDynEditor, nullptr);
    EXPECT_EQ(d.maxAuxjNum, 6);
}

TEST_F(Lifecycle, GetInstanceBuildsOneObject)
{
    PositionerData* first = PositionerData::getInstance();
    PositionerData* second = PositionerData::getInstance();
    EXPECT_EQ(first, second);
    EXPECT_EQ(fetches(), 1);
    EXPECT_EQ(first->parent(), nullptr);
}

TEST_F(Lifecycle, EveryMemberStartsAtItsDefault)
{
    expectDefaults(*PositionerData::getInstance());
}

TEST_F(Lifecycle, DestroyThenGetInstanceStartsAfresh)
{
    PositionerData::destroy();  // without an instance: nothing
    PositionerData* d = PositionerData::getInstance();
    d->parms[3].axes1Type = 2;
    d->savedParms[9].userFrame[5] = 90.0;
    d->teachedPoints[8].values[11] = 1.0;
    d->dynBaseName = "table";
    d->setPositionerID(4);
    d->setPositionerAxisID(1);
    d->setMaxAuxjNum(2);
    d->teachStatus = 0x1ff;
    d->setUsedVars_currentposID(true);

    PositionerData::destroy();
    PositionerData::destroy();
    expectDefaults(*PositionerData::getInstance());
    EXPECT_EQ(fetches(), 2);
}

TEST_F(Lifecycle, CreatesTheMissingPositionerDirectoryWithItsParents)
{
    ASSERT_FALSE(QFileInfo::exists(sim::Files::instance().pendantRoot()));
    PositionerData::getInstance();
    EXPECT_TRUE(QFileInfo(positionerDir()).isDir());
}

TEST_F(Lifecycle, MaxAuxjNumStaysWithinTheSixExternalAxes)
{
    PositionerData* d = PositionerData::getInstance();
    d->setMaxAuxjNum(3);
    EXPECT_EQ(d->maxAuxjNum, 3);
    d->setMaxAuxjNum(0);
    EXPECT_EQ(d->maxAuxjNum, 6);
    d->setMaxAuxjNum(6);
    EXPECT_EQ(d->maxAuxjNum, 6);
    d->setMaxAuxjNum(7);
    EXPECT_EQ(d->maxAuxjNum, 6);
    d->setMaxAuxjNum(-2);
    EXPECT_EQ(d->maxAuxjNum, -2);
}

// A host handler that destroys the instance while one of its operations waits.
TEST_F(Lifecycle, DestroyDuringAWaitDeletesWhenTheWaitReturns)
{
    PositionerData* waiting = PositionerData::getInstance();
    bool deleted = false;
    QObject::connect(waiting, &QObject::destroyed, [&] { deleted = true; });
    PositionerData* fresh = nullptr;
    bool deletedDuringWait = true;
    QTimer::singleShot(10, [&] {
        PositionerData::destroy();
        fresh = PositionerData::getInstance();
    });
    QTimer::singleShot(30, [&] { deletedDuringWait = deleted; });

    waiting->delay_MSec(60);
    EXPECT_FALSE(deletedDuringWait);
    EXPECT_TRUE(deleted);
    ASSERT_NE(fresh, nullptr);
    EXPECT_NE(fresh, waiting);
    EXPECT_EQ(PositionerData::getInstance(), fresh);
}

TEST_F(Lifecycle, TheInstanceOutlivesTheOutermostOfNestedWaits)
{
    PositionerData* d = PositionerData::getInstance();
    bool deleted = false;
    bool deletedAfterInner = true;
    QObject::connect(d, &QObject::destroyed, [&] { deleted = true; });
    QTimer::singleShot(5, [&] {
        QTimer::singleShot(5, [] { PositionerData::destroy(); });
        d->delay_MSec(30);
        deletedAfterInner = deleted;
    });
    d->delay_MSec(80);
    EXPECT_FALSE(deletedAfterInner);
    EXPECT_TRUE(deleted);
}

}  // namespace

namespace {

// The host reads the members directly, so their order is part of its ABI, and
// the class adds no meta-object of its own.
TEST_F(Lifecycle, MembersKeepTheirPublishedOrder)
{
    PositionerData* d = PositionerData::getInstance();
    const std::vector<const void*> members = {
        &d->parms,         &d->savedParms,       &d->teachedPoints,   &d->dynUframe,
        &d->dynOframe,     &d->dynBaseName,      &d->dynMovable,      &d->dynOnRobot,
        &d->positionerAxisID, &d->positionerID,  &d->teachStatus,     &d->usedCurrentPosID,
        &d->userFrameDynEditor, &d->maxAuxjNum};
    for (std::size_t k = 1; k < members.size(); ++k)
        EXPECT_LT(members[k - 1], members[k]) << "member " << k;
    EXPECT_EQ(static_cast<const void*>(&d->savedParms),
              static_cast<const void*>(reinterpret_cast<const char*>(&d->parms) + sizeof d->parms));
    EXPECT_EQ(d->metaObject(), &QObject::staticMetaObject);
    static_assert(sizeof(PositionerParm) == 4 * 6 * sizeof(double) + 4 * sizeof(int), "plain record");
    static_assert(sizeof(TeachedPoint) == 12 * sizeof(double), "plain record");
    static_assert(std::is_standard_layout<PositionerParm>::value, "plain record");
}

}  // namespace
