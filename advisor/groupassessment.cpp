// Judging a group of three calibration points before the controller calculates
// from them.
//
// The prediction repeats the controller's calculation on the taught positions
// moved by the fixed set of touch errors (touchsamples.h), scaled to the touch
// noise, and takes the median and the 95th percentile of how far each result
// lies from the result of the taught positions themselves. Done this way rather
// than by linear error propagation because the errors of a narrow arc are far
// from normal: the circle hangs on a sagitta of a few touch errors.
#include "groupassessment.h"

#include "sentences.h"
#include "touchsamples.h"
#include "vector3.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace PositionerAdvisor {

namespace {

using namespace TeachingLimits;

constexpr double pi = 3.14159265358979323846;
constexpr double degreesPerRadian = 180.0 / pi;
constexpr double unbounded = std::numeric_limits<double>::infinity();
// No robot reaches a kilometre (the positions are in millimetres); beyond that
// a value is taken for garbage, and squares of what remains stay finite.
constexpr double reach = 1e6;
// Points closer than this coincide; directions whose angle has a smaller sine
// are parallel: no calculation can take such points. Groups anywhere near
// these limits are poor long before, by their predicted error.
constexpr double coincidentDistance = 1e-6;
constexpr double parallelSine = 1e-9;

struct Triple
{
    Vector3 p[3];
};

bool spanPlane(const Vector3& u, const Vector3& v)
{
    return norm(u) > coincidentDistance && norm(v) > coincidentDistance &&
           norm(cross(u, v)) > parallelSine * norm(u) * norm(v);
}

double angleBetween(const Vector3& u, const Vector3& v)
{
    return std::atan2(norm(cross(u, v)), dot(u, v)) * degreesPerRadian;
}

// The circle through three points, as the controller calculates an axis.
bool circleThrough(const Triple& t, Vector3& centre, Vector3& normal)
{
    const Vector3 u = t.p[1] - t.p[0];
    const Vector3 v = t.p[2] - t.p[0];
    if (!spanPlane(u, v))
        return false;
    const Vector3 n = cross(u, v);
    centre = t.p[0] + (1.0 / (2.0 * squaredNorm(n))) * (squaredNorm(u) * cross(v, n) + squaredNorm(v) * cross(n, u));
    normal = normalized(n);
    return true;
}

// The user frame: origin at the first point, x towards the second, the
// xy-plane through the third.
bool frameThrough(const Triple& t, Axes& rotation)
{
    const Vector3 x = t.p[1] - t.p[0];
    const Vector3 towardsPlane = t.p[2] - t.p[0];
    if (!spanPlane(x, towardsPlane))
        return false;
    const Vector3 z = normalized(cross(x, towardsPlane));
    rotation.column[0] = normalized(x);
    rotation.column[2] = z;
    rotation.column[1] = cross(z, rotation.column[0]);
    return true;
}

// The angle of the turn from one rotation to the other, from the trace and
// the skew part of from^T * to.
double rotationAngle(const Axes& from, const Axes& to)
{
    const auto d = [&](int i, int j) { return dot(from.column[i], to.column[j]); };
    const Vector3 skew{d(2, 1) - d(1, 2), d(0, 2) - d(2, 0), d(1, 0) - d(0, 1)};
    return std::atan2(norm(skew) / 2.0, (d(0, 0) + d(1, 1) + d(2, 2) - 1.0) / 2.0) * degreesPerRadian;
}

// The three taught positions moved by one draw of touch errors.
Triple moved(const Triple& t, const TouchDraw& draw, double sigma)
{
    Triple out = t;
    for (int i = 0; i < 3; ++i) {
        for (int k = 0; k < 3; ++k)
            out.p[i][k] += sigma * draw[static_cast<std::size_t>(3 * i + k)];
    }
    return out;
}

// Runs error(draw's triple) over all draws; each gives a position and an angle.
template <typename Error>
void predict(const Triple& t, double sigma, GroupAssessment& a, Error error)
{
    std::array<double, touchDraws> position{};
    std::array<double, touchDraws> angle{};
    const auto& draws = touchSamples();
    for (std::size_t s = 0; s < draws.size(); ++s)
        error(moved(t, draws[s], sigma), position[s], angle[s]);
    const Spread p = spreadOf(position);
    const Spread q = spreadOf(angle);
    a.positionError = p.typical;
    a.positionErrorHigh = p.high;
    a.angleError = q.typical;
    a.angleErrorHigh = q.high;
}

void setUnbounded(GroupAssessment& a)
{
    a.positionError = a.positionErrorHigh = a.angleError = a.angleErrorHigh = unbounded;
}

// The arc the three points span on their circle: the full turn less the
// widest gap between them.
double arcSpanned(const Triple& t, const Vector3& centre, const Vector3& normal)
{
    const Vector3 x = normalized(t.p[0] - centre);
    const Vector3 y = cross(normal, x);
    double at[3];
    for (int i = 0; i < 3; ++i) {
        const Vector3 d = t.p[i] - centre;
        const double turn = std::atan2(dot(d, y), dot(d, x));
        at[i] = turn < 0.0 ? turn + 2.0 * pi : turn;
    }
    std::sort(at, at + 3);
    const double widestGap = std::max({at[1] - at[0], at[2] - at[1], 2.0 * pi - at[2] + at[0]});
    return (2.0 * pi - widestGap) * degreesPerRadian;
}

void assessAxis(const Triple& t, double sigma, GroupAssessment& a)
{
    Vector3 centre;
    Vector3 normal;
    if (!circleThrough(t, centre, normal))
        return;
    a.solvable = true;
    for (int k = 0; k < 3; ++k) {
        a.centre[k] = centre[k];
        a.normal[k] = normal[k];
    }
    a.radius = norm(t.p[0] - centre);
    a.arc = arcSpanned(t, centre, normal);
    predict(t, sigma, a, [&](const Triple& draw, double& position, double& angle) {
        Vector3 c;
        Vector3 n;
        const bool ok = circleThrough(draw, c, n);
        position = ok ? norm(c - centre) : unbounded;
        angle = ok ? angleBetween(normal, n) : unbounded;
    });
}

void assessUserFrame(const Triple& t, double sigma, GroupAssessment& a)
{
    const Vector3 x = t.p[1] - t.p[0];
    const Vector3 towardsPlane = t.p[2] - t.p[0];
    a.shortestSide = std::min({norm(x), norm(towardsPlane), norm(t.p[2] - t.p[1])});
    a.smallestAngle = std::min({angleBetween(x, towardsPlane), angleBetween(-x, t.p[2] - t.p[1]),
                                angleBetween(-towardsPlane, t.p[1] - t.p[2])});
    a.offLine = norm(x) > 0.0 ? norm(cross(x, towardsPlane)) / norm(x) : norm(towardsPlane);
    Axes rotation;
    if (!frameThrough(t, rotation))
        return;
    a.solvable = true;
    predict(t, sigma, a, [&](const Triple& draw, double& position, double& angle) {
        Axes r;
        const bool ok = frameThrough(draw, r);
        position = norm(draw.p[0] - t.p[0]);
        angle = ok ? rotationAngle(rotation, r) : unbounded;
    });
}

bool usable(const Triple& t)
{
    for (const Vector3& p : t.p) {
        for (int k = 0; k < 3; ++k) {
            if (!(std::fabs(p[k]) <= reach))
                return false;
        }
    }
    return true;
}

// What to improve first when the group is not good. xSide: the distance
// from the user frame's origin to its point on x.
Weakness weaknessOf(const GroupAssessment& a, const Tolerances& limits, double xSide)
{
    const bool angleFails = !(a.angleError <= limits.goodAngle);
    if (a.group != userFrameGroup) {
        if (!(a.arc >= limits.recommendedArc))
            return Weakness::NarrowArc;
        return angleFails ? Weakness::NearAxis : Weakness::Noise;
    }
    if (!angleFails)
        return Weakness::Noise;
    // The orientation hangs on the shorter of the two: a thin triangle has one
    // much shorter than the other.
    constexpr double thin = 0.25;
    if (a.offLine < thin * xSide)
        return Weakness::ThirdPointNearLine;
    if (xSide < thin * a.offLine)
        return Weakness::ShortXSide;
    return Weakness::SmallTriangle;
}

// A tolerance the host set to no usable number (NaN, an infinity, below its
// range, a denormal noise) is taken at its default: garbage must never make a
// group look better than the defaults would. The noise must be positive, as no
// touch is perfect; the limits may be 0.
Tolerances usableTolerances(const Tolerances& given)
{
    const Tolerances defaults;
    const auto limit = [](double value, double fallback) {
        return std::isfinite(value) && value >= 0.0 ? value : fallback;
    };
    Tolerances t;
    t.touchNoise = std::isnormal(given.touchNoise) && given.touchNoise > 0.0 ? given.touchNoise : defaults.touchNoise;
    t.goodPosition = limit(given.goodPosition, defaults.goodPosition);
    t.poorPosition = limit(given.poorPosition, defaults.poorPosition);
    t.goodAngle = limit(given.goodAngle, defaults.goodAngle);
    t.poorAngle = limit(given.poorAngle, defaults.poorAngle);
    t.minArc = limit(given.minArc, defaults.minArc);
    t.recommendedArc = limit(given.recommendedArc, defaults.recommendedArc);
    return t;
}

}  // namespace

