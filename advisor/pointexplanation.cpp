// The checks of teachPoint run again, this time keeping the numbers: the same
// runs, sums and comparisons (NaN included), and the same order of the points,
// so that the point named is the one the library stopped at.
#include "pointexplanation.h"

#include "sentences.h"

#include <indexrange.h>

namespace PositionerAdvisor {

namespace {

using namespace TeachingLimits;

class Checks
{
public:
    Checks(const CalibrationPoints& points, int n, PointExplanation& e)
        : points_(points), n_(n), e_(e), m_(points.cartesianLength()), length_(points.externalLength())
    {
    }

    auto taught() const
    {
        return [this](int other) { return points_.isTaught(other); };
    }

    // Finds the point that made the check fail, keeping its measure.
    template <typename Measure, typename Fails>
    void find(TeachCheck check, double limit, Measure measure, Fails fails)
    {
        e_.check = check;
        e_.limit = limit;
        e_.comparedWith = firstFailingOther(n_, taught(), [&](int other) {
            e_.measured = measure(other);
            return fails(e_.measured);
        });
        if (e_.comparedWith == 0)
            e_.measured = 0.0;
    }

    double cartesian(int other) const { return runDistance(point(n_), point(other), 0, m_); }
    double external(int other) const { return runDistance(point(n_), point(other), m_, length_); }

    void explainIdRun(int result)
    {
        // The library stops at the first point that fails either test; the
        // result says which test that was.
        AxisMovement moved;
        const int other = firstFailingOther(n_, taught(), [&](int candidate) {
            moved = axisMovement(point(n_), point(candidate), m_, length_, e_.externalAxis);
            return axisRunFailure(moved) != 0;
        });
        const int failure = other != 0 ? axisRunFailure(moved) : 0;
        if (result == -3) {
            e_.check = TeachCheck::OwnAxisNotTurned;
            e_.limit = minOwnAxisMovement;
            e_.comparedWith = failure == 1 ? other : 0;
            e_.measured = failure == 1 ? moved.own : 0.0;
        } else {
            e_.check = TeachCheck::OtherAxesTurned;
            e_.limit = maxOtherAxesMovement;
            e_.comparedWith = failure == 2 ? other : 0;
            e_.measured = failure == 2 ? moved.others : 0.0;
        }
    }

    int externalLength() const { return length_; }

private:
    const TeachedPoint& point(int n) const { return points_.point(n); }

