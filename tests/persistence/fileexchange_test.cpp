// Moving files between pendant and controller, the read request and change
// detection.
#include "simfixture.h"

#include <cmath>
#include <limits>

namespace {

class FileExchange : public PositionerCell
{
};

TEST_F(FileExchange, RecordsCompareExactly)
{
    PositionerParm a;
    PositionerParm b;
    EXPECT_TRUE(d->positionerDataIsEqual(a, b));
    b.axes2Index = 2;
    EXPECT_FALSE(d->positionerDataIsEqual(a, b));
    b = a;
    a.userFrame[5] = 0.0;
    b.userFrame[5] = -0.0;
    EXPECT_TRUE(d->positionerDataIsEqual(a, b));
    b.axes2FrameToBase[3] = 1e-12;
    EXPECT_FALSE(d->positionerDataIsEqual(a, b));
    b = a;
    b.axes1Type = -1;
    EXPECT_FALSE(d->positionerDataIsEqual(a, b));

    a.axes1Frame[2] = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(d->positionerDataIsEqual(a, a));
}

TEST_F(FileExchange, ANaNReadFromTheFileNeverComparesEqual)
{
    const QString path = positionerDir() + "/positionercalibframepar.xml";
    writeFile(path, "<FramePar><Positioner><UserFrame>1,nan,3</UserFrame></Positioner></FramePar>");
    ASSERT_TRUE(d->readPositionerFile(path));
    EXPECT_TRUE(std::isnan(d->parms[0].userFrame[1]));
    EXPECT_FALSE(d->positionerDataIsEqual(d->parms[0], d->savedParms[0]));
    EXPECT_TRUE(d->positionerDataIsEqual(d->parms[1], d->savedParms[1]));
}

TEST_F(FileExchange, TheConstructorReadsTheControllersCalibration)
{
    ASSERT_TRUE(d->writePositionerFile(positionerDir() + "/source.xml"));
    d->parms[2].axes1Type = 2;
    d->parms[2].userFrame[0] = 42.0;
    ASSERT_TRUE(d->writePositionerFile(positionerDir() + "/source.xml"));
    ASSERT_TRUE(d->sendFileToCtrl(positionerDir() + "/source.xml",
                                  "/Application/positioner/positionercalibframepar.xml"));
    PositionerData::destroy();

    d = PositionerData::getInstance();
    EXPECT_EQ(d->parms[2].axes1Type, 2);
    EXPECT_EQ(d->parms[2].userFrame[0], 42.0);
    EXPECT_TRUE(d->positionerDataIsEqual(d->parms[2], d->savedParms[2]));
}

}  // namespace



namespace {

TEST_F(FileExchange, AClearedFrameCountsAsChangedUntilTheNextRead)
{
    const QString path = positionerDir() + "/positionercalibframepar.xml";
    d->parms[6].axes2Type = 1;
    d->parms[6].axes2Frame[1] = 12.5;
    ASSERT_TRUE(d->writePositionerFile(path));
    ASSERT_TRUE(d->readPositionerFile(path));
    ASSERT_TRUE(d->positionerDataIsEqual(d->parms[6], d->savedParms[6]));

    d->setPositionerID(0);
    d->clearPositionerFrame(6, 1);
    EXPECT_FALSE(d->positionerDataIsEqual(d->parms[6], d->savedParms[6]));
    EXPECT_TRUE(d->positionerDataIsEqual(d->parms[0], d->savedParms[0]));
    ASSERT_TRUE(d->readPositionerFile(path));
    EXPECT_TRUE(d->positionerDataIsEqual(d->parms[6], d->savedParms[6]));
    EXPECT_EQ(d->parms[6].axes2Frame[1], 12.5);
}

}  // namespace
