// The controller variable set: its variables and their registration.
#include "simfixture.h"

#include <gmock/gmock.h>

using ::testing::ElementsAreArray;

namespace {

struct Expected
{
    const char* name;
    QMetaType::Type type;
    int length;  // 0 for a scalar
};

// As the controller's positioner routines know them, in the order of creation.
const Expected variableSet[] = {
    {"ipos.enable", QMetaType::Bool, 0},
    {"ipos.breadcalibframe", QMetaType::Bool, 0},
    {"ipos.calculate_axes", QMetaType::Bool, 0},
    {"ipos.calculate_user", QMetaType::Bool, 0},
    {"ipos.calculate_user_type", QMetaType::Bool, 0},
    {"ipos.bteachpoint", QMetaType::Bool, 0},
    {"ipos.bclearpoint", QMetaType::Bool, 0},
    {"ipos.axesindex", QMetaType::Int, 0},
    {"ipos.pointindex", QMetaType::Int, 0},
    {"ipos.posindex", QMetaType::Int, 0},
    {"ipos.bswitchpos", QMetaType::Bool, 0},
    {"ipos.enableaxesnum", QMetaType::Int, 0},
    {"ipos.axisindex_cfg", QMetaType::Int, 2},
    {"ipos.axistype_cfg", QMetaType::Int, 2},
    {"ipos.currentpoint", QMetaType::Double, 6},
    {"ipos.posframe1", QMetaType::Double, 6},
    {"ipos.posframe2", QMetaType::Double, 6},
    {"ipos.posframe2tobase", QMetaType::Double, 6},
    {"ipos.userframe", QMetaType::Double, 6},
    {"ipos.teachstatus", QMetaType::Int, 0},
    {"ipos.calculate_axes_status", QMetaType::Int, 2},
    {"ipos.calculate_user_status", QMetaType::Int, 0},
    {"ipos.currentposindex", QMetaType::Int, 0},
    {"iauxj.auxcurrentposition", QMetaType::Double, 6},
    {"ipos.tool_value", QMetaType::Double, 6},
    {"ipos.enable_slave_robot", QMetaType::Bool, 0},
    {"ipos.axespos", QMetaType::Double, 2},
    {"ipos.currentwobj", QMetaType::QString, 0},
    {"iauxj.obs_auxfunc", QMetaType::Int, 6},
    {"ipos.tpu_active_wobj_dyn0", QMetaType::Bool, 0},
};

QStringList controllerNames(const Expected& variable)
{
    if (variable.length == 0)
        return {variable.name};
    QStringList names;
    for (int k = 0; k < variable.length; ++k)
        names << QStringLiteral("%1[%2]").arg(variable.name).arg(k);
    return names;
}

QStringList controllerNames(std::initializer_list<const char*> variables)
{
    QStringList names;
    for (const char* name : variables) {
        for (const Expected& variable : variableSet) {
            if (QLatin1String(variable.name) == QLatin1String(name))
                names << controllerNames(variable);
        }
    }
    return names;
}

class VariableSet : public SimulatedCell
{
protected:
    PositionerData* positioner = nullptr;
    void SetUp() override
    {
        SimulatedCell::SetUp();
        positioner = PositionerData::getInstance();
        sim::VariableStore::instance().clearUsedLog();
    }

    static QStringList usedNames(bool on)
    {
        QStringList names;
        for (const sim::UsedCall& call : sim::VariableStore::instance().usedLog()) {
            if (call.on == on)
                names << call.name;
        }
        return names;
    }
};

TEST_F(VariableSet, TheLibraryCreatesItsThirtyVariablesWhenLoaded)
{
    // The library's objects are the first variables of the process.
    QStringList expected;
    for (const Expected& variable : variableSet)
        expected << controllerNames(variable);
    const QStringList created = sim::VariableStore::instance().creationOrder().mid(0, expected.size());
    EXPECT_THAT(created, ElementsAreArray(expected));

    for (const Expected& variable : variableSet) {
        for (const QString& name : controllerNames(variable)) {
            EXPECT_EQ(static_cast<int>(sim::VariableStore::instance().value(name).type()),
                      static_cast<int>(variable.type))
                << qPrintable(name);
        }
    }
    EXPECT_EQ(ipos_currentposindex.name(), "ipos.currentposindex");
    EXPECT_EQ(obs_auxfunc.name(), "iauxj.obs_auxfunc");
    EXPECT_EQ(obs_auxfunc.count(), 6);
}

TEST_F(VariableSet, RegistersThePositionerSetInItsOrder)
{
    EXPECT_TRUE(positioner->setUsedVars_positioner(true));
    const QStringList expected = controllerNames(
        {"ipos.enable", "ipos.bclearpoint", "ipos.posindex", "ipos.bswitchpos", "ipos.posframe1",
         "ipos.posframe2", "ipos.posframe2tobase", "ipos.userframe", "ipos.teachstatus",
         "ipos.calculate_axes_status", "ipos.calculate_user_status", "ipos.currentposindex",
         "iauxj.auxcurrentposition", "ipos.enable_slave_robot", "ipos.axespos", "iauxj.obs_auxfunc"});
    EXPECT_THAT(usedNames(true), ElementsAreArray(expected));
    EXPECT_TRUE(usedNames(false).isEmpty());
    EXPECT_FALSE(sim::VariableStore::instance().isUsed("ipos.currentpoint[0]"));
    EXPECT_FALSE(sim::VariableStore::instance().isUsed("ipos.bteachpoint"));

    sim::VariableStore::instance().clearUsedLog();
    EXPECT_TRUE(positioner->setUsedVars_positioner(false));
    EXPECT_THAT(usedNames(false), ElementsAreArray(expected));
    EXPECT_FALSE(positioner->usedCurrentPosID);
}

TEST_F(VariableSet, TheCurrentPositionerPairStaysWhileItIsKept)
{
    EXPECT_TRUE(positioner->setUsedVars_currentposID(true));
    EXPECT_TRUE(positioner->usedCurrentPosID);
    EXPECT_THAT(usedNames(true), ElementsAreArray(QStringList{"ipos.bswitchpos", "ipos.currentposindex"}));

    sim::VariableStore::instance().clearUsedLog();
    positioner->setUsedVars_positioner(false);
    EXPECT_THAT(usedNames(true), ElementsAreArray(QStringList{"ipos.bswitchpos", "ipos.currentposindex"}));
    EXPECT_TRUE(sim::VariableStore::instance().isUsed("ipos.bswitchpos"));
    EXPECT_TRUE(sim::VariableStore::instance().isUsed("ipos.currentposindex"));
    EXPECT_FALSE(sim::VariableStore::instance().isUsed("ipos.enable"));
    EXPECT_TRUE(positioner->usedCurrentPosID);
}

}  // namespace
