// Registering wobj_dyn0 for a positioner, and writing the object frames into the
// open program.
#include "simfixture.h"

#include <controllersimulator.h>
#include <samplefiles.h>

#include <gmock/gmock.h>

#include <QTimer>

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

struct Write
{
    QString name;
    QVariant value;
};

class DynRefSys : public PositionerCell
{
protected:
    sim::ProgramEditor& editor = sim::ProgramEditor::instance();
    std::unique_ptr<ControllerSimulator> controller;
    std::vector<Write> writes;
    int observer = 0;

    void SetUp() override
    {
        PositionerCell::SetUp();
        editor.openPositionerProgram();
        ASSERT_TRUE(SampleFiles::installOnController("GLOBAL.var", "/xpl/GLOBAL.var"));
        controller = std::make_unique<ControllerSimulator>();
        controller->setLatency(20);
        for (int i = 0; i < 10; ++i) {
            for (int k = 0; k < 6; ++k)
                d->parms[i].userFrame[k] = 10.0 * (i + 1) + k;
        }
        observer = sim::VariableStore::instance().observe(
            [this](const QString& name, const QVariant& value) { writes.push_back({name, value}); });
    }

    void TearDown() override
    {
        sim::VariableStore::instance().unobserve(observer);
        controller.reset();
        SimulatedCell::TearDown();
    }

    QStringList writtenNames() const
    {
        QStringList names;
        for (const Write& w : writes)
            names << w.name;
        return names;
    }

    QStringList boxTexts() const
    {
        QStringList texts;
        for (const sim::ShownMessage& box : sim::MessageBoxes::instance().shown())
            texts << box.text;
        return texts;
    }

    QByteArray controllerGlobalVar() const
    {
        return readFile(sim::Files::instance().controllerFile("/xpl/GLOBAL.var"));
    }
};

TEST_F(DynRefSys, SwitchesRewritesSendsAndRegisters)
{
    d->parms[2].axes1Type = 2;
    const unsigned int wobjId = sim::ProgramEditor::instance().getVisibleVarDef("wobj_dyn0").id();
    editor.clearCalls();

    ASSERT_TRUE(d->setDynRefSys(2));

    // The library asks for the switch, the controller acknowledges, then the
    // registration is recorded on the controller.
    ASSERT_EQ(writes.size(), 4u);
    EXPECT_EQ(writes[0].name, "ipos.posindex");
    EXPECT_EQ(writes[0].value.toInt(), 3);
    EXPECT_EQ(writes[1].name, "ipos.bswitchpos");
    EXPECT_TRUE(writes[1].value.toBool());
    EXPECT_EQ(writes[2].name, "ipos.bswitchpos");
    EXPECT_FALSE(writes[2].value.toBool());
    EXPECT_EQ(writes[3].name, "ipos.currentposindex");
    EXPECT_EQ(writes[3].value.toInt(), 3);

    EXPECT_THAT(editor.callNames(), ElementsAre("getVisibleVarDef", "setDynRefSys"));
    ASSERT_EQ(editor.dynRefSystems().size(), 1u);
    const sim::DynRefSysEntry& entry = editor.dynRefSystems()[0];
    EXPECT_EQ(entry.id, wobjId);
    EXPECT_EQ(entry.baseName, "table");
    EXPECT_THAT(entry.frame, ElementsAreArray(d->parms[2].userFrame));
    EXPECT_EQ(entry.kind, 1);

    EXPECT_THAT(d->dynOframe, ElementsAreArray(d->parms[2].userFrame));
    EXPECT_EQ(d->dynBaseName, "table");
    EXPECT_TRUE(controllerGlobalVar().contains("&quot;oframe&quot;:{&quot;x&quot;:30,&quot;y&quot;:31,"));
    EXPECT_TRUE(boxTexts().isEmpty());
}

TEST_F(DynRefSys, IndicesOutsideTheTenPositionersDoNothing)
{
    editor.clearCalls();
    EXPECT_FALSE(d->setDynRefSys(10));
    EXPECT_FALSE(d->setDynRefSys(-1));
    EXPECT_FALSE(d->saveDynRefSys(10));
    EXPECT_FALSE(d->saveDynRefSys(-1));
    EXPECT_TRUE(writes.empty());
    EXPECT_TRUE(editor.calls().empty());
    d->setVariableOframePoint(0);
    d->setVariableOframePoint(11);
    d->setVariableDynRefSys(0);
    d->setVariableDynRefSys(11);
    EXPECT_TRUE(editor.calls().empty());
}

TEST_F(DynRefSys, WithoutWobjDyn0InTheProgramNothingIsRequested)
{
    editor.reset();
    EXPECT_FALSE(d->setDynRefSys(0));
    EXPECT_TRUE(writes.empty());
    EXPECT_EQ(sim::Files::instance().transfers().size(), 1u);  // only the constructor's fetch
}

TEST_F(DynRefSys, ARefusedRegistrationKeepsWhatWasDoneBefore)
{
    editor.setAcceptDynRefSys(false);
    ipos_currentposindex = 9;
    EXPECT_FALSE(d->setDynRefSys(2));
    EXPECT_EQ(int(rtmCustomRvarInt("ipos.posindex", 1)), 3);
    EXPECT_EQ(int(ipos_currentposindex), 9);
    EXPECT_THAT(d->dynOframe, ElementsAreArray(d->parms[2].userFrame));
    EXPECT_EQ(d->dynBaseName, "table");
    EXPECT_TRUE(controllerGlobalVar().contains("&quot;x&quot;:30,"));
}

