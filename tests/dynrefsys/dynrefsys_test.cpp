// Registering wobj_dyn0 for a positioner, with the controller's round trip or
// without, and writing the object frames into the open program.
#include "simfixture.h"

#include <controllersimulator.h>
#include <samplefiles.h>

#include <gmock/gmock.h>

#include <QElapsedTimer>
#include <QTimer>

#include <functional>
#include <limits>

using ::testing::ElementsAreArray;

namespace {

class DynRefSys : public PositionerCell
{
protected:
    sim::ProgramEditor& editor = sim::ProgramEditor::instance();
    ControllerSimulator controller;
    WriteLog writes;

    void SetUp() override
    {
        PositionerCell::SetUp();
        editor.openPositionerProgram();
        ASSERT_TRUE(SampleFiles::installOnController("GLOBAL.var", "/xpl/GLOBAL.var"));
        controller.setLatency(20);
        for (int i = 0; i < 10; ++i) {
            for (int k = 0; k < 6; ++k)
                d->parms[i].userFrame[k] = 10.0 * (i + 1) + k;
        }
    }

    static QStringList boxTexts()
    {
        QStringList texts;
        for (const sim::ShownMessage& box : sim::MessageBoxes::instance().shown())
            texts << box.text;
        return texts;
    }

    static QByteArray controllerGlobalVar()
    {
        return readFile(sim::Files::instance().controllerFile("/xpl/GLOBAL.var"));
    }
};

// The switch is asked for and acknowledged, GLOBAL.var goes round, and only a
// registration the editor accepts is recorded on the controller.
TEST_F(DynRefSys, SwitchesRewritesSendsAndRegisters)
{
    d->parms[2].axes1Type = 2;
    for (bool accepted : {true, false}) {
        editor.setAcceptDynRefSys(accepted);
        ipos_currentposindex = 9;
        writes.clear();
        EXPECT_EQ(d->setDynRefSys(2), accepted);
        QStringList expected = {"ipos.posindex=3", "ipos.bswitchpos=true", "ipos.bswitchpos=false"};
        EXPECT_EQ(writes.entries(), accepted ? expected << "ipos.currentposindex=3" : expected);
        const sim::DynRefSysEntry& entry = editor.dynRefSystems().back();
        EXPECT_EQ(entry.id, editor.getVisibleVarDef("wobj_dyn0").id());
        EXPECT_EQ(entry.baseName, "table");
        EXPECT_THAT(entry.frame, ElementsAreArray(d->parms[2].userFrame));
        EXPECT_EQ(entry.kind, 1);
        EXPECT_THAT(d->dynOframe, ElementsAreArray(d->parms[2].userFrame));
        EXPECT_EQ(d->dynBaseName, "table");
        EXPECT_TRUE(controllerGlobalVar().contains("&quot;oframe&quot;:{&quot;x&quot;:30,&quot;y&quot;:31,"));
        d->dynBaseName.clear();
        sim::Files::instance().reset();
        ASSERT_TRUE(SampleFiles::installOnController("GLOBAL.var", "/xpl/GLOBAL.var"));
    }
    EXPECT_EQ(int(ipos_currentposindex), 9);
    EXPECT_TRUE(boxTexts().isEmpty());

    editor.reset();
    writes.clear();
    EXPECT_FALSE(d->setDynRefSys(0)) << "no wobj_dyn0 in the program";
    EXPECT_TRUE(writes.entries().isEmpty());
    EXPECT_TRUE(sim::Files::instance().transfers().empty());
}

// A failed file exchange is shown, and the registration is made all the same.
TEST_F(DynRefSys, FileExchangeFailuresAreShownInOrder)
{
    const auto unreadable = [] { writeFile(sim::Files::instance().controllerFile("/xpl/GLOBAL.var"), "not xml"); };
    const auto failSend = [] { sim::Files::instance().failNextSends(1); };
    const struct
    {
        std::function<void()> fault;
        QStringList boxes;
    } cases[] = {
        {[] { sim::Files::instance().failNextFetches(1); }, {"Failed to get GLOBAL.var."}},
        {unreadable, {"Failed to write GLOBAL.var."}},
        {failSend, {"Failed to send GLOBAL.var."}},
        {[&] { unreadable(); failSend(); }, {"Failed to write GLOBAL.var.", "Failed to send GLOBAL.var."}},
    };
    for (const auto& c : cases) {
        sim::MessageBoxes::instance().reset();
        ASSERT_TRUE(SampleFiles::installOnController("GLOBAL.var", "/xpl/GLOBAL.var"));
        c.fault();
        const QByteArray before = controllerGlobalVar();
        EXPECT_TRUE(d->setDynRefSys(0)) << qPrintable(c.boxes.join(' '));
        EXPECT_EQ(boxTexts(), c.boxes);
        EXPECT_EQ(controllerGlobalVar(), before) << "nothing rewritten reaches the controller";
    }
    EXPECT_EQ(editor.dynRefSystems().size(), std::size(cases));
    const sim::ShownMessage& box = sim::MessageBoxes::instance().shown()[0];
    EXPECT_EQ((QVariantList{box.kind, box.buttons, box.modal, box.closable, box.defaultButton, box.showIcon,
                            box.autoClose, box.title, box.acceptText, box.rejectText, box.timeout}),
              (QVariantList{2, 1, true, false, 0, false, false, "unchanged", "unchanged", "unchanged", 18}));
}

// Without the controller's acknowledgement the switch goes on after 100 rounds.
TEST_F(DynRefSys, AcknowledgementBudget)
{
    controller.setAnswering(false);
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
    controller.setLatency(60);
    QTimer::singleShot(10, [this] { d->parms[4].userFrame[0] = -1.5; });
    EXPECT_TRUE(d->setDynRefSys(4));
    EXPECT_EQ(editor.dynRefSystems().at(0).frame[0], -1.5);
}

// All ten points, then the object frame of wobj_dyn0, then the program is saved,
// each in write mode; a constant point is not written.
TEST_F(DynRefSys, SaveWritesAllPointsThenTheObjectFrameThenSaves)
{
    const unsigned int constant = editor.declare("oframe_p4", true);
    editor.clearCalls();
    ASSERT_TRUE(d->saveDynRefSys(3));

    QStringList written;
    for (const sim::EditorCall& call : editor.calls()) {
        if (call.op == "getVisibleVarDef")
            written << call.args[0].toString();
        EXPECT_FALSE(call.op == "setVariable" && call.args[0].toUInt() == constant);
    }
    QStringList expected;
    for (int number = 1; number <= 10; ++number)
        expected << QStringLiteral("oframe_p%1").arg(number);
    EXPECT_EQ(written, expected << "wobj_dyn0");
    const QStringList calls = editor.callNames();
    EXPECT_LT(calls.lastIndexOf("setVariable"), calls.indexOf("saveProgram"));

    for (int number = 1; number <= 10; ++number) {
        const QVariantHash point = editor.value(QStringLiteral("oframe_p%1").arg(number)).toHash();
        EXPECT_EQ(point.size(), number == 4 ? 0 : 6);
        EXPECT_EQ(point["x"].toDouble(), number == 4 ? 0 : d->parms[number - 1].userFrame[0]);
        EXPECT_EQ(point["c"].toDouble(), number == 4 ? 0 : d->parms[number - 1].userFrame[5]);
    }
    const QVariantHash wobj = editor.value("wobj_dyn0").toHash();
    EXPECT_EQ(wobj.keys().size(), 6);
    EXPECT_EQ(wobj["oframe.x"].toDouble(), 40.0);
    EXPECT_EQ(wobj["oframe.c"].toDouble(), 45.0);
    EXPECT_EQ(editor.savedPrograms(), QStringList{"positioner_cell.xpl"});
    EXPECT_FALSE(editor.isWriteMode());
}

// The write mode is left as it was: refused, nothing is written or saved; on
// already, it stays on.
TEST_F(DynRefSys, WriteModeIsLeftAsItWas)
{
    editor.setRefuseWriteMode(true);
    EXPECT_FALSE(d->saveDynRefSys(0));
    EXPECT_TRUE(editor.value("oframe_p1").toHash().isEmpty());
    EXPECT_TRUE(editor.savedPrograms().isEmpty());
    EXPECT_FALSE(editor.isWriteMode());

    editor.setRefuseWriteMode(false);
    editor.setWriteModeDirectly(true);
    editor.clearCalls();
    EXPECT_TRUE(d->saveDynRefSys(0));
    EXPECT_TRUE(editor.isWriteMode());
    for (const sim::EditorCall& call : editor.calls())
        EXPECT_FALSE(call.op == "setWriteMode" && !call.args[0].toBool());
}

// A host handler that switches to another positioner while the switch waits:
// the outer call, which registers last, takes the controller back, so that
// controller and editor agree on one positioner.
TEST_F(DynRefSys, TheOuterOfNestedSwitchesEndsWithControllerAndEditorOnItsPositioner)
{
    bool inner = false;
    QTimer::singleShot(1, [&] { inner = d->setDynRefSys(5); });
    EXPECT_TRUE(d->setDynRefSys(0));
    EXPECT_TRUE(inner);
    EXPECT_EQ(int(rtmCustomRvarInt("ipos.posindex", 1)), 1);
    EXPECT_EQ(int(ipos_currentposindex), 1);
    ASSERT_FALSE(editor.dynRefSystems().empty());
    EXPECT_EQ(editor.dynRefSystems().back().frame[0], 10.0);
}

// A user frame holding NaN or an infinity is never handed to the editor, with
// the controller's round trip or without.
TEST_F(DynRefSys, ANonFiniteUserFrameIsNotRegistered)
{
    for (const double bad : {std::numeric_limits<double>::quiet_NaN(), -std::numeric_limits<double>::infinity()}) {
        d->parms[4].userFrame[5] = bad;
        const int before = int(ipos_currentposindex);
        EXPECT_FALSE(d->setDynRefSys(4));
        EXPECT_FALSE(d->initActiveDyn0(5));
        EXPECT_TRUE(editor.dynRefSystems().empty());
        EXPECT_EQ(int(ipos_currentposindex), before);
    }
}

// Without the controller, of the kind the axis types make, for the record
// asked for; the rest of the registration is setDynRefSys's own.
TEST_F(DynRefSys, InitActiveDyn0RegistersWithoutTheController)
{
    const struct
    {
        int axes1Type, axes2Type, kind;
    } cases[] = {{2, 1, 3}, {0, 4, 2}, {-1, 0, 2}, {1, 0, 2}, {2, 0, 1}, {3, 0, 2}, {1, 1, 3}, {2, -1, 1}};
    for (const auto& c : cases) {
        d->parms[6].axes1Type = c.axes1Type;
        d->parms[6].axes2Type = c.axes2Type;
        d->parms[6].userFrame[0] = c.kind + 0.5;
        writes.clear();
        ASSERT_TRUE(d->initActiveDyn0(7));
        const sim::DynRefSysEntry& entry = editor.dynRefSystems().back();
        EXPECT_EQ(entry.kind, c.kind) << c.axes1Type << "," << c.axes2Type;
        EXPECT_THAT(entry.frame, ElementsAreArray(d->parms[6].userFrame));
        EXPECT_TRUE(writes.entries().isEmpty());
    }
    EXPECT_EQ(editor.dynRefSystems().size(), std::size(cases));
    EXPECT_EQ(editor.activeRefSys(), 0u);
}

TEST_F(DynRefSys, InitActiveDyn0KeepsTheFrameOnlyWhenWobjDyn0IsThere)
{
    d->dynBaseName = "before";
    editor.reset();
    EXPECT_FALSE(d->initActiveDyn0(1));
    EXPECT_EQ(d->dynBaseName, "before");
    EXPECT_EQ(d->dynOframe[0], 0.0);

    // A refused registration keeps the copied frame.
    editor.openPositionerProgram();
    editor.setAcceptDynRefSys(false);
    EXPECT_FALSE(d->initActiveDyn0(1));
    EXPECT_EQ(d->dynOframe[0], 10.0);
    EXPECT_EQ(d->dynBaseName, "table");
}

}  // namespace
