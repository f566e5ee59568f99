// Index tests shared by the library's operations.
#pragma once

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

}  // namespace Positioner
