// Frames as the controller gives them: x, y, z in millimetres and a, b, c in
// degrees with the orientation Rz(a) * Ry(b) * Rx(c).
#pragma once

#include "calibrationxml.h"

namespace tool {

using Vector = std::array<double, 3>;
using Rotation = std::array<Vector, 3>;  // rows

Rotation rotationOf(const Frame& frame);
// The unit vector of the frame's own x (0), y (1) or z (2) axis.
Vector axisOf(const Frame& frame, int axis);

// How far two frames lie apart: the distance of their origins, and the angle
// in degrees of the turn that takes one orientation into the other.
double distanceBetween(const Frame& p, const Frame& q);
double angleBetween(const Frame& p, const Frame& q);

}  // namespace tool
