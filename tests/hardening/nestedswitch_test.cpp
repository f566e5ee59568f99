// A host handler that switches to another positioner while setDynRefSys waits
// for the controller: the outer call, which registers last, takes the
// controller back, so that controller and editor agree on one positioner.
#include "simfixture.h"

#include <controllersimulator.h>
#include <positionervariables.h>
#include <samplefiles.h>
#include <sim/programeditor.h>

#include <QTimer>

namespace {

class NestedSwitch : public PositionerCell
{
protected:
    std::unique_ptr<ControllerSimulator> controller;

    void SetUp() override
    {
        PositionerCell::SetUp();
        sim::ProgramEditor::instance().openPositionerProgram();
        ASSERT_TRUE(SampleFiles::installOnController("GLOBAL.var", "/xpl/GLOBAL.var"));
        controller = std::make_unique<ControllerSimulator>();
        controller->setLatency(5);
        for (int i = 0; i < 10; ++i)
            d->parms[i].userFrame[0] = 10.0 * (i + 1);
    }

    void TearDown() override
    {
        controller.reset();
        PositionerCell::TearDown();
    }
};

TEST_F(NestedSwitch, TheOuterCallEndsWithControllerAndEditorOnItsPositioner)
{
    bool inner = false;
    QTimer::singleShot(1, [&] { inner = d->setDynRefSys(5); });
    EXPECT_TRUE(d->setDynRefSys(0));
    EXPECT_TRUE(inner);
    EXPECT_EQ(int(rtmCustomRvarInt("ipos.posindex", 1)), 1);
    EXPECT_EQ(int(ipos_currentposindex), 1);
    ASSERT_FALSE(sim::ProgramEditor::instance().dynRefSystems().empty());
    EXPECT_EQ(sim::ProgramEditor::instance().dynRefSystems().back().frame[0], 10.0);
}

TEST_F(NestedSwitch, HandlersThatKeepSwitchingLeaveNothingRegistered)
{
    // Every wait of the outer call lets a handler switch elsewhere.
    QTimer switcher;
    QObject::connect(&switcher, &QTimer::timeout, [&] { d->switchPosId(9); });
    switcher.start(2);
    const int before = int(ipos_currentposindex);
    EXPECT_FALSE(d->setDynRefSys(0));
    EXPECT_EQ(int(ipos_currentposindex), before);
}

}  // namespace
