#pragma once

/// \file
/// The calibration points the advisor reads.

#include "advisor_global.h"

#include <teachedpoint.h>
#include <teachinglimits.h>

#include <algorithm>

class PositionerData;

namespace PositionerAdvisor {

/// What the advisor reads of a calibration in progress: the library's copy of
/// the nine points and what decides how they are compared. A plain copy, so that
/// the advisor never holds on to the library and a host can ask about points it
/// keeps elsewhere.
struct CalibrationPoints
{
    /// Points 1 to 9 at indices 0 to 8, as PositionerData::teachedPoints.
    TeachedPoint points[TeachingLimits::pointCount];
    /// Bit n - 1 set: point n counts as taught.
    int teachStatus = 0;
    /// The robot's axis count: a point's first min(axisCount, 6) values are
    /// cartesian, its external-axis values follow.
    int axisCount = 6;
    /// How many external axes the checks compare (setMaxAuxjNum).
    int maxAuxjNum = 6;
    /// The selected record, 0 to 9.
    int positionerID = 0;
    /// External axis (from 0) that drives positioner axis 1.
    int axes1Index = 0;
    /// External axis (from 0) that drives positioner axis 2.
    int axes2Index = 1;

    /// Whether point n (1 to 9) counts as taught; false for any other n.
    /// \nowait
    bool isTaught(int n) const
    {
        return n >= 1 && n <= TeachingLimits::pointCount && ((teachStatus >> (n - 1)) & 1) != 0;
    }
    /// How many leading values of a point are cartesian, kept within a point.
    /// \nowait
    int cartesianLength() const { return std::clamp(axisCount, 0, TeachingLimits::maxRunLength); }
    /// How many external-axis values are compared, kept within a point.
    /// \nowait
    int externalLength() const { return std::clamp(maxAuxjNum, 0, TeachingLimits::maxRunLength); }
    /// Point n, 1 to 9; the caller keeps n in range.
    /// \nowait
    const TeachedPoint& point(int n) const { return points[n - 1]; }
};

/// A copy of what the library holds now, with the robot's axis count as the
/// data-access service reports it. Take it after each teachPoint, so that the
/// advice matches the points the operator sees.
/// \nowait
POSITIONER_ADVISOR_EXPORT CalibrationPoints calibrationPoints(PositionerData& data) noexcept;

}  // namespace PositionerAdvisor
