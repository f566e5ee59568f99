// A frame: six values x, y, z, a, b, c, as the controller gives and takes them.
#pragma once

#include "failurerecord.h"

#include <algorithm>
#include <cmath>

namespace Positioner {

constexpr int frameValues = 6;

// NaN and infinity are no frame values: the controller could not read them.
inline bool isFiniteFrame(const double* frame)
{
    return std::all_of(frame, frame + frameValues, [](double value) { return std::isfinite(value); });
}

// The same for a frame about to be written: false, naming it as the reason,
// when it holds NaN or infinity.
inline bool isWritableFrame(const double* frame, const QString& name)
{
    if (isFiniteFrame(frame))
        return true;
    Diagnostics::record(Diagnostics::Step::NotFinite, name);
    return false;
}

}  // namespace Positioner
