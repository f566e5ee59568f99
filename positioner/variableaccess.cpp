// Single controller variables and the registration of the variable set.
#include "positionerdata.h"

#include "failurerecord.h"
#include "indexrange.h"
#include "platform.h"
#include "variableset.h"

using namespace Positioner;

namespace {
using Platform::setUsedElements;

// Element i of a vector of count; false, with the reason, for any other.
bool isElement(int i, int count) { return Diagnostics::isWithin(QStringLiteral("i"), i, 0, count - 1); }

}  // namespace

int PositionerData::getPosId() { return ipos_posindex; }
void PositionerData::setPosId(int v) { ipos_posindex = v; }
bool PositionerData::getPositionEnabled() { return ipos_enable; }
void PositionerData::setPositionEnabled(bool on) { ipos_enable = on; }
int PositionerData::getCurrentActivedPos() { return ipos_currentposindex; }
bool PositionerData::get_enable_slave_robot() { return ipos_enable_slave_robot; }

double PositionerData::get_axespos(int i)
{
    const Diagnostics::Scope scope("get_axespos");
    return isElement(i, 2) ? ipos_axespos.getValue(i) : 0.0;
}

void PositionerData::setAxisIndexCfg(int i, int v)
{
    const Diagnostics::Scope scope("setAxisIndexCfg");
    if (isElement(i, 2))
        ipos_axisindex_cfg.setValue(i, v);
}

void PositionerData::setAxisTypeCfg(int i, int v)
{
    const Diagnostics::Scope scope("setAxisTypeCfg");
    if (isElement(i, 2))
        ipos_axistype_cfg.setValue(i, v);
}

void PositionerData::setTool_Value(int i, double v)
{
    const Diagnostics::Scope scope("setTool_Value");
    if (isElement(i, 6))
        ipos_tool_value.setValue(i, v);
}

void PositionerData::setEnableAxesNum(int n) { ipos_enableaxesnum = n; }

bool PositionerData::setUsedVars_positioner(bool on)
{
    // The current-positioner pair stays registered while setUsedVars_currentposID
    // keeps it.
    const bool currentPair = on || usedCurrentPosID;
    ipos_enable.setUsed(on);
    ipos_bclearpoint.setUsed(on);
    ipos_posindex.setUsed(on);
    ipos_bswitchpos.setUsed(currentPair);
    setUsedElements(ipos_posframe1, on);
    setUsedElements(ipos_posframe2, on);
    setUsedElements(ipos_posframe2tobase, on);
    setUsedElements(ipos_userframe, on);
    ipos_teachstatus.setUsed(on);
    setUsedElements(ipos_calculate_axes_status, on);
    ipos_calculate_user_status.setUsed(on);
    ipos_currentposindex.setUsed(currentPair);
    setUsedElements(iauxj_auxcurrentposition, on);
    ipos_enable_slave_robot.setUsed(on);
    setUsedElements(ipos_axespos, on);
    setUsedElements(obs_auxfunc, on);
    return true;
}

bool PositionerData::setUsedVars_currentposID(bool on)
{
    ipos_bswitchpos.setUsed(on);
    ipos_currentposindex.setUsed(on);
    usedCurrentPosID = on;
    return true;
}
