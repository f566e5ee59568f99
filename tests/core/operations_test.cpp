// The thin operations, each a request or a single variable, and every
// operation's refusal of arguments outside its range.
#include "simfixture.h"

#include <QVariant>

#include <climits>
#include <cstring>
#include <functional>

namespace {

using Call = std::function<QVariant(PositionerData&)>;

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

template <typename Variable, typename Value>
std::function<void()> preset(const char* name, Value value)
{
    return [=] { Variable(name, 1) = value; };
}

TEST_F(Operations, ThinOperationsTouchTheirOwnVariablesOnly)
{
    const std::function<void()> nothing = [] {};
    const struct
    {
        const char* what;
        std::function<void()> setup;
        Call call;
        QVariant result;
        QStringList writes;
        const char* activeWorkObject;
    } cases[] = {
        {"setPosId", nothing, [](PositionerData& d) { d.setPosId(4); return QVariant(); }, {}, {"ipos.posindex=4"}, ""},
        {"switchPosId", nothing, [](PositionerData& d) { d.switchPosId(7); return QVariant(); }, {},
         {"ipos.posindex=7", "ipos.bswitchpos=true"}, ""},
        {"setPositionEnabled", nothing, [](PositionerData& d) { d.setPositionEnabled(true); return QVariant(); }, {},
         {"ipos.enable=true"}, ""},
        {"setEnableAxesNum", nothing, [](PositionerData& d) { d.setEnableAxesNum(2); return QVariant(); }, {},
         {"ipos.enableaxesnum=2"}, ""},
        {"setAxisIndexCfg", nothing, [](PositionerData& d) { d.setAxisIndexCfg(1, 8); return QVariant(); }, {},
         {"ipos.axisindex_cfg[1]=8"}, ""},
        {"setAxisTypeCfg", nothing, [](PositionerData& d) { d.setAxisTypeCfg(0, 3); return QVariant(); }, {},
         {"ipos.axistype_cfg[0]=3"}, ""},
        {"setTool_Value", nothing, [](PositionerData& d) { d.setTool_Value(5, 1.5); return QVariant(); }, {},
         {"ipos.tool_value[5]=1.5"}, ""},
        {"setCurrentWobj", nothing, [](PositionerData& d) { d.setCurrentWobj("wobj_dyn0"); return QVariant(); }, {},
         {"ipos.currentwobj=wobj_dyn0"}, ""},
        {"setTpuActivedyn0", nothing, [](PositionerData& d) { d.setTpuActivedyn0(true); return QVariant(); }, {},
         {"ipos.tpu_active_wobj_dyn0=true"}, ""},
        {"rdeReadFileCode", nothing, [](PositionerData& d) { d.rdeReadFileCode(); return QVariant(); }, {},
         {"ipos.breadcalibframe=true"}, ""},
        {"setUserFrameCalibMethod 1", nothing,
         [](PositionerData& d) { d.setUserFrameCalibMethod(1); return QVariant(); }, {},
         {"ipos.calculate_user_type=true"}, ""},
        {"setUserFrameCalibMethod 0", preset<rtmCustomRvarBool>("ipos.calculate_user_type", true),
         [](PositionerData& d) { d.setUserFrameCalibMethod(0); return QVariant(); }, {},
         {"ipos.calculate_user_type=false"}, ""},
        {"setUserFrameCalibMethod 2", preset<rtmCustomRvarBool>("ipos.calculate_user_type", true),
         [](PositionerData& d) { d.setUserFrameCalibMethod(2); return QVariant(); }, {},
         {"ipos.calculate_user_type=false"}, ""},
        {"setWobj0 takes any index", nothing, [](PositionerData& d) { return QVariant(d.setWobj0(-1)); }, true,
         {"ipos.currentposindex=0"}, "wobj0"},
        {"setWobj0 wraps the largest index", nothing, [](PositionerData& d) { return QVariant(d.setWobj0(INT_MAX)); },
         true, {"ipos.currentposindex=-2147483648"}, "wobj0"},
        {"setWobj0 refused", [this] { editor.setAcceptRefSys(false); },
         [](PositionerData& d) { return QVariant(d.setWobj0(1)); }, false, {}, ""},
        {"setWobj_dyn0", nothing, [](PositionerData& d) { return QVariant(d.setWobj_dyn0(3)); }, true,
         {"ipos.currentposindex=4"}, "wobj_dyn0"},
        {"setWobj_dyn0 without the program", [this] { editor.reset(); },
         [](PositionerData& d) { return QVariant(d.setWobj_dyn0(3)); }, false, {}, ""},
        {"initSetWobj_dyn0", nothing, [](PositionerData& d) { return QVariant(d.initSetWobj_dyn0(7)); }, true, {},
         "wobj_dyn0"},
        {"initSetWobj_dyn0 refused", [this] { editor.setAcceptRefSys(false); },
         [](PositionerData& d) { return QVariant(d.initSetWobj_dyn0(7)); }, false, {}, ""},
        {"getPosId", preset<rtmCustomRvarInt>("ipos.posindex", 6),
         [](PositionerData& d) { return QVariant(d.getPosId()); }, 6, {}, ""},
        {"getPositionEnabled", preset<rtmCustomRvarBool>("ipos.enable", true),
         [](PositionerData& d) { return QVariant(d.getPositionEnabled()); }, true, {}, ""},
        {"getCurrentActivedPos", preset<rtmCustomRvarInt>("ipos.currentposindex", 3),
         [](PositionerData& d) { return QVariant(d.getCurrentActivedPos()); }, 3, {}, ""},
        {"get_enable_slave_robot", preset<rtmCustomRvarBool>("ipos.enable_slave_robot", true),
         [](PositionerData& d) { return QVariant(d.get_enable_slave_robot()); }, true, {}, ""},
        {"get_axespos", [] { rtmCustomRvarRealVect("ipos.axespos", 2, 1).setValue(1, -3.25); },
         [](PositionerData& d) { return QVariant(d.get_axespos(1)); }, -3.25, {}, ""},
        {"getCurrentWobj", preset<rtmCustomRvarString>("ipos.currentwobj", QString("wobj0")),
         [](PositionerData& d) { return QVariant(d.getCurrentWobj()); }, "wobj0", {}, ""},
        {"getTpuActivedyn0", preset<rtmCustomRvarBool>("ipos.tpu_active_wobj_dyn0", true),
         [](PositionerData& d) { return QVariant(d.getTpuActivedyn0()); }, true, {}, ""},
    };
    for (const auto& c : cases) {
        sim::VariableStore::instance().reset();
        editor.openPositionerProgram();
        c.setup();
        const WriteLog writes;
        EXPECT_EQ(c.call(*d), c.result) << c.what;
        EXPECT_EQ(writes.entries(), c.writes) << c.what;
        EXPECT_EQ(activeWorkObject(), c.activeWorkObject) << c.what;
    }
}

// Nothing is read, written, asked or changed for an argument out of range, nor
// for a selected positioner out of range.
TEST_F(Operations, ArgumentsOutOfRangeDoNothing)
{
    const auto withPositioner = [](int id, Call call) {
        return [id, call](PositionerData& d) {
            d.setPositionerID(id);
            return call(d);
        };
    };
    const auto voidCall = [](std::function<void(PositionerData&)> call) {
        return [call](PositionerData& d) {
            call(d);
            return QVariant();
        };
    };
    const Call teach1 = [](PositionerData& d) { return QVariant(d.teachPoint(1)); };
    const Call teach7 = [](PositionerData& d) { return QVariant(d.teachPoint(7)); };
    const Call axisFrame = [](PositionerData& d) { return QVariant(d.calculatePositionerFrame(0)); };
    const Call userFrame = [](PositionerData& d) { return QVariant(d.calculateUserFrame()); };
    const struct
    {
        const char* what;
        Call call;
        QVariant result;
    } cases[] = {
        {"teachPoint 0", [](PositionerData& d) { return QVariant(d.teachPoint(0)); }, 0},
        {"teachPoint 10", [](PositionerData& d) { return QVariant(d.teachPoint(10)); }, 0},
        {"teachPoint -1", [](PositionerData& d) { return QVariant(d.teachPoint(-1)); }, 0},
        {"teachPoint, positioner 10", withPositioner(10, teach1), 0},
        {"teachPoint, positioner -1", withPositioner(-1, teach7), 0},
        {"checkPointPosition 0", [](PositionerData& d) { return QVariant(d.checkPointPosition(0)); }, false},
        {"checkPointPosition 10", [](PositionerData& d) { return QVariant(d.checkPointPosition(10)); }, false},
        {"checkAuxjPosition 0", [](PositionerData& d) { return QVariant(d.checkAuxjPosition(0)); }, false},
        {"checkAuxjPosition 10", [](PositionerData& d) { return QVariant(d.checkAuxjPosition(10)); }, false},
        {"checkAuxjIdRun 0", [](PositionerData& d) { return QVariant(d.checkAuxjIdRun(0, 0)); }, 0},
        {"checkAuxjIdRun 10", [](PositionerData& d) { return QVariant(d.checkAuxjIdRun(10, 0)); }, 0},
        {"clearTeachedPoint 0", voidCall([](PositionerData& d) { d.clearTeachedPoint(0); }), {}},
        {"clearTeachedPoint 10", voidCall([](PositionerData& d) { d.clearTeachedPoint(10); }), {}},
        {"calculatePositionerFrame 2", [](PositionerData& d) { return QVariant(d.calculatePositionerFrame(2)); }, 0},
        {"calculatePositionerFrame -1", [](PositionerData& d) { return QVariant(d.calculatePositionerFrame(-1)); }, 0},
        {"calculatePositionerFrame, positioner 10", withPositioner(10, axisFrame), 0},
        {"calculatePositionerFrame, positioner -1", withPositioner(-1, axisFrame), 0},
        {"calculateUserFrame, positioner 10", withPositioner(10, userFrame), 0},
        {"calculateUserFrame, positioner -1", withPositioner(-1, userFrame), 0},
        {"clearPositionerFrame 10", voidCall([](PositionerData& d) { d.clearPositionerFrame(10, 0); }), {}},
        {"clearPositionerFrame -1", voidCall([](PositionerData& d) { d.clearPositionerFrame(-1, 1); }), {}},
        {"clearPositionerFrame axis 2", voidCall([](PositionerData& d) { d.clearPositionerFrame(4, 2); }), {}},
        {"get_axespos 2", [](PositionerData& d) { return QVariant(d.get_axespos(2)); }, 0.0},
        {"get_axespos -1", [](PositionerData& d) { return QVariant(d.get_axespos(-1)); }, 0.0},
        {"setTool_Value 6", voidCall([](PositionerData& d) { d.setTool_Value(6, 9); }), {}},
        {"setTool_Value -1", voidCall([](PositionerData& d) { d.setTool_Value(-1, 9); }), {}},
        {"setAxisIndexCfg 2", voidCall([](PositionerData& d) { d.setAxisIndexCfg(2, 5); }), {}},
        {"setAxisIndexCfg -1", voidCall([](PositionerData& d) { d.setAxisIndexCfg(-1, 5); }), {}},
        {"setAxisTypeCfg 2", voidCall([](PositionerData& d) { d.setAxisTypeCfg(2, 5); }), {}},
        {"setAxisTypeCfg -1", voidCall([](PositionerData& d) { d.setAxisTypeCfg(-1, 5); }), {}},
        {"setDynRefSys 10", [](PositionerData& d) { return QVariant(d.setDynRefSys(10)); }, false},
        {"setDynRefSys -1", [](PositionerData& d) { return QVariant(d.setDynRefSys(-1)); }, false},
        {"saveDynRefSys 10", [](PositionerData& d) { return QVariant(d.saveDynRefSys(10)); }, false},
        {"saveDynRefSys -1", [](PositionerData& d) { return QVariant(d.saveDynRefSys(-1)); }, false},
        {"saveDynRefSys INT_MAX", [](PositionerData& d) { return QVariant(d.saveDynRefSys(INT_MAX)); }, false},
        {"setVariableOframePoint 0", voidCall([](PositionerData& d) { d.setVariableOframePoint(0); }), {}},
        {"setVariableOframePoint 11", voidCall([](PositionerData& d) { d.setVariableOframePoint(11); }), {}},
        {"setVariableOframePoint INT_MIN", voidCall([](PositionerData& d) { d.setVariableOframePoint(INT_MIN); }), {}},
        {"setVariableDynRefSys 0", voidCall([](PositionerData& d) { d.setVariableDynRefSys(0); }), {}},
        {"setVariableDynRefSys 11", voidCall([](PositionerData& d) { d.setVariableDynRefSys(11); }), {}},
        {"setWobj_dyn0 10", [](PositionerData& d) { return QVariant(d.setWobj_dyn0(10)); }, false},
        {"setWobj_dyn0 -1", [](PositionerData& d) { return QVariant(d.setWobj_dyn0(-1)); }, false},
        {"setWobj_dyn0 INT_MIN", [](PositionerData& d) { return QVariant(d.setWobj_dyn0(INT_MIN)); }, false},
        {"initActiveDyn0 0", [](PositionerData& d) { return QVariant(d.initActiveDyn0(0)); }, false},
        {"initActiveDyn0 11", [](PositionerData& d) { return QVariant(d.initActiveDyn0(11)); }, false},
        {"initActiveDyn0 INT_MIN", [](PositionerData& d) { return QVariant(d.initActiveDyn0(INT_MIN)); }, false},
        {"initSetWobj_dyn0 0", [](PositionerData& d) { return QVariant(d.initSetWobj_dyn0(0)); }, false},
        {"initSetWobj_dyn0 11", [](PositionerData& d) { return QVariant(d.initSetWobj_dyn0(11)); }, false},
        {"initSetWobj_dyn0 INT_MIN", [](PositionerData& d) { return QVariant(d.initSetWobj_dyn0(INT_MIN)); }, false},
    };

    for (int i = 0; i < 10; ++i) {
        for (int k = 0; k < 6; ++k) {
            d->parms[i].axes1Frame[k] = d->parms[i].axes2Frame[k] = i + k + 1;
            d->parms[i].axes2FrameToBase[k] = d->parms[i].userFrame[k] = i - k - 1;
        }
    }
    for (TeachedPoint& point : d->teachedPoints)
        std::fill(std::begin(point.values), std::end(point.values), 3.0);
    d->teachStatus = 0x5;
    rtmCustomRvarRealVect("ipos.axespos", 2, 1).setValue(0, 10.5);
    const QByteArray before(reinterpret_cast<const char*>(d->parms),
                            sizeof d->parms + sizeof d->savedParms + sizeof d->teachedPoints);
    const std::size_t transfers = sim::Files::instance().transfers().size();

    for (const auto& c : cases) {
        d->setPositionerID(2);
        editor.clearCalls();
        const WriteLog writes;
        EXPECT_EQ(c.call(*d), c.result) << c.what;
        EXPECT_TRUE(writes.entries().isEmpty()) << c.what << ": " << qPrintable(writes.entries().join(' '));
        EXPECT_TRUE(editor.calls().empty()) << c.what;
        EXPECT_EQ(sim::VariableStore::instance().strayElementAccesses(), 0) << c.what;
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(d->parms), before.size()), before) << c.what;
        EXPECT_EQ(d->teachStatus, 0x5) << c.what;
        EXPECT_EQ(sim::Files::instance().transfers().size(), transfers) << c.what;
    }
    EXPECT_TRUE(d->dynBaseName.isEmpty());
    EXPECT_EQ(d->dynOframe[0], 0.0);
}

}  // namespace