    const CalibrationPoints& points_;
    int n_;
    PointExplanation& e_;
    int m_;
    int length_;
};

}  // namespace

PointExplanation explainTeachResult(const CalibrationPoints& points, int n, int result) noexcept
{
    PointExplanation e;
    e.point = n;
    e.result = result;
    if (n < 1 || n > pointCount) {
        e.check = result == 0 ? TeachCheck::NoSuchPoint : TeachCheck::UnknownResult;
        return e;
    }
    const int group = groupOf(n);
    const bool axisPoint = group != userFrameGroup;
    if (axisPoint) {
        e.positionerAxis = group + 1;
        e.externalAxis = group == 0 ? points.axes1Index : points.axes2Index;
    }
    e.comparedAxes = points.externalLength();

    Checks checks(points, n, e);
    const auto cartesian = [&](int other) { return checks.cartesian(other); };
    const auto external = [&](int other) { return checks.external(other); };
    switch (result) {
    case 1:
        e.check = TeachCheck::Accepted;
        break;
    case 0:
        e.check = Positioner::isPositioner(points.positionerID) ? TeachCheck::UnknownResult
                                                                     : TeachCheck::NoPositioner;
        break;
    case -1:
        checks.find(TeachCheck::TooClose, minCartesianDistance, cartesian,
                    [](double sum) { return !(sum >= minCartesianDistance); });
        break;
    case -2:
        if (!axisPoint)
            break;
        checks.find(checks.externalLength() == 0 ? TeachCheck::NoExternalAxes : TeachCheck::PositionerNotTurned,
                    externalMovementLimit, external,
                    [](double sum) { return !(sum >= externalMovementLimit); });
        break;
    case -3:
        if (!axisPoint) {
            checks.find(TeachCheck::PositionerTurned, externalMovementLimit, external,
                        [](double sum) { return !(sum < externalMovementLimit); });
        } else if (!Positioner::inRange(e.externalAxis, e.comparedAxes)) {
            e.check = TeachCheck::OwnAxisNotCompared;
        } else {
            checks.explainIdRun(result);
        }
        break;
    case -4:
        if (axisPoint)
            checks.explainIdRun(result);
        break;
    default:
        break;
    }
    return e;
}

QString describe(const PointExplanation& explanation)
{
    return guarded([&] { return Sentences::describe(explanation); });
}

QString advise(const PointExplanation& explanation)
{
    return guarded([&] { return Sentences::advise(explanation); });
}

QString Sentences::describe(const PointExplanation& e)
{
    const QString point = QString::number(e.point);
    const QString other = QString::number(e.comparedWith);
    const QString measured = formatMeasure(e.measured, e.limit);
    const QString limit = formatMeasure(e.limit, e.limit);
    // The axis index is the caller's: at the top of int, one more overflows.
    const QString externalAxis = QString::number(qint64(e.externalAxis) + 1);
    const bool compared = e.comparedWith != 0;
    // A position of NaN or infinity gives a measure that no number states.
    if (compared && !std::isfinite(e.measured)) {
        return tr("Point %1 was refused: the position of point %1 or of point %2 is not a valid number.")
            .arg(point, other);
    }
    switch (e.check) {
    case TeachCheck::Accepted:
        return tr("Point %1 was taken.").arg(point);
    case TeachCheck::NoSuchPoint:
        return tr("There is no calibration point %1; the points are numbered 1 to 9.").arg(point);
    case TeachCheck::NoPositioner:
        return tr("Point %1 was not taken: no positioner is selected.").arg(point);
    case TeachCheck::TooClose:
        return compared ? tr("Point %1 is %2 from point %3 (position and orientation summed); at least %4 is "
                             "needed.")
                              .arg(point, measured, other, limit)
                        : tr("Point %1 was too close to another point of its group.").arg(point);
    case TeachCheck::PositionerNotTurned:
        return compared ? tr("The external axes moved %2 in all between point %3 and point %1; at least %4 is "
                             "needed.")
                              .arg(point, measured, other, limit)
                        : tr("The positioner did not turn enough before point %1.").arg(point);
    case TeachCheck::NoExternalAxes:
        return tr("Point %1 was refused: no external axes are compared, so the turn of the positioner cannot "
                  "be seen.")
            .arg(point);
    case TeachCheck::OwnAxisNotTurned:
        return compared ? tr("External axis %2, which drives positioner axis %3, moved %4 between point %5 and "
                             "point %1; at least %6 is needed.")
                              .arg(point, externalAxis, QString::number(e.positionerAxis), measured, other, limit)
                        : tr("External axis %2 did not turn enough before point %1.").arg(point, externalAxis);
    case TeachCheck::OwnAxisNotCompared:
        return tr("Positioner axis %2 is set to external axis %3, but only %4 external axes are compared, so "
                  "point %1 cannot show it turning.")
            .arg(point, QString::number(e.positionerAxis), externalAxis, QString::number(e.comparedAxes));
    case TeachCheck::OtherAxesTurned:
        return compared ? tr("The other external axes moved %2 in all between point %3 and point %1; at most %4 "
                             "is allowed.")
                              .arg(point, measured, other, limit)
                        : tr("Other external axes turned before point %1.").arg(point);
    case TeachCheck::PositionerTurned:
        return compared ? tr("The positioner moved %2 between point %3 and point %1; user-frame points need it "
                             "at rest (less than %4).")
                              .arg(point, measured, other, limit)
                        : tr("The positioner moved before point %1.").arg(point);
    case TeachCheck::UnknownResult:
        break;
    }
    return tr("Point %1: %2 is not a result of teaching this point.").arg(point, QString::number(e.result));
}

QString Sentences::advise(const PointExplanation& e)
{
    const QString other = QString::number(e.comparedWith);
    const QString positionerAxis = QString::number(e.positionerAxis);
    switch (e.check) {
    case TeachCheck::Accepted:
    case TeachCheck::UnknownResult:
        return QString();
    case TeachCheck::NoSuchPoint:
        return tr("Teach one of the points 1 to 9.");
    case TeachCheck::NoPositioner:
        return tr("Select a positioner first.");
    case TeachCheck::TooClose:
        return e.positionerAxis != 0 ? tr("Turn positioner axis %1 further before touching the mark again.")
                                           .arg(positionerAxis)
                                     : tr("Touch a mark further away from the other points.");
    case TeachCheck::PositionerNotTurned:
        return tr("Turn positioner axis %1 further between the points.").arg(positionerAxis);
    case TeachCheck::NoExternalAxes:
        return tr("Set the number of external axes before teaching the axis points.");
    case TeachCheck::OwnAxisNotTurned:
        return tr("Turn positioner axis %1 itself, and check that external axis %2 is the one that drives it.")
            .arg(positionerAxis, QString::number(qint64(e.externalAxis) + 1));
    case TeachCheck::OwnAxisNotCompared:
        return tr("Correct the external axis of positioner axis %1 or the number of external axes.")
            .arg(positionerAxis);
    case TeachCheck::OtherAxesTurned:
        return e.comparedWith != 0
                   ? tr("Leave the other axes where they stood at point %1 and turn only positioner axis %2.")
                         .arg(other, positionerAxis)
                   : tr("Turn only positioner axis %1.").arg(positionerAxis);
    case TeachCheck::PositionerTurned:
        return e.comparedWith != 0 ? tr("Turn the positioner back to where it stood at point %1.").arg(other)
                                   : tr("Keep the positioner at rest while teaching the user frame.");
    }
    return QString();
}

}  // namespace PositionerAdvisor