GroupAssessment assessGroup(const CalibrationPoints& points, int group, const Tolerances& given) noexcept
{
    const Tolerances limits = usableTolerances(given);
    GroupAssessment a;
    a.group = group;
    a.recommendedArc = limits.recommendedArc;
    if (group < 0 || group >= pointCount / pointsPerGroup) {
        a.weakness = Weakness::NoSuchGroup;
        return a;
    }
    const int first = pointsPerGroup * group + 1;
    for (int n = first; n < first + pointsPerGroup; ++n) {
        if (!points.isTaught(n)) {
            a.weakness = Weakness::NotTaught;
            a.missingPoint = n;
            return a;
        }
    }

    // The robot's position: the first three cartesian values, as many as the
    // robot has.
    Triple t;
    const int coordinates = std::min(points.cartesianLength(), 3);
    for (int i = 0; i < 3; ++i) {
        t.p[i] = Vector3{};
        for (int k = 0; k < coordinates; ++k)
            t.p[i][k] = points.point(first + i).values[k];
    }
    a.verdict = Verdict::Poor;
    setUnbounded(a);
    if (!usable(t)) {
        a.weakness = Weakness::BadValues;
        return a;
    }
    a.touchNoise = limits.touchNoise;
    if (group == userFrameGroup)
        assessUserFrame(t, a.touchNoise, a);
    else
        assessAxis(t, a.touchNoise, a);
    if (!a.solvable) {
        a.weakness = Weakness::Degenerate;
        return a;
    }

    const bool wideEnough = group == userFrameGroup || a.arc >= limits.minArc;
    const bool withinPoor =
        wideEnough && a.positionError <= limits.poorPosition && a.angleError <= limits.poorAngle;
    const bool withinGood = a.positionError <= limits.goodPosition && a.angleError <= limits.goodAngle;
    a.verdict = !withinPoor ? Verdict::Poor : withinGood ? Verdict::Good : Verdict::Marginal;
    a.weakness = a.verdict == Verdict::Good ? Weakness::None : weaknessOf(a, limits, norm(t.p[1] - t.p[0]));
    return a;
}

