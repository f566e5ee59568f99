// The simulated controller variables: shared by name, registered per element,
// observable.
#include "simfixture.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;

namespace {

class Variables : public SimulatedCell
{
};

std::vector<std::pair<QString, bool>> usedLog()
{
    std::vector<std::pair<QString, bool>> log;
    for (const sim::UsedCall& call : sim::VariableStore::instance().usedLog())
        log.emplace_back(call.name, call.on);
    return log;
}

TEST_F(Variables, ObjectsOfOneNameShareTheValue)
{
    rtmCustomRvarInt writer("test.shared_int", 1);
    rtmCustomRvarInt reader("test.shared_int", 1);
    writer = 42;
    EXPECT_EQ(int(reader), 42);

    rtmCustomRvarString text("test.text", 1);
    rtmCustomRvarString other("test.text", 1);
    text = QStringLiteral("wobj_dyn0");
    EXPECT_EQ(QString(other), QStringLiteral("wobj_dyn0"));

    rtmCustomRvarBool flag("test.flag", 1);
    EXPECT_FALSE(bool(flag));
    rtmCustomRvarBool("test.flag", 1) = true;
    EXPECT_TRUE(bool(flag));
}

TEST_F(Variables, VectorElementsAreVariablesOfTheirOwn)
{
    rtmCustomRvarRealVect frame("test.frame", 6, 1);
    EXPECT_EQ(frame.count(), 6);
    frame.setValue(5, 90.5);
    frame[0] = 12.25;

    rtmCustomRvarRealVect sameFrame("test.frame", 6, 1);
    EXPECT_DOUBLE_EQ(sameFrame.getValue(5), 90.5);
    EXPECT_DOUBLE_EQ(double(sameFrame[0]), 12.25);
    EXPECT_EQ(sim::VariableStore::instance().value("test.frame[5]").toDouble(), 90.5);
    EXPECT_EQ(frame.element(3).name(), QStringLiteral("test.frame[3]"));

    rtmCustomRvarIntVect status("test.status", 2, 1);
    status[1] = 1;
    EXPECT_EQ(rtmCustomRvarIntVect("test.status", 2, 1).getValue(1), 1);
    EXPECT_EQ(status.getValue(0), 0);
}

TEST_F(Variables, IndicesOutsideAVectorReachNothing)
{
    rtmCustomRvarIntVect status("test.status2", 2, 1);
    status.setValue(2, 7);
    status.setValue(-1, 7);
    status[5] = 9;
    EXPECT_EQ(status.getValue(2), 0);
    EXPECT_EQ(status.getValue(-1), 0);
    EXPECT_EQ(int(status[5]), 0);
    EXPECT_FALSE(sim::VariableStore::instance().contains("test.status2[2]"));
    EXPECT_EQ(status.getValue(0), 0);
    EXPECT_EQ(status.getValue(1), 0);
}

TEST_F(Variables, RegistrationIsKeptPerElementAndLoggedInOrder)
{
    rtmCustomRvarBool flag("test.reg_flag", 1);
    rtmCustomRvarIntVect vector("test.reg_vect", 2, 1);
    flag.setUsed(true);
    vector.element(1).setUsed(true);
    vector.setUsed(false);

    const sim::VariableStore& store = sim::VariableStore::instance();
    EXPECT_TRUE(store.isUsed("test.reg_flag"));
    EXPECT_FALSE(store.isUsed("test.reg_vect[0]"));
    EXPECT_FALSE(store.isUsed("test.reg_vect[1]"));
    EXPECT_THAT(usedLog(), ElementsAre(std::make_pair(QString("test.reg_flag"), true),
                                       std::make_pair(QString("test.reg_vect[1]"), true),
                                       std::make_pair(QString("test.reg_vect[0]"), false),
                                       std::make_pair(QString("test.reg_vect[1]"), false)));
}

TEST_F(Variables, WritesAreObservedWithTheirValue)
{
    std::vector<std::pair<QString, QVariant>> seen;
    sim::VariableStore& store = sim::VariableStore::instance();
    const int id = store.observe([&](const QString& name, const QVariant& value) {
        seen.emplace_back(name, value);
    });
    rtmCustomRvarBool flag("test.observed", 1);
    rtmCustomRvarRealVect vector("test.observed_vect", 2, 1);
    flag = true;
    vector[1] = 2.5;
    store.unobserve(id);
    flag = false;

    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].first, "test.observed");
    EXPECT_TRUE(seen[0].second.toBool());
    EXPECT_EQ(seen[1].first, "test.observed_vect[1]");
    EXPECT_DOUBLE_EQ(seen[1].second.toDouble(), 2.5);
}

}  // namespace