TEST_F(DynRefSys, AFailedFetchShowsOneBoxAndStillRegisters)
{
    sim::Files::instance().failNextFetches(1);
    EXPECT_TRUE(d->setDynRefSys(0));
    EXPECT_THAT(boxTexts(), ElementsAre("Failed to get GLOBAL.var."));
    const sim::ShownMessage& box = sim::MessageBoxes::instance().shown()[0];
    EXPECT_EQ(box.kind, 2);
    EXPECT_EQ(box.buttons, 1);
    EXPECT_TRUE(box.modal);
    EXPECT_FALSE(box.closable);
    EXPECT_EQ(box.defaultButton, 0);
    EXPECT_FALSE(box.showIcon);
    EXPECT_FALSE(box.autoClose);
    EXPECT_EQ(box.title, "unchanged");
    EXPECT_EQ(box.acceptText, "unchanged");
    EXPECT_EQ(box.rejectText, "unchanged");
    EXPECT_EQ(box.timeout, 18);
    // Nothing was sent.
    EXPECT_EQ(controllerGlobalVar(), SampleFiles::read("GLOBAL.var"));
}

TEST_F(DynRefSys, FailedRewriteAndSendShowTwoBoxesInOrder)
{
    writeFile(sim::Files::instance().controllerFile("/xpl/GLOBAL.var"), "not xml");
    sim::Files::instance().failNextSends(1);
    EXPECT_TRUE(d->setDynRefSys(0));
    EXPECT_THAT(boxTexts(), ElementsAre("Failed to write GLOBAL.var.", "Failed to send GLOBAL.var."));
}

TEST_F(DynRefSys, AControllerThatNeverAcknowledgesDelaysButDoesNotStop)
{
    controller->setAnswering(false);
    QElapsedTimer timer;
    timer.start();
    EXPECT_TRUE(d->setDynRefSys(1));
    EXPECT_GE(timer.elapsed(), 100 * 16);
    EXPECT_TRUE(bool(rtmCustomRvarBool("ipos.bswitchpos", 1)));
    EXPECT_EQ(int(ipos_currentposindex), 2);
}

TEST_F(DynRefSys, HostHandlersDuringTheWaitAreSafe)
{
    controller->setLatency(60);
    QTimer::singleShot(10, [this] { d->parms[4].userFrame[0] = -1.5; });
    QTimer::singleShot(20, [] { PositionerData::destroy(); });
    EXPECT_TRUE(d->setDynRefSys(4));
    // The frame read after the wait is the one registered.
    EXPECT_EQ(editor.dynRefSystems().at(0).frame[0], -1.5);
    EXPECT_NE(PositionerData::getInstance(), nullptr);
}

TEST_F(DynRefSys, SaveWritesAllPointsThenTheObjectFrameThenSaves)
{
    editor.clearCalls();
    ASSERT_TRUE(d->saveDynRefSys(3));

    QStringList expected;
    for (int number = 1; number <= 11; ++number)
        expected << "getVisibleVarDef" << "isWriteMode" << "setWriteMode" << "setVariable" << "setWriteMode";
    expected << "isWriteMode" << "setWriteMode" << "filename" << "saveProgram" << "setWriteMode";
    EXPECT_THAT(editor.callNames(), ElementsAreArray(expected));
    EXPECT_EQ(editor.calls()[0].args[0].toString(), "oframe_p1");
    EXPECT_EQ(editor.calls()[45].args[0].toString(), "oframe_p10");
    EXPECT_EQ(editor.calls()[50].args[0].toString(), "wobj_dyn0");
    EXPECT_EQ(editor.calls().back().args[0].toBool(), false);

    for (int number = 1; number <= 10; ++number) {
        const QVariantHash point = editor.value(QStringLiteral("oframe_p%1").arg(number)).toHash();
        EXPECT_EQ(point.size(), 6);
        EXPECT_EQ(point["x"].toDouble(), d->parms[number - 1].userFrame[0]);
        EXPECT_EQ(point["c"].toDouble(), d->parms[number - 1].userFrame[5]);
    }
    const QVariantHash wobj = editor.value("wobj_dyn0").toHash();
    EXPECT_EQ(wobj.keys().size(), 6);
    EXPECT_EQ(wobj["oframe.x"].toDouble(), 40.0);
    EXPECT_EQ(wobj["oframe.c"].toDouble(), 45.0);
    EXPECT_THAT(editor.savedPrograms(), ElementsAre("positioner_cell.xpl"));
    EXPECT_FALSE(editor.isWriteMode());
}

TEST_F(DynRefSys, AConstantPointIsLeftAsItIs)
{
    editor.declare("oframe_p4", true, QVariantHash{{"x", 1.0}});
    EXPECT_TRUE(d->saveDynRefSys(0));
    EXPECT_EQ(editor.value("oframe_p4").toHash(), (QVariantHash{{"x", 1.0}}));
    EXPECT_EQ(editor.value("oframe_p5").toHash()["x"].toDouble(), 50.0);
}

TEST_F(DynRefSys, RefusedWriteModeWritesAndSavesNothing)
{
    editor.setRefuseWriteMode(true);
    EXPECT_FALSE(d->saveDynRefSys(0));
    EXPECT_TRUE(editor.value("oframe_p1").toHash().isEmpty());
    EXPECT_TRUE(editor.savedPrograms().isEmpty());
    EXPECT_FALSE(editor.isWriteMode());
}

TEST_F(DynRefSys, WriteModeAlreadyOnStaysOn)
{
    editor.setWriteModeDirectly(true);
    editor.clearCalls();
    EXPECT_TRUE(d->saveDynRefSys(0));
    EXPECT_TRUE(editor.isWriteMode());
    for (const sim::EditorCall& call : editor.calls()) {
        if (call.op == "setWriteMode") {
            EXPECT_TRUE(call.args[0].toBool());
        }
    }
}

}  // namespace
