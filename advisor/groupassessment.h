#pragma once

#include "advisor_global.h"
#include "calibrationpoints.h"

#include <QString>

namespace PositionerAdvisor {

enum class Verdict { Incomplete, Good, Marginal, Poor };

// What would make the group better, in the order in which it is looked for.
enum class Weakness {
    None,
    NoSuchGroup,
    NotTaught,          // a point of the group is missing
    BadValues,          // a point holds NaN, an infinity, or a value beyond any robot's reach
    Degenerate,         // points coincide or lie on one line: the calculation would fail
    NarrowArc,          // axis: the points span too little of the circle
    NearAxis,           // axis: the mark is too close to the axis for the touch noise
    ThirdPointNearLine, // user frame: the third point lies almost on the line through the first two
    ShortXSide,         // user frame: the first two points are too close together
    SmallTriangle,      // user frame: a sound triangle, but too small for the touch noise
    Noise               // the geometry is sound; only more careful touches would help
};

// The verdict's limits and the touch noise the prediction assumes. The
// defaults keep a point 300 mm from an axis within about 0.5 mm (good) and
// 2.5 mm (poor): a tilt of 0.1 degrees moves it by 0.52 mm, 0.5 degrees by
// 2.6 mm.
struct Tolerances
{
    // Standard deviation of one touch in each coordinate, millimetres.
    double touchNoise = 0.1;
    // Typical error of the frame's position (mm) and direction (degrees) up to
    // which a group is good, and beyond which it is poor.
    double goodPosition = 0.5;
    double poorPosition = 2.0;
    double goodAngle = 0.1;
    double poorAngle = 0.5;
    // An axis group whose points span less of a circle (degrees) is poor
    // whatever the prediction says: the fit then hangs on a sagitta of a few
    // touch errors, and the errors grow with the square of the narrowing.
    double minArc = 20.0;
    // The arc the advice asks for when a group is not good: three points 90
    // degrees apart.
    double recommendedArc = 180.0;
};

// A group of three calibration points judged before the controller calculates
// from them. Lengths in millimetres, angles in degrees.
struct GroupAssessment
{
    int group = 0;
    Verdict verdict = Verdict::Incomplete;
    Weakness weakness = Weakness::None;
    // The first point of the group that is not taught, for NotTaught.
    int missingPoint = 0;
    // False when the calculation would fail on these points.
    bool solvable = false;

    // Axis groups: the circle through the three positions.
    double centre[3] = {};
    double normal[3] = {};
    double radius = 0.0;
    double arc = 0.0;
    // The spread that NarrowArc advice asks for.
    double recommendedArc = 0.0;

    // User frame: the triangle of the three positions, and how far the third
    // lies from the line through the first two.
    double smallestAngle = 0.0;
    double shortestSide = 0.0;
    double offLine = 0.0;

    // Predicted errors of the calculated frame for the touch noise: typical
    // (the median) and high (the 95th percentile). Position: of the axis's
    // centre or the user frame's origin; angle: of the axis direction, or the
    // user frame's whole orientation. Infinite when the calculation may fail.
    double touchNoise = 0.0;
    double positionError = 0.0;
    double positionErrorHigh = 0.0;
    double angleError = 0.0;
    double angleErrorHigh = 0.0;
};

// Group 0 (points 1-3, axis 1), 1 (points 4-6, axis 2) or 2 (points 7-9, the
// user frame), from the points that count as taught. Quick enough to call after
// every taught point, and never fails: every input gives a verdict.
POSITIONER_ADVISOR_EXPORT GroupAssessment assessGroup(const CalibrationPoints& points, int group,
                                                      const Tolerances& tolerances = Tolerances{}) noexcept;

// The assessment in words, with its verdict, and what the operator can do (empty
// for a good group); translation context "PositionerAdvisor".
POSITIONER_ADVISOR_EXPORT QString describe(const GroupAssessment& assessment);
POSITIONER_ADVISOR_EXPORT QString advise(const GroupAssessment& assessment);
POSITIONER_ADVISOR_EXPORT QString verdictName(Verdict verdict);

}  // namespace PositionerAdvisor
