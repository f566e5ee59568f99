#pragma once

#include "teachedpoint.h"

#include <cmath>

// The plausibility limits of the calibration points: teachPoint refuses a point
// that breaks one of them, and hosts or tools that explain a refusal read them
// from here. Sums are of absolute differences, element by element.
namespace TeachingLimits {

constexpr int pointCount = 9;
constexpr int pointsPerGroup = 3;
constexpr int userFrameGroup = 2;
// The cartesian run and the external run hold at most six values each, so
// together they never leave a point's twelve values.
constexpr int maxRunLength = 6;

constexpr double minCartesianDistance = 5.0;
// The least movement between two axis points, and the movement below which two
// user-frame points count as taken with the positioner at rest.
constexpr double externalMovementLimit = 5.0;
constexpr double minOwnAxisMovement = 2.0;
constexpr double maxOtherAxesMovement = 2.0;

// The group (0, 1 or 2) of point n, 1 to 9.
inline int groupOf(int n) { return (n - 1) / pointsPerGroup; }

// The sum the checks compare: absolute differences over length values from first.
inline double runDistance(const TeachedPoint& p, const TeachedPoint& q, int first, int length)
{
    double sum = 0.0;
    for (int k = first; k < first + length; ++k)
        sum += std::fabs(p.values[k] - q.values[k]);
    return sum;
}

}  // namespace TeachingLimits
