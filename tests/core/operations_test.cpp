// The thin operations, each a request or a single variable, and every
// operation's refusal of arguments outside its range.
#include "simfixture.h"

#include <QVariant>

#include <climits>
#include <algorithm>
#include <functional>
#include <iterator>

namespace {

using D = PositionerData&;
using Call = std::function<QVariant(D)>;

class Operations : public PositionerCell
{
protected:
    sim::ProgramEditor& editor = sim::ProgramEditor::instance();

    void SetUp() override
    {
        PositionerCell::SetUp();
        editor.openPositionerProgram();
    }

    QString activeWorkObject()
    {
        for (const char* name : {"wobj0", "wobj_dyn0"}) {
            const RplVariable variable = editor.getVisibleVarDef(name);
            if (variable.isValid() && editor.activeRefSys() == variable.id())
                return name;
        }
        return QString();
    }
};

// Requests, indexed variables and work objects; a plain single variable is one
// line of the library and left out.
TEST_F(Operations, ThinOperationsTouchTheirOwnVariablesOnly)
{
    const auto userTypeSet = [] { rtmCustomRvarBool("ipos.calculate_user_type", 1) = true; };
    const struct
    {
        const char* what;
        std::function<void()> setup;
        Call call;
        QVariant result;
        QStringList writes;
        QString active;
    } cases[] = {
        {"switchPosId", {}, [](D d) { d.switchPosId(7); return QVariant(); }, {},
         {"ipos.posindex=7", "ipos.bswitchpos=true"}, {}},
        {"setAxisIndexCfg", {}, [](D d) { d.setAxisIndexCfg(1, 8); return QVariant(); }, {}, {"ipos.axisindex_cfg[1]=8"}, {}},
        {"setAxisTypeCfg", {}, [](D d) { d.setAxisTypeCfg(0, 3); return QVariant(); }, {}, {"ipos.axistype_cfg[0]=3"}, {}},
        {"setTool_Value", {}, [](D d) { d.setTool_Value(5, 1.5); return QVariant(); }, {}, {"ipos.tool_value[5]=1.5"}, {}},
        {"rdeReadFileCode", {}, [](D d) { d.rdeReadFileCode(); return QVariant(); }, {}, {"ipos.breadcalibframe=true"}, {}},
        {"calib method 1", {}, [](D d) { d.setUserFrameCalibMethod(1); return QVariant(); }, {},
         {"ipos.calculate_user_type=true"}, {}},
        {"calib method 0", userTypeSet,
         [](D d) { d.setUserFrameCalibMethod(0); return QVariant(); }, {}, {"ipos.calculate_user_type=false"}, {}},
        {"calib method 2", userTypeSet,
         [](D d) { d.setUserFrameCalibMethod(2); return QVariant(); }, {}, {"ipos.calculate_user_type=false"}, {}},
        {"setWobj0 -1", {}, [](D d) { return QVariant(d.setWobj0(-1)); }, true, {"ipos.currentposindex=0"}, "wobj0"},
        {"setWobj0 INT_MAX wraps", {}, [](D d) { return QVariant(d.setWobj0(INT_MAX)); }, true,
         {"ipos.currentposindex=-2147483648"}, "wobj0"},
        {"setWobj0 refused", [this] { editor.setAcceptRefSys(false); }, [](D d) { return QVariant(d.setWobj0(1)); },
         false, {}, {}},
        {"setWobj_dyn0", {}, [](D d) { return QVariant(d.setWobj_dyn0(3)); }, true, {"ipos.currentposindex=4"}, "wobj_dyn0"},
        {"setWobj_dyn0 undeclared", [this] { editor.reset(); }, [](D d) { return QVariant(d.setWobj_dyn0(3)); }, false,
         {}, {}},
        {"initSetWobj_dyn0", {}, [](D d) { return QVariant(d.initSetWobj_dyn0(7)); }, true, {}, "wobj_dyn0"},
        {"initSetWobj_dyn0 refused", [this] { editor.setAcceptRefSys(false); },
         [](D d) { return QVariant(d.initSetWobj_dyn0(7)); }, false, {}, {}},
        {"get_axespos", [] { rtmCustomRvarRealVect("ipos.axespos", 2, 1).setValue(1, -3.25); },
         [](D d) { return QVariant(d.get_axespos(1)); }, -3.25, {}, {}},
    };
    for (const auto& c : cases) {
        sim::VariableStore::instance().reset();
        editor.openPositionerProgram();
        if (c.setup)
            c.setup();
        const WriteLog writes;
        EXPECT_EQ(c.call(*d), c.result) << c.what;
        EXPECT_EQ(writes.entries(), c.writes) << c.what;
        EXPECT_EQ(activeWorkObject(), c.active) << c.what;
        EXPECT_EQ(sim::VariableStore::instance().strayElementAccesses(), 0) << c.what;
    }
}

// Nothing is read, written, asked or changed for an argument out of range, nor
// for a selected positioner out of range.
TEST_F(Operations, ArgumentsOutOfRangeDoNothing)
{
    using L = QVariantList;
    const struct
    {
        Call call;
        QVariant results;
    } cases[] = {
        {[](D d) { return L{d.teachPoint(0), d.teachPoint(10), d.teachPoint(-1)}; }, L{0, 0, 0}},
        {[](D d) { return L{d.checkPointPosition(0), d.checkPointPosition(10)}; }, L{false, false}},
        {[](D d) { return L{d.checkAuxjPosition(0), d.checkAuxjPosition(10)}; }, L{false, false}},
        {[](D d) { return L{d.checkAuxjIdRun(0, 0), d.checkAuxjIdRun(10, 0)}; }, L{0, 0}},
        {[](D d) { d.clearTeachedPoint(0); d.clearTeachedPoint(10); return L{}; }, L{}},
        {[](D d) { return L{d.calculatePositionerFrame(2), d.calculatePositionerFrame(-1)}; }, L{0, 0}},
        {[](D d) { d.clearPositionerFrame(10, 0); d.clearPositionerFrame(-1, 1); d.clearPositionerFrame(4, 2); return L{}; },
         L{}},
        {[](D d) { return L{d.get_axespos(2), d.get_axespos(-1)}; }, L{0.0, 0.0}},
        {[](D d) {
             d.setTool_Value(6, 9); d.setTool_Value(-1, 9); d.setAxisIndexCfg(2, 5); d.setAxisIndexCfg(-1, 5);
             d.setAxisTypeCfg(2, 5); d.setAxisTypeCfg(-1, 5);
             return L{};
         }, L{}},
        {[](D d) { return L{d.setDynRefSys(10), d.setDynRefSys(-1)}; }, L{false, false}},
        {[](D d) { return L{d.saveDynRefSys(10), d.saveDynRefSys(-1), d.saveDynRefSys(INT_MAX)}; }, L{false, false, false}},
        {[](D d) {
             d.setVariableOframePoint(0); d.setVariableOframePoint(11); d.setVariableOframePoint(INT_MIN);
             d.setVariableDynRefSys(0); d.setVariableDynRefSys(11);
             return L{};
         }, L{}},
        {[](D d) { return L{d.setWobj_dyn0(10), d.setWobj_dyn0(-1), d.setWobj_dyn0(INT_MIN)}; }, L{false, false, false}},
        {[](D d) { return L{d.initActiveDyn0(0), d.initActiveDyn0(11), d.initActiveDyn0(INT_MIN)}; }, L{false, false, false}},
        {[](D d) { return L{d.initSetWobj_dyn0(0), d.initSetWobj_dyn0(11), d.initSetWobj_dyn0(INT_MIN)}; },
         L{false, false, false}},
        // A selected positioner out of range.
        {[](D d) {
             L results;
             for (int id : {10, -1}) {
                 d.setPositionerID(id);
                 results << d.teachPoint(1) << d.teachPoint(7) << d.calculatePositionerFrame(0) << d.calculateUserFrame();
             }
             return results;
         }, L{0, 0, 0, 0, 0, 0, 0, 0}},
    };

    // Every value of the records and the points set as a host would, none 0.
    for (PositionerParm* records : {d->parms, d->savedParms}) {
        for (int i = 0; i < 10; ++i) {
            PositionerParm& p = records[i];
            for (double* frame : {p.axes1Frame, p.axes2Frame, p.axes2FrameToBase, p.userFrame})
                std::fill(frame, frame + 6, 12.5 + i);
            p.axes1Type = p.axes2Type = 7;
            p.axes1Index = p.axes2Index = 3;
        }
    }
    for (TeachedPoint& point : d->teachedPoints)
        std::fill(std::begin(point.values), std::end(point.values), 4.25);
    const auto bytesOf = [](const auto& member) {
        return QByteArray(reinterpret_cast<const char*>(&member), int(sizeof member));
    };
    const auto records = [&] { return bytesOf(d->parms) + bytesOf(d->savedParms) + bytesOf(d->teachedPoints); };
    const QByteArray before = records();
    d->teachStatus = 0x5;
    rtmCustomRvarRealVect("ipos.axespos", 2, 1).setValue(0, 10.5);
    const std::size_t transfers = sim::Files::instance().transfers().size();

    for (std::size_t row = 0; row < std::size(cases); ++row) {
        d->setPositionerID(2);
        editor.clearCalls();
        const int strays = sim::VariableStore::instance().strayElementAccesses();
        const WriteLog writes;
        EXPECT_EQ(cases[row].call(*d), cases[row].results) << "row " << row;
        EXPECT_TRUE(writes.entries().isEmpty()) << "row " << row << ": " << qPrintable(writes.entries().join(' '));
        EXPECT_TRUE(editor.calls().empty()) << "row " << row;
        EXPECT_EQ(sim::VariableStore::instance().strayElementAccesses(), strays) << "row " << row;
        EXPECT_EQ(records(), before) << "row " << row;
        EXPECT_EQ(d->teachStatus, 0x5) << "row " << row;
        EXPECT_EQ(sim::Files::instance().transfers().size(), transfers) << "row " << row;
    }
    EXPECT_TRUE(d->dynBaseName.isEmpty());
    EXPECT_EQ(d->dynOframe[0], 0.0);
}

}  // namespace
