// The simulated program editor takes changes only as a real one does.
#include "simfixture.h"

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

}  // namespace
