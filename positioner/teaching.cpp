// Teaching the nine calibration points and checking them for plausibility.
//
// Points 1-3 calibrate positioner axis 1, 4-6 axis 2, 7-9 the user frame. A
// point is compared only with the other points of its group that the controller
// reported as taught, by sums of absolute differences over runs of its values.
#include "positionerdata.h"

#include "eventwait.h"
#include "failurerecord.h"
#include "indexrange.h"
#include "platform.h"
#include "teachinglimits.h"
#include "variableset.h"

#include <algorithm>
#include <cmath>

using namespace Positioner;

namespace {
using namespace TeachingLimits;

constexpr int clearWaitRounds = 20;

bool isPointNumber(int n) { return n >= 1 && n <= pointCount; }

// Point n of an operation the host called; false, with the reason, for any other.
bool isTeachablePoint(int n) { return Diagnostics::isWithin(QStringLiteral("n"), n, 1, pointCount); }

// teachPoint's result for a point that failed a check, with the reason.
int refused(int n, int result)
{
    Diagnostics::record(Diagnostics::Step::PointRefused, QString(), n, result);
    return result;
}

// m: how many cartesian values a point holds. A negative axis count is taken
// as a robot without axes.
int cartesianRunLength() { return std::clamp(Platform::axisCount(), 0, maxRunLength); }

// The host may set maxAuxjNum directly, past what setMaxAuxjNum stores.
int externalRunLength(int maxAuxjNum) { return std::clamp(maxAuxjNum, 0, maxRunLength); }

// Whether the controller reported the point as taught.
auto taughtIn(int teachStatus)
{
    return [teachStatus](int point) { return Platform::isBitSet(teachStatus, point - 1); };
}

}  // namespace

int PositionerData::teachPoint(int n)
{
    const Diagnostics::Scope scope("teachPoint");
    // The axis points need the selected record; without one nothing is taken.
    if (!isTeachablePoint(n))
        return 0;
    if (!isPositionerArgument(QStringLiteral("positionerID"), positionerID))
        return 0;
    const int m = cartesianRunLength();
    TeachedPoint& point = teachedPoints[n - 1];

    const Platform::Pose pose = Platform::cartesianPose();
    for (int k = 0; k < m; ++k)
        point.values[k] = pose[k];
    if (ipos_enable_slave_robot) {
        point.values[m] = ipos_axespos.getValue(0);
        point.values[m + 1] = ipos_axespos.getValue(1);
    } else {
        for (int a = 0; a < externalRunLength(maxAuxjNum); ++a)
            point.values[m + a] = iauxj_auxcurrentposition.getValue(a);
    }
    teachStatus = Platform::withBit(ipos_teachstatus, n - 1, true);

    if (!checkPointPosition(n))
        return refused(n, -1);
    const bool axisPoint = groupOf(n) != userFrameGroup;
    if (!checkAuxjPosition(n))
        return refused(n, axisPoint ? -2 : -3);
    if (axisPoint) {
        const PositionerParm& record = parms[positionerID];
        const int axisIndex = groupOf(n) == 0 ? record.axes1Index : record.axes2Index;
        // The axis run's failures 1 and 2 are results -3 and -4.
        if (const int run = checkAuxjIdRun(n, axisIndex); run != 0)
            return refused(n, -2 - run);
    }

    ipos_pointindex = n;
    ipos_bteachpoint = true;
    return 1;
}

void PositionerData::clearTeachedPoint(int n)
{
    const Diagnostics::Scope scope("clearTeachedPoint");
    if (!isTeachablePoint(n))
        return;
    Operation operation(this);
    pollRounds(clearWaitRounds, [] { return !ipos_bclearpoint; });
    processEventsFor(roundMs);
    // The point goes out only now, right before the flag: a clear still pending,
    // or a point taught by a host handler during the wait, would otherwise make
    // the controller act on the wrong point.
    ipos_pointindex = n;
    ipos_bclearpoint = true;
    teachedPoints[n - 1] = TeachedPoint{};
}

bool PositionerData::checkPointPosition(int n)
{
    if (!isPointNumber(n))
        return false;
    const int m = cartesianRunLength();
    return firstFailingOther(n, taughtIn(teachStatus), [&](int other) {
               return !(runDistance(teachedPoints[n - 1], teachedPoints[other - 1], 0, m) >= minCartesianDistance);
           }) == 0;
}

bool PositionerData::checkAuxjPosition(int n)
{
    if (!isPointNumber(n))
        return false;
    const int m = cartesianRunLength();
    const int length = externalRunLength(maxAuxjNum);
    const bool mustStay = groupOf(n) == userFrameGroup;
    return firstFailingOther(n, taughtIn(teachStatus), [&](int other) {
               const double moved = runDistance(teachedPoints[n - 1], teachedPoints[other - 1], m, length);
               return mustStay ? !(moved < externalMovementLimit) : !(moved >= externalMovementLimit);
           }) == 0;
}

int PositionerData::checkAuxjIdRun(int n, int axisIndex)
{
    if (!isPointNumber(n))
        return 0;
    const int m = cartesianRunLength();
    const int length = externalRunLength(maxAuxjNum);
    int result = 0;
    firstFailingOther(n, taughtIn(teachStatus), [&](int other) {
        result = axisRunFailure(axisMovement(teachedPoints[n - 1], teachedPoints[other - 1], m, length, axisIndex));
        return result != 0;
    });
    return result;
}
