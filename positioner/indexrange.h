// Index tests shared by the library's operations.
#pragma once

#include "failurerecord.h"

namespace Positioner {

// The records of parms and savedParms.
constexpr int positionerCount = 10;

// Taken as unsigned, so negative indices fall outside every range.
inline bool inRange(int index, int count)
{
    return static_cast<unsigned int>(index) < static_cast<unsigned int>(count);
}

inline bool isPositioner(int index) { return inRange(index, positionerCount); }

// An argument the host gave that names a record, as an index (0 to 9) or in
// the controller's numbering (1 to 10); false, with the reason, when it names none.
inline bool isPositionerArgument(const QString& name, int index)
{
    return Diagnostics::isWithin(name, index, 0, positionerCount - 1);
}

inline bool isPositionerNumberArgument(const QString& name, int number)
{
    return Diagnostics::isWithin(name, number, 1, positionerCount);
}

}  // namespace Positioner
