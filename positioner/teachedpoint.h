#pragma once

/// \file
/// One taught calibration point.

/// One taught calibration point: the robot's cartesian values first (as many as
/// the robot has axes, at most six), the external-axis values after them.
struct TeachedPoint
{
    /// The values in that order; the rest stay 0.
    double values[12] = {};
};
