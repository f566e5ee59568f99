// Registering wobj_dyn0 without the controller's round trip.
#include "simfixture.h"

#include <gmock/gmock.h>

using ::testing::ElementsAreArray;

namespace {

class WorkObjects : public PositionerCell
{
protected:
    sim::ProgramEditor& editor = sim::ProgramEditor::instance();

    void SetUp() override
    {
        PositionerCell::SetUp();
        editor.openPositionerProgram();
    }
};

TEST_F(WorkObjects, InitActiveDyn0RegistersWithoutTheController)
{
    const double frame[] = {100, 0, 50, 0, 0, 90};
    std::copy(frame, frame + 6, d->parms[6].userFrame);
    d->parms[6].axes1Type = 2;
    d->parms[6].axes2Type = 1;
    const WriteLog writes;
    EXPECT_TRUE(d->initActiveDyn0(7));
    ASSERT_EQ(editor.dynRefSystems().size(), 1u);
    EXPECT_EQ(editor.dynRefSystems()[0].id, editor.getVisibleVarDef("wobj_dyn0").id());
    EXPECT_EQ(editor.dynRefSystems()[0].baseName, "table");
    EXPECT_THAT(editor.dynRefSystems()[0].frame, ElementsAreArray(frame));
    EXPECT_EQ(editor.dynRefSystems()[0].kind, 3);
    EXPECT_THAT(d->dynOframe, ElementsAreArray(frame));
    EXPECT_EQ(d->dynBaseName, "table");
    EXPECT_TRUE(writes.entries().isEmpty());
    EXPECT_EQ(editor.activeRefSys(), 0u);
}

TEST_F(WorkObjects, InitActiveDyn0KeepsTheFrameOnlyWhenWobjDyn0IsThere)
{
    d->dynBaseName = "before";
    d->parms[0].userFrame[0] = 5;
    editor.reset();
    EXPECT_FALSE(d->initActiveDyn0(1));
    EXPECT_EQ(d->dynBaseName, "before");
    EXPECT_EQ(d->dynOframe[0], 0.0);

    // A refused registration keeps the copied frame.
    editor.openPositionerProgram();
    editor.setAcceptDynRefSys(false);
    EXPECT_FALSE(d->initActiveDyn0(1));
    EXPECT_EQ(d->dynOframe[0], 5.0);
    EXPECT_EQ(d->dynBaseName, "table");
}

TEST_F(WorkObjects, TheKindFollowsTheAxisTypes)
{
    const struct
    {
        int axes1Type, axes2Type, kind;
    } cases[] = {{0, 4, 2}, {-1, 0, 2}, {1, 0, 2}, {2, 0, 1}, {3, 0, 2}, {2, 1, 3}, {1, 1, 3}, {2, -1, 1}};
    for (const auto& c : cases) {
        d->parms[0].axes1Type = c.axes1Type;
        d->parms[0].axes2Type = c.axes2Type;
        ASSERT_TRUE(d->initActiveDyn0(1));
        EXPECT_EQ(editor.dynRefSystems().back().kind, c.kind) << c.axes1Type << "," << c.axes2Type;
    }
}

}  // namespace
