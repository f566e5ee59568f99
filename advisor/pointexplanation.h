#pragma once

#include "advisor_global.h"
#include "calibrationpoints.h"

#include <QString>

namespace PositionerAdvisor {

// Why teachPoint answered as it did.
enum class TeachCheck {
    Accepted,            // 1: taken
    NoSuchPoint,         // 0: the point number is not 1 to 9
    NoPositioner,        // 0: no positioner record is selected
    TooClose,            // -1: the robot stood too near another point of the group
    PositionerNotTurned, // -2: the external axes moved too little for an axis point
    NoExternalAxes,      // -2: no external axes are compared at all
    OwnAxisNotTurned,    // -3: the external axis that drives this positioner axis moved too little
    OwnAxisNotCompared,  // -3: that external axis is not among the ones compared
    OtherAxesTurned,     // -4: other external axes moved as well
    PositionerTurned,    // -3: the positioner moved between two user-frame points
    UnknownResult        // a result teachPoint does not give for this point
};

// One refusal (or acceptance) in numbers: the check, the point of the group the
// new point failed against, the sum measured there and the limit it broke.
struct PointExplanation
{
    int point = 0;
    int result = 0;
    TeachCheck check = TeachCheck::UnknownResult;
    // 0 when no comparison applies, or when the points have changed since so
    // that no point of the group breaks the limit any more.
    int comparedWith = 0;
    double measured = 0.0;
    double limit = 0.0;
    // The positioner axis (1 or 2) of an axis point and the external axis
    // (counted from 0) that drives it; 0 and -1 for user-frame points.
    int positionerAxis = 0;
    int externalAxis = -1;
    // How many external axes the checks compare (maxAuxjNum, at most 6).
    int comparedAxes = 0;
};

// Explains result, which teachPoint(n) returned, from the points as they are
// now: call it right after teachPoint, before the next point is taught.
POSITIONER_ADVISOR_EXPORT PointExplanation explainTeachResult(const CalibrationPoints& points, int n,
                                                              int result) noexcept;

// What happened and what the operator can do, in the host's language
// (translation context "PositionerAdvisor"). Empty advice when there is nothing
// to do.
POSITIONER_ADVISOR_EXPORT QString describe(const PointExplanation& explanation);
POSITIONER_ADVISOR_EXPORT QString advise(const PointExplanation& explanation);

}  // namespace PositionerAdvisor
