// The controller variable set: its variables and their registration.
#include "golden.h"
#include "simfixture.h"

namespace {

class VariableSet : public PositionerCell
{
protected:
    sim::VariableStore& store = sim::VariableStore::instance();

    void SetUp() override
    {
        PositionerCell::SetUp();
        store.clearUsedLog();
    }

    QStringList registered(bool on) const
    {
        QStringList names;
        for (const sim::UsedCall& call : store.usedLog()) {
            if (call.on == on)
                names << call.name;
        }
        return names;
    }
};

// As the controller's positioner routines know them: made when the library is
// loaded, the first variables of the process, in this order.
TEST_F(VariableSet, TheLibraryCreatesItsVariablesWhenLoaded)
{
    const QStringList expected = QString::fromLatin1(goldenFile("variableset.txt")).split('\n', Qt::SkipEmptyParts);
    QStringList created;
    for (const QString& name : store.creationOrder().mid(0, expected.size()))
        created << name + ' ' + store.value(name).typeName();
    EXPECT_EQ(created, expected);
}

TEST_F(VariableSet, RegistersThePositionerSetInItsOrder)
{
    const QStringList expected = QString::fromLatin1(goldenFile("registration.txt")).split('\n', Qt::SkipEmptyParts);
    EXPECT_TRUE(d->setUsedVars_positioner(true));
    EXPECT_EQ(registered(true), expected);
    EXPECT_TRUE(registered(false).isEmpty());

    store.clearUsedLog();
    EXPECT_TRUE(d->setUsedVars_positioner(false));
    EXPECT_EQ(registered(false), expected);
    EXPECT_TRUE(registered(true).isEmpty());
    EXPECT_FALSE(d->usedCurrentPosID);
}

// The current-positioner pair stays registered while it is kept.
TEST_F(VariableSet, TheCurrentPositionerPairStaysWhileItIsKept)
{
    EXPECT_TRUE(d->setUsedVars_currentposID(true));
    EXPECT_TRUE(d->usedCurrentPosID);
    EXPECT_EQ(registered(true), (QStringList{"ipos.bswitchpos", "ipos.currentposindex"}));

    store.clearUsedLog();
    d->setUsedVars_positioner(false);
    EXPECT_EQ(registered(true), (QStringList{"ipos.bswitchpos", "ipos.currentposindex"}));
    EXPECT_FALSE(store.isUsed("ipos.enable"));
    EXPECT_TRUE(d->usedCurrentPosID);

    store.clearUsedLog();
    EXPECT_TRUE(d->setUsedVars_currentposID(false));
    EXPECT_EQ(registered(false), (QStringList{"ipos.bswitchpos", "ipos.currentposindex"}));
    EXPECT_FALSE(d->usedCurrentPosID);
}

}  // namespace
