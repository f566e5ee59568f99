// wobj_dyn0 as the editor registers it.
#pragma once

#include "editoraccess.h"
#include "failurerecord.h"
#include "frame.h"
#include "positionerdata.h"
#include "positionerparm.h"

#include <algorithm>

// How the editor is to treat a positioner's dynamic reference system, from its
// axis types: 1, 2 or 3. The first rule that matches decides.
inline int refSysKind(const PositionerParm& p)
{
    if (p.axes1Type <= 0)
        return 2;
    if (p.axes2Type > 0)
        return 3;
    if (p.axes1Type == 2)
        return 1;
    return 2;
}

// wobj_dyn0 takes the positioner's user frame as its object frame, on the base
// "table".
inline void adoptUserFrame(PositionerData& d, const PositionerParm& p)
{
    std::copy(p.userFrame, p.userFrame + 6, d.dynOframe);
    d.dynBaseName = QStringLiteral("table");
}

// Registers wobj_dyn0 with the editor as it now stands. A frame holding NaN or
// an infinity is refused, as GLOBAL.var and the program refuse it: the editor
// would move every point of the program by it.
inline bool registerDynRefSys(const PositionerData& d, const RplVariable& wobj, int kind)
{
    const double* f = d.dynOframe;
    if (!Positioner::isWritableFrame(f, QStringLiteral("wobj_dyn0")))
        return false;
    if (Positioner::editor()->setDynRefSys(wobj.id(), d.dynBaseName, f[0], f[1], f[2], f[3], f[4], f[5], kind))
        return true;
    Diagnostics::record(Diagnostics::Step::RegistrationRefused, QStringLiteral("wobj_dyn0"));
    return false;
}
