// Asking the controller to calculate the frames from the taught points.
//
// Each request resets its status to 0 before raising the flag, so a status
// left by an earlier request is never taken for the answer; only 1 completes.
#include "positionerdata.h"

#include "eventwait.h"
#include "indexrange.h"
#include "variableset.h"

#include <QString>

#include <cmath>

namespace {

constexpr int axisCount = 2;
constexpr int axisAnswerPolls = 100;
constexpr int userFrameAnswerPolls = 1000;
constexpr int answered = 1;

// Frames are kept with the four decimals of the calibration file; going
// through the text gives exactly the value the file will hold.
double roundedToFileDecimals(double value)
{
    return QString::number(value, 'f', 4).toDouble();
}

void storeRounded(double (&frame)[6], const rtmCustomRvarRealVect& answer)
{
    for (int k = 0; k < 6; ++k)
        frame[k] = roundedToFileDecimals(answer.getValue(k));
}

// NaN or infinity is no frame: such an answer counts as none.
bool isFinite(const rtmCustomRvarRealVect& answer)
{
    for (int k = 0; k < 6; ++k) {
        if (!std::isfinite(answer.getValue(k)))
            return false;
    }
    return true;
}

void zero(double (&frame)[6])
{
    for (double& value : frame)
        value = 0.0;
}

}  // namespace

int PositionerData::calculatePositionerFrame(int axis)
{
    if (!Positioner::isPositioner(positionerID) || !Positioner::inRange(axis, axisCount))
        return 0;
    Operation operation(this);
    ipos_calculate_axes_status.setValue(axis, 0);
    ipos_axesindex = axis + 1;
    ipos_calculate_axes = true;
    Positioner::processEventsFor(Positioner::roundMs);
    if (!Positioner::pollRounds(axisAnswerPolls, [axis] {
            return ipos_calculate_axes_status.getValue(axis) == answered;
        }))
        return 0;
    // Host handlers ran during the wait and may have changed the selection.
    if (!Positioner::isPositioner(positionerID))
        return 0;
    PositionerParm& record = parms[positionerID];
    if (positionerAxisID == 0 ? !isFinite(ipos_posframe1)
                              : !isFinite(ipos_posframe2) || !isFinite(ipos_posframe2tobase))
        return 0;
    if (positionerAxisID == 0) {
        storeRounded(record.axes1Frame, ipos_posframe1);
    } else {
        storeRounded(record.axes2Frame, ipos_posframe2);
        storeRounded(record.axes2FrameToBase, ipos_posframe2tobase);
    }
    return 1;
}

int PositionerData::calculateUserFrame()
{
    if (!Positioner::isPositioner(positionerID))
        return 0;
    Operation operation(this);
    ipos_calculate_user_status = 0;
    ipos_calculate_user = true;
    if (!Positioner::pollRounds(userFrameAnswerPolls,
                                    [] { return ipos_calculate_user_status == answered; }))
        return 0;
    if (!Positioner::isPositioner(positionerID) || !isFinite(ipos_userframe))
        return 0;
    storeRounded(parms[positionerID].userFrame, ipos_userframe);
    return 1;
}

void PositionerData::clearPositionerFrame(int positioner, int axis)
{
    if (!Positioner::isPositioner(positioner))
        return;
    PositionerParm& record = parms[positioner];
    if (axis == 0) {
        zero(record.axes1Frame);
    } else if (axis == 1) {
        zero(record.axes2Frame);
        zero(record.axes2FrameToBase);
    }
}

void PositionerData::setUserFrameCalibMethod(int method)
{
    ipos_calculate_user_type = method == 1;
}

void PositionerData::switchPosId(int positioner)
{
    ipos_posindex = positioner;
    ipos_bswitchpos = true;
}
