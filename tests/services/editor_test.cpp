// The simulated program editor and message box.
#include "simfixture.h"

#include <guilib/msgbox.h>

#include <gmock/gmock.h>

using ::testing::ElementsAre;

namespace {

class Editor : public SimulatedCell
{
protected:
    sim::ProgramEditor& editor = sim::ProgramEditor::instance();
    RplEditorDataInterface& api = editor;
};

QVariantHash frameHash(double x)
{
    return {{"x", x}, {"y", 0.0}, {"z", 0.0}, {"a", 0.0}, {"b", 0.0}, {"c", 0.0}};
}

TEST_F(Editor, FindsDeclaredVariables)
{
    const unsigned int id = editor.declare("wobj_dyn0");
    editor.declare("oframe_p1", true);
    const RplVariable wobj = api.getVisibleVarDef("wobj_dyn0");
    EXPECT_TRUE(wobj.isValid());
    EXPECT_EQ(wobj.id(), id);
    EXPECT_FALSE(wobj.isConstant());
    EXPECT_TRUE(api.getVisibleVarDef("oframe_p1").isConstant());
    EXPECT_FALSE(api.getVisibleVarDef("oframe_p2").isValid());
    EXPECT_FALSE(api.getVisibleVarDef("WOBJ_DYN0").isValid());
}

TEST_F(Editor, StoresValuesOnlyInWriteModeAndNeverIntoConstants)
{
    editor.declare("oframe_p1");
    editor.declare("oframe_p2", true);
    RplVariable point = api.getVisibleVarDef("oframe_p1");
    RplVariable constant = api.getVisibleVarDef("oframe_p2");

    EXPECT_FALSE(api.setVariable(point, frameHash(1.0)));
    EXPECT_TRUE(editor.value("oframe_p1").toHash().isEmpty());

    ASSERT_TRUE(api.setWriteMode(true));
    EXPECT_TRUE(api.setVariable(point, frameHash(2.0)));
    EXPECT_FALSE(api.setVariable(constant, frameHash(2.0)));
    EXPECT_EQ(editor.value("oframe_p1").toHash().value("x").toDouble(), 2.0);
    EXPECT_TRUE(editor.value("oframe_p2").toHash().isEmpty());

    // Members not named in an update keep their values.
    EXPECT_TRUE(api.setVariable(point, QVariantHash{{"y", 7.0}}));
    EXPECT_EQ(editor.value("oframe_p1").toHash().value("x").toDouble(), 2.0);
    EXPECT_EQ(editor.value("oframe_p1").toHash().value("y").toDouble(), 7.0);
}

TEST_F(Editor, CanRefuseWriteModeAndReferenceSystems)
{
    const unsigned int wobj = editor.declare("wobj0");
    editor.setRefuseWriteMode(true);
    EXPECT_FALSE(api.setWriteMode(true));
    EXPECT_FALSE(api.isWriteMode());
    EXPECT_TRUE(api.setWriteMode(false));

    EXPECT_TRUE(api.setRefSys(wobj));
    EXPECT_EQ(editor.activeRefSys(), wobj);
    EXPECT_FALSE(api.setRefSys(9999));
    editor.setAcceptRefSys(false);
    EXPECT_FALSE(api.setRefSys(wobj));

    editor.setAcceptDynRefSys(false);
    EXPECT_FALSE(api.setDynRefSys(wobj, "table", 1, 2, 3, 4, 5, 6, 2));
    EXPECT_TRUE(editor.dynRefSystems().empty());
    editor.setAcceptDynRefSys(true);
    EXPECT_TRUE(api.setDynRefSys(wobj, "table", 1, 2, 3, 4, 5, 6, 3));
    ASSERT_EQ(editor.dynRefSystems().size(), 1u);
    EXPECT_EQ(editor.dynRefSystems()[0].baseName, "table");
    EXPECT_EQ(editor.dynRefSystems()[0].frame[5], 6.0);
    EXPECT_EQ(editor.dynRefSystems()[0].kind, 3);
}

TEST_F(Editor, LogsEveryCallInOrder)
{
    editor.setProgramFileName("weld.xpl");
    api.isWriteMode();
    api.setWriteMode(true);
    api.saveProgram(api.filename());
    api.setWriteMode(false);
    EXPECT_THAT(editor.callNames(),
                ElementsAre("isWriteMode", "setWriteMode", "filename", "saveProgram", "setWriteMode"));
    EXPECT_EQ(editor.calls()[1].args.value(0).toBool(), true);
    EXPECT_EQ(editor.calls()[3].args.value(0).toString(), "weld.xpl");
    EXPECT_THAT(editor.savedPrograms(), ElementsAre("weld.xpl"));
}

TEST_F(Editor, MessageBoxesAreRecordedWithEveryArgument)
{
    std::vector<QString> heard;
    sim::MessageBoxes::instance().setListener([&](const sim::ShownMessage& m) { heard.push_back(m.text); });
    { MsgBox box(2, "Failed to get GLOBAL.var.", 3, true, false, 4, true, false, "t", "ok", "no", 9); }
    sim::MessageBoxes::instance().setListener(nullptr);

    const auto& shown = sim::MessageBoxes::instance().shown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].kind, 2);
    EXPECT_EQ(shown[0].text, "Failed to get GLOBAL.var.");
    EXPECT_EQ(shown[0].buttons, 3);
    EXPECT_TRUE(shown[0].modal);
    EXPECT_FALSE(shown[0].closable);
    EXPECT_EQ(shown[0].defaultButton, 4);
    EXPECT_TRUE(shown[0].showIcon);
    EXPECT_FALSE(shown[0].autoClose);
    EXPECT_EQ(shown[0].title, "t");
    EXPECT_EQ(shown[0].acceptText, "ok");
    EXPECT_EQ(shown[0].rejectText, "no");
    EXPECT_EQ(shown[0].timeout, 9);
    EXPECT_THAT(heard, ElementsAre("Failed to get GLOBAL.var."));
}

}  // namespace
