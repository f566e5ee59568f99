#pragma once

/// \file
/// Why teachPoint answered as it did.

#include "advisor_global.h"
#include "calibrationpoints.h"

#include <QString>

namespace PositionerAdvisor {

/// Why teachPoint answered as it did: its result codes overlap (two meanings
/// of 0, -2 and -3), and the operator needs to know which check refused.
enum class TeachCheck {
    Accepted,            ///< 1: taken
    NoSuchPoint,         ///< 0: the point number is not 1 to 9
    NoPositioner,        ///< 0: no positioner record is selected
    TooClose,            ///< -1: the robot stood too near another point of the group
    PositionerNotTurned, ///< -2: the external axes moved too little for an axis point
    NoExternalAxes,      ///< -2: no external axes are compared at all
    OwnAxisNotTurned,    ///< -3: the external axis that drives this positioner axis moved too little
    OwnAxisNotCompared,  ///< -3: that external axis is not among the ones compared
    OtherAxesTurned,     ///< -4: other external axes moved as well
    PositionerTurned,    ///< -3: the positioner moved between two user-frame points
    UnknownResult        ///< a result teachPoint does not give for this point
};

/// One refusal (or acceptance) in numbers: the check, the point of the group the
/// new point failed against, the sum measured there and the limit it broke.
struct PointExplanation
{
    /// The point that was taught, as given to teachPoint.
    int point = 0;
    /// What teachPoint returned.
    int result = 0;
    /// Which check gave that result.
    TeachCheck check = TeachCheck::UnknownResult;
    /// The point of the group the new point failed against; 0 when no
    /// comparison applies, or when the points have changed since so that no
    /// point of the group breaks the limit any more.
    int comparedWith = 0;
    /// The sum the check measured against comparedWith.
    double measured = 0.0;
    /// The limit that sum had to reach (or, for OtherAxesTurned and
    /// PositionerTurned, stay below).
    double limit = 0.0;
    /// The positioner axis (1 or 2) of an axis point; 0 for user-frame points.
    int positionerAxis = 0;
    /// The external axis (counted from 0) that drives positionerAxis; -1 for
    /// user-frame points.
    int externalAxis = -1;
    /// How many external axes the checks compare (maxAuxjNum, at most 6).
    int comparedAxes = 0;
};

/// Explains result, which teachPoint(n) returned, from the points as they are
/// now: call it right after teachPoint, before the next point is taught, since
/// the explanation is found again from the points rather than kept by the
/// library.
/// \nowait
POSITIONER_ADVISOR_EXPORT PointExplanation explainTeachResult(const CalibrationPoints& points, int n,
                                                              int result) noexcept;

/// What happened, with the numbers, in the host's language (translation
/// context "PositionerAdvisor"), for the operator's message line.
/// \nowait
POSITIONER_ADVISOR_EXPORT QString describe(const PointExplanation& explanation);
/// What the operator can do about it, in the host's language; empty when there
/// is nothing to do.
/// \nowait
POSITIONER_ADVISOR_EXPORT QString advise(const PointExplanation& explanation);

}  // namespace PositionerAdvisor
