#pragma once

/// \file
/// How good a group of three calibration points is.

#include "advisor_global.h"
#include "calibrationpoints.h"

#include <QString>

namespace PositionerAdvisor {

/// How far the frame calculated from a group can be trusted.
enum class Verdict {
    Incomplete, ///< not all three points are taught, or there is no such group
    Good,       ///< within the good limits of Tolerances
    Marginal,   ///< between the good and the poor limits
    Poor        ///< beyond the poor limits, too narrow an arc, or not calculable
};

/// What would make the group better, in the order in which it is looked for.
enum class Weakness {
    None,               ///< nothing: the group is good
    NoSuchGroup,        ///< the group number is not 0, 1 or 2
    NotTaught,          ///< a point of the group is missing
    BadValues,          ///< a point holds NaN, an infinity, or a value beyond any robot's reach
    Degenerate,         ///< points coincide or lie on one line: the calculation would fail
    NarrowArc,          ///< axis: the points span too little of the circle
    NearAxis,           ///< axis: the mark is too close to the axis for the touch noise
    ThirdPointNearLine, ///< user frame: the third point lies almost on the line through the first two
    ShortXSide,         ///< user frame: the first two points are too close together
    SmallTriangle,      ///< user frame: a sound triangle, but too small for the touch noise
    Noise               ///< the geometry is sound; only more careful touches would help
};

/// The verdict's limits and the touch noise the prediction assumes. The
/// defaults keep a point 300 mm from an axis within about 0.5 mm (good) and
/// 2.5 mm (poor): a tilt of 0.1 degrees moves it by 0.52 mm, 0.5 degrees by
/// 2.6 mm. A value that is no finite number or lies below its range (a touch
/// noise that is not a positive number, a negative limit) is taken at its
/// default, so that no setting can make a group look better by mistake.
struct Tolerances
{
    /// Standard deviation of one touch in each coordinate, millimetres.
    double touchNoise = 0.1;
    /// Typical position error (mm) up to which a group is good.
    double goodPosition = 0.5;
    /// Typical position error (mm) beyond which a group is poor.
    double poorPosition = 2.0;
    /// Typical direction error (degrees) up to which a group is good.
    double goodAngle = 0.1;
    /// Typical direction error (degrees) beyond which a group is poor.
    double poorAngle = 0.5;
    /// An axis group whose points span less of a circle (degrees) is poor
    /// whatever the prediction says: the fit then hangs on a sagitta of a few
    /// touch errors, and the errors grow with the square of the narrowing.
    double minArc = 20.0;
    /// The arc the advice asks for when a group is not good: three points 90
    /// degrees apart.
    double recommendedArc = 180.0;
};

/// A group of three calibration points judged before the controller calculates
/// from them. Lengths in millimetres, angles in degrees.
struct GroupAssessment
{
    /// 0 (points 1-3, axis 1), 1 (points 4-6, axis 2) or 2 (points 7-9, user frame).
    int group = 0;
    /// How far the calculated frame can be trusted.
    Verdict verdict = Verdict::Incomplete;
    /// The first weakness found; what the advice is about.
    Weakness weakness = Weakness::None;
    /// The first point of the group that is not taught, for NotTaught.
    int missingPoint = 0;
    /// False when the calculation would fail on these points.
    bool solvable = false;

    /// Axis groups: centre of the circle through the three positions.
    double centre[3] = {};
    /// Axis groups: unit normal of that circle, the axis direction.
    double normal[3] = {};
    /// Axis groups: radius of the circle.
    double radius = 0.0;
    /// Axis groups: how much of the circle (degrees) the points span.
    double arc = 0.0;
    /// The spread that NarrowArc advice asks for.
    double recommendedArc = 0.0;

    /// User frame: the smallest angle of the triangle of the three positions.
    double smallestAngle = 0.0;
    /// User frame: the triangle's shortest side.
    double shortestSide = 0.0;
    /// User frame: how far the third point lies from the line through the first two.
    double offLine = 0.0;

    /// The touch noise the predicted errors below are for. Those are errors of
    /// the calculated frame, typical (the median) and high (the 95th
    /// percentile); position: of the axis's centre or the user frame's origin;
    /// angle: of the axis direction, or the user frame's whole orientation.
    /// Infinite when the calculation may fail.
    double touchNoise = 0.0;
    /// Typical position error, mm.
    double positionError = 0.0;
    /// High (95th percentile) position error, mm.
    double positionErrorHigh = 0.0;
    /// Typical angle error, degrees.
    double angleError = 0.0;
    /// High (95th percentile) angle error, degrees.
    double angleErrorHigh = 0.0;
};

/// Judges group 0 (points 1-3, axis 1), 1 (points 4-6, axis 2) or 2 (points
/// 7-9, the user frame) from the points that count as taught, so that a poor
/// group is taught again before the controller calculates a poor frame. Quick
/// enough to call after every taught point, and never fails: every input gives
/// a verdict.
/// \nowait
POSITIONER_ADVISOR_EXPORT GroupAssessment assessGroup(const CalibrationPoints& points, int group,
                                                      const Tolerances& tolerances = Tolerances{}) noexcept;

/// The assessment in words, with its numbers and verdict, in the host's
/// language (translation context "PositionerAdvisor").
/// \nowait
POSITIONER_ADVISOR_EXPORT QString describe(const GroupAssessment& assessment);
/// What the operator can do to improve the group; empty for a good group.
/// \nowait
POSITIONER_ADVISOR_EXPORT QString advise(const GroupAssessment& assessment);
/// The verdict as one translated word, for a status field.
/// \nowait
POSITIONER_ADVISOR_EXPORT QString verdictName(Verdict verdict);

}  // namespace PositionerAdvisor
