#pragma once

#include "advisor_global.h"

#include <teachedpoint.h>
#include <teachinglimits.h>

#include <algorithm>

class PositionerData;

namespace PositionerAdvisor {

// What the advisor reads of a calibration in progress: the library's copy of
// the nine points and what decides how they are compared. A plain copy, so that
// the advisor never holds on to the library and a host can ask about points it
// keeps elsewhere.
struct CalibrationPoints
{
    TeachedPoint points[TeachingLimits::pointCount];
    // Bit n - 1 set: point n counts as taught.
    int teachStatus = 0;
    // The robot's axis count: a point's first min(axisCount, 6) values are
    // cartesian, its external-axis values follow.
    int axisCount = 6;
    int maxAuxjNum = 6;
    // The selected record, and the external axes that drive its two axes.
    int positionerID = 0;
    int axes1Index = 0;
    int axes2Index = 1;

    bool isTaught(int n) const
    {
        return n >= 1 && n <= TeachingLimits::pointCount && ((teachStatus >> (n - 1)) & 1) != 0;
    }
    int cartesianLength() const { return std::clamp(axisCount, 0, TeachingLimits::maxRunLength); }
    int externalLength() const { return std::clamp(maxAuxjNum, 0, TeachingLimits::maxRunLength); }
    const TeachedPoint& point(int n) const { return points[n - 1]; }
};

// A copy of what the library holds now, with the robot's axis count as the
// data-access service reports it.
POSITIONER_ADVISOR_EXPORT CalibrationPoints calibrationPoints(PositionerData& data) noexcept;

}  // namespace PositionerAdvisor
