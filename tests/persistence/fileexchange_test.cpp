// Moving files between pendant and controller, the read request and change
// detection.
#include "simfixture.h"

#include <cmath>
#include <limits>

namespace {

class FileExchange : public PositionerCell
{
};

TEST_F(FileExchange, TheReadRequestIsRaisedEveryTime)
{
    int raised = 0;
    const int id = sim::VariableStore::instance().observe([&](const QString& name, const QVariant& value) {
        raised += name == "ipos.breadcalibframe" && value.toBool();
    });
    d->rdeReadFileCode();
    d->rdeReadFileCode();
    sim::VariableStore::instance().unobserve(id);
    EXPECT_EQ(raised, 2);
}

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

TEST_F(FileExchange, ARecordChangedSinceTheLastReadIsFound)
{
    const QString path = positionerDir() + "/positionercalibframepar.xml";
    d->parms[4].axes1Type = 1;
    d->parms[4].axes1Frame[0] = 10.5;
    d->parms[7].userFrame[2] = -3.25;
    ASSERT_TRUE(d->writePositionerFile(path));
    ASSERT_TRUE(d->readPositionerFile(path));
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(d->positionerDataIsEqual(d->parms[i], d->savedParms[i])) << "record " << i;

    d->parms[7].userFrame[2] = -3.2501;
    EXPECT_FALSE(d->positionerDataIsEqual(d->parms[7], d->savedParms[7]));
    EXPECT_TRUE(d->positionerDataIsEqual(d->parms[4], d->savedParms[4]));
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

TEST_F(FileExchange, AControllerFileThatIsNotXmlLeavesTheDefaults)
{
    writeFile(sim::Files::instance().controllerFile("/Application/positioner/positionercalibframepar.xml"),
              "garbage");
    PositionerData::destroy();
    d = PositionerData::getInstance();
    EXPECT_EQ(d->parms[0].axes2Index, 1);
    EXPECT_EQ(d->savedParms[0].axes2Index, 1);
}

}  // namespace

#include <calibrationreader.h>
#include <controllersimulator.h>

namespace {

TEST_F(FileExchange, TheControllerReadsTheSentCalibrationOnRequest)
{
    ControllerSimulator controller;
    controller.setLatency(20);
    CalibrationReader reader(controller);
    rtmCustomRvarBool request("ipos.breadcalibframe", 1);

    d->parms[1].axes1Type = 2;
    d->parms[1].axes1Index = 0;
    d->parms[1].userFrame[3] = -90.0;
    const QString local = positionerDir() + "/positionercalibframepar.xml";
    ASSERT_TRUE(d->writePositionerFile(local));
    ASSERT_TRUE(d->sendFileToCtrl(local, CalibrationReader::controllerPath()));
    d->rdeReadFileCode();
    EXPECT_EQ(reader.reads(), 0);  // the request returns without waiting
    ASSERT_TRUE(processEventsUntil([&] { return !request; }));

    ASSERT_EQ(reader.loaded().size(), 10u);
    const ControllerCalibration& second = reader.loaded()[1];
    EXPECT_EQ(second.id, 2);
    EXPECT_EQ(second.enabledAxes, 1);
    EXPECT_EQ(second.axis1Index, 7);
    EXPECT_EQ(second.axis1Type, 1);
    EXPECT_EQ(second.axis2Type, -1);
    EXPECT_EQ(second.userFrame[3], -90.0);
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
