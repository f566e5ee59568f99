#pragma once

#include "positionerparm.h"

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
