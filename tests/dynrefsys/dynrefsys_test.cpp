// Registering wobj_dyn0 for a positioner, and writing the object frames into the
// open program.
#include "simfixture.h"

#include <controllersimulator.h>
#include <samplefiles.h>

#include <gmock/gmock.h>

#include <QTimer>

#include <algorithm>
#include <functional>
#include <iterator>

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

class DynRefSys : public PositionerCell
{
protected:
    sim::ProgramEditor& editor = sim::ProgramEditor::instance();
    std::unique_ptr<ControllerSimulator> controller;
    std::unique_ptr<WriteLog> writes;

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
        writes = std::make_unique<WriteLog>();
    }

    void TearDown() override
    {
        writes.reset();
        controller.reset();
        PositionerCell::TearDown();
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
    EXPECT_EQ(writes->entries(), (QStringList{"ipos.posindex=3", "ipos.bswitchpos=true", "ipos.bswitchpos=false",
                                              "ipos.currentposindex=3"}));
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

TEST_F(DynRefSys, WithoutWobjDyn0InTheProgramNothingIsRequested)
{
    editor.reset();
    EXPECT_FALSE(d->setDynRefSys(0));
    EXPECT_TRUE(writes->entries().isEmpty());
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

// A failed file exchange is shown, and the registration is made all the same.
TEST_F(DynRefSys, FileExchangeFailuresAreShownInOrder)
{
    const struct
    {
        const char* what;
        std::function<void()> fault;
        QStringList boxes;
        bool sent;
    } cases[] = {
        {"fetch", [] { sim::Files::instance().failNextFetches(1); }, {"Failed to get GLOBAL.var."}, false},
        {"rewrite", [this] { writeFile(sim::Files::instance().controllerFile("/xpl/GLOBAL.var"), "not xml"); },
         {"Failed to write GLOBAL.var."}, true},
        {"rewrite and send",
         [this] {
             writeFile(sim::Files::instance().controllerFile("/xpl/GLOBAL.var"), "not xml");
             sim::Files::instance().failNextSends(1);
         },
         {"Failed to write GLOBAL.var.", "Failed to send GLOBAL.var."}, false},
        {"send", [] { sim::Files::instance().failNextSends(1); }, {"Failed to send GLOBAL.var."}, false},
    };
    for (const auto& c : cases) {
        sim::MessageBoxes::instance().reset();
        ASSERT_TRUE(SampleFiles::installOnController("GLOBAL.var", "/xpl/GLOBAL.var"));
        const int transfers = int(sim::Files::instance().transfers().size());
        c.fault();
        EXPECT_TRUE(d->setDynRefSys(0)) << c.what;
        EXPECT_EQ(boxTexts(), c.boxes) << c.what;
        const auto& log = sim::Files::instance().transfers();
        const bool sent = std::any_of(log.begin() + transfers, log.end(), [](const sim::Transfer& t) {
            return t.direction == sim::Transfer::Send && t.ok;
        });
        EXPECT_EQ(sent, c.sent) << c.what;
    }
    EXPECT_EQ(editor.dynRefSystems().size(), std::size(cases));

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
}

// Without the controller's acknowledgement the switch goes on after 100 rounds.
TEST_F(DynRefSys, AcknowledgementBudget)
{
    controller->setAnswering(false);
    QElapsedTimer timer;
    timer.start();
    EXPECT_TRUE(d->setDynRefSys(1));
    EXPECT_GE(timer.elapsed(), 100 * 16);
    EXPECT_TRUE(bool(rtmCustomRvarBool("ipos.bswitchpos", 1)));
    EXPECT_EQ(int(ipos_currentposindex), 2);
}

// The frame is read after the wait, so a handler's change is the one registered.
TEST_F(DynRefSys, TheFrameIsTakenAfterTheAcknowledgement)
{
    controller->setLatency(60);
    QTimer::singleShot(10, [this] { d->parms[4].userFrame[0] = -1.5; });
    EXPECT_TRUE(d->setDynRefSys(4));
    EXPECT_EQ(editor.dynRefSystems().at(0).frame[0], -1.5);
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

TEST_F(DynRefSys, AConstantPointIsNotWritten)
{
    const unsigned int constant = editor.declare("oframe_p4", true);
    editor.clearCalls();
    EXPECT_TRUE(d->saveDynRefSys(0));
    int written = 0;
    for (const sim::EditorCall& call : editor.calls()) {
        if (call.op == "setVariable") {
            EXPECT_NE(call.args[0].toUInt(), constant);
            ++written;
        }
    }
    EXPECT_EQ(written, 10);
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
