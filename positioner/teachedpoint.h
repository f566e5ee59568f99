#pragma once

// One taught calibration point: the robot's cartesian values first (as many as
// the robot has axes, at most six), the external-axis values after them.
struct TeachedPoint
{
    double values[12] = {};
};