QString describe(const GroupAssessment& assessment)
{
    return guarded([&] { return Sentences::describe(assessment); });
}

QString advise(const GroupAssessment& assessment)
{
    return guarded([&] { return Sentences::advise(assessment); });
}

QString verdictName(Verdict verdict)
{
    return guarded([&] { return Sentences::verdictName(static_cast<int>(verdict)); });
}

QString Sentences::verdictName(int verdict)
{
    switch (static_cast<Verdict>(verdict)) {
    case Verdict::Good:
        return tr("good");
    case Verdict::Marginal:
        return tr("marginal");
    case Verdict::Poor:
        return tr("poor");
    case Verdict::Incomplete:
        break;
    }
    return tr("incomplete");
}

namespace {

QString formatError(double value)
{
    return std::isfinite(value) ? formatNumber(value, 2) : QCoreApplication::translate("PositionerAdvisor", "unbounded");
}

}  // namespace

QString Sentences::describe(const GroupAssessment& a)
{
    const bool userFrame = a.group == userFrameGroup;
    // The group is the caller's number: at the top of int, one more overflows.
    const QString name = userFrame ? tr("User frame") : tr("Positioner axis %1").arg(qint64(a.group) + 1);
    QString text;
    switch (a.weakness) {
    case Weakness::NoSuchGroup:
        return tr("There is no group %1 of calibration points.").arg(a.group);
    case Weakness::NotTaught:
        return tr("%1: point %2 is not taught yet.").arg(name, QString::number(a.missingPoint));
    case Weakness::BadValues:
        text = tr("%1: the points hold values that are no positions a robot can reach.").arg(name);
        break;
    case Weakness::Degenerate:
        text = tr("%1: points coincide or all lie on one line; the calculation would fail.").arg(name);
        break;
    default:
        if (userFrame) {
            text = tr("%1: the smallest angle of the triangle is %2 degrees, its shortest side %3 mm, and the third "
                      "point lies %4 mm from the line through the first two. With touches off by %5 mm the frame "
                      "will be turned by about %6 degrees (up to %7) and its origin off by %8 mm.")
                       .arg(name, formatNumber(a.smallestAngle, 1), formatNumber(a.shortestSide, 1),
                            formatNumber(a.offLine, 1), formatNumber(a.touchNoise, 2), formatError(a.angleError),
                            formatError(a.angleErrorHigh), formatError(a.positionError));
        } else {
            text = tr("%1: the points span %2 degrees of a circle of radius %3 mm. With touches off by %4 mm the "
                      "axis will be off by about %5 mm (up to %6 mm) and tilted by about %7 degrees (up to %8).")
                       .arg(name, formatNumber(a.arc, 1), formatNumber(a.radius, 1), formatNumber(a.touchNoise, 2),
                            formatError(a.positionError), formatError(a.positionErrorHigh),
                            formatError(a.angleError), formatError(a.angleErrorHigh));
        }
        break;
    }
    return tr("%1 Verdict: %2.").arg(text, verdictName(static_cast<int>(a.verdict)));
}

