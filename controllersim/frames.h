// Frames of the simulated cell.
//
// A frame is x, y, z, a, b, c: a position in millimetres and an orientation in
// degrees, R = Rz(a) * Ry(b) * Rx(c) (turn about z by a, then about the turned
// y by b, then about the twice-turned x by c). Every frame that the simulated
// controller reads or writes, and every frame of the cell model, uses this one
// convention. a and c come out in (-180, 180], b in [-90, 90].
#pragma once

#include <Eigen/Geometry>

#include <array>
#include <optional>

namespace cellsim {

using Frame = std::array<double, 6>;

Eigen::Isometry3d toTransform(const Frame& frame);
Frame toFrame(const Eigen::Isometry3d& transform);

// Turning about the frame's own z axis by degrees.
Eigen::Isometry3d turnAboutZ(double degrees);

// The frame of the circle through three points: origin at its centre, z along
// its normal by the right-hand rule for p1 -> p2 -> p3, x towards p1. None when
// the points are coincident or collinear.
std::optional<Eigen::Isometry3d> circleFrame(const Eigen::Vector3d& p1, const Eigen::Vector3d& p2,
                                             const Eigen::Vector3d& p3);

// The frame with the given origin, x towards onX and the xy-plane through
// inPlane (on the side of positive y). None when the three are collinear.
std::optional<Eigen::Isometry3d> threePointFrame(const Eigen::Vector3d& origin,
                                                 const Eigen::Vector3d& onX,
                                                 const Eigen::Vector3d& inPlane);

// Differences of two frames: the distance of their origins, and the angle in
// degrees of the rotation that takes one orientation into the other.
double positionError(const Frame& p, const Frame& q);
double angleError(const Frame& p, const Frame& q);

}  // namespace cellsim
