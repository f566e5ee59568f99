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

// The first of the other points of n's group for which taught(other) and
// fails(other) hold, in point order; 0 when there is none. The checks stop at
// this point, and an explanation names it.
template <typename Taught, typename Fails>
int firstFailingOther(int n, Taught taught, Fails fails)
{
    const int first = pointsPerGroup * groupOf(n) + 1;
    for (int other = first; other < first + pointsPerGroup; ++other) {
        if (other != n && taught(other) && fails(other))
            return other;
    }
    return 0;
}

// How far the external axis that drives the positioner axis (own) and the other
// external axes (others) moved between two points: sums over length values from
// first, the external axis at axisIndex among them.
struct AxisMovement
{
    double own = 0.0;
    double others = 0.0;
};

inline AxisMovement axisMovement(const TeachedPoint& p, const TeachedPoint& q, int first, int length, int axisIndex)
{
    AxisMovement moved;
    for (int a = 0; a < length; ++a)
        (a == axisIndex ? moved.own : moved.others) += std::fabs(p.values[first + a] - q.values[first + a]);
    return moved;
}

// The axis-run check of one pair of points: 0 when it passes, 1 when the own
// axis turned too little, 2 when the other axes turned too much.
inline int axisRunFailure(const AxisMovement& moved)
{
    if (moved.own < minOwnAxisMovement)
        return 1;
    return moved.others > maxOtherAxesMovement ? 2 : 0;
}

}  // namespace TeachingLimits
