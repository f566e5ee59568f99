// A frame: six values x, y, z, a, b, c, as the controller gives and takes them.
#pragma once

#include <algorithm>
#include <cmath>

namespace Positioner {

constexpr int frameValues = 6;

// NaN and infinity are no frame values: the controller could not read them.
inline bool isFiniteFrame(const double* frame)
{
    return std::all_of(frame, frame + frameValues, [](double value) { return std::isfinite(value); });
}

}  // namespace Positioner
