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

// The controller's numbering of the same records, 1 to 10.
inline bool isPositionerNumber(int number) { return number >= 1 && number <= positionerCount; }

// The same tests for an argument the host gave: false, with the reason, when it
// names no record.
inline bool isPositionerArgument(const QString& name, int index)
{
    if (isPositioner(index))
        return true;
    PositionerDiagnostics::outOfRange(name, index, 0, positionerCount - 1);
    return false;
}

inline bool isPositionerNumberArgument(const QString& name, int number)
{
    if (isPositionerNumber(number))
        return true;
    PositionerDiagnostics::outOfRange(name, number, 1, positionerCount);
    return false;
}

}  // namespace Positioner
