// Which work object the editor has active, and the controller's record of it.
#include "positionerdata.h"

#include "editoraccess.h"
#include "failurerecord.h"
#include "indexrange.h"
#include "dynwobj.h"
#include "variableset.h"

using namespace Positioner;

namespace {
// The editor makes the work object of that name active; false when the program
// does not declare it or the editor refuses.
bool activate(const QString& name)
{
    const RplVariable variable = declared(name);
    if (!variable.isValid())
        return false;
    if (editor()->setRefSys(variable.id()))
        return true;
    Diagnostics::record(Diagnostics::Step::ActivationRefused, name);
    return false;
}

// index + 1 for any index: the controller's number wraps instead of
// overflowing for the largest one.
int positionerNumber(int index)
{
    return static_cast<int>(static_cast<unsigned int>(index) + 1u);
}

}  // namespace

bool PositionerData::setWobj0(int index)
{
    const Diagnostics::Scope scope("setWobj0");
    if (!activate(QStringLiteral("wobj0")))
        return false;
    ipos_currentposindex = positionerNumber(index);
    return true;
}

bool PositionerData::setWobj_dyn0(int index)
{
    const Diagnostics::Scope scope("setWobj_dyn0");
    if (!isPositionerArgument(QStringLiteral("index"), index))
        return false;
    if (!activate(QStringLiteral("wobj_dyn0")))
        return false;
    ipos_currentposindex = index + 1;
    return true;
}

bool PositionerData::initActiveDyn0(int number)
{
    const Diagnostics::Scope scope("initActiveDyn0");
    if (!isPositionerNumberArgument(QStringLiteral("number"), number))
        return false;
    const RplVariable wobj = declared(QStringLiteral("wobj_dyn0"));
    if (!wobj.isValid())
        return false;
    const PositionerParm& p = parms[number - 1];
    adoptUserFrame(*this, p);
    return registerDynRefSys(*this, wobj, refSysKind(p));
}

bool PositionerData::initSetWobj_dyn0(int number)
{
    const Diagnostics::Scope scope("initSetWobj_dyn0");
    if (!isPositionerNumberArgument(QStringLiteral("number"), number))
        return false;
    return activate(QStringLiteral("wobj_dyn0"));
}

QString PositionerData::getCurrentWobj() { return ipos_currentwobj; }
void PositionerData::setCurrentWobj(QString name) { ipos_currentwobj = name; }
bool PositionerData::getTpuActivedyn0() { return ipos_tpu_active_wobj_dyn0; }
void PositionerData::setTpuActivedyn0(bool active) { ipos_tpu_active_wobj_dyn0 = active; }