QString Sentences::advise(const GroupAssessment& a)
{
    const bool userFrame = a.group == userFrameGroup;
    switch (a.weakness) {
    case Weakness::None:
        break;
    case Weakness::NoSuchGroup:
        return tr("The groups are 0 (positioner axis 1), 1 (positioner axis 2) and 2 (user frame).");
    case Weakness::NotTaught:
        return tr("Teach point %1.").arg(a.missingPoint);
    case Weakness::BadValues:
        return tr("Teach the points of this group again.");
    case Weakness::Degenerate:
        return userFrame ? tr("Teach three marks that form a triangle: the third point must not lie on the line "
                              "through the first two.")
                         : tr("Turn the positioner between the points so that the mark moves on a circle.");
    case Weakness::NarrowArc: {
        // An assessment the host filled in itself may hold anything.
        const double arc = std::isfinite(a.recommendedArc) ? a.recommendedArc : Tolerances{}.recommendedArc;
        return tr("Spread the points at least %1 degrees apart: turn positioner axis %2 further between them.")
            .arg(formatNumber(arc / 2.0, 0), QString::number(qint64(a.group) + 1));
    }
    case Weakness::NearAxis:
        return tr("Touch a mark further from the axis: its direction is found the better the larger the circle.");
    case Weakness::ThirdPointNearLine:
        return tr("The third point lies almost on the line through the first two: move it further from that line.");
    case Weakness::ShortXSide:
        return tr("Put the second point further from the first along x.");
    case Weakness::SmallTriangle:
        return tr("Teach marks further apart: the orientation is found the better the larger the triangle.");
    case Weakness::Noise:
        return tr("The placement is sound; touch the points more carefully.");
    }
    return QString();
}

}  // namespace PositionerAdvisor
