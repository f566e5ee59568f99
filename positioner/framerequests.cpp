// Asking the controller to calculate the frames from the taught points.
//
// Each request resets its status to 0 before raising the flag, so a status
// left by an earlier request is never taken for the answer; only 1 completes.
#include "positionerdata.h"

#include "eventwait.h"
#include "failurerecord.h"
#include "frame.h"
#include "indexrange.h"
#include "variableset.h"

#include <QElapsedTimer>
#include <QString>

#include <algorithm>

using namespace Positioner;

namespace {
constexpr int axisCount = 2;
constexpr int axisAnswerPolls = 100;
constexpr int userFrameAnswerPolls = 1000;
constexpr int answered = 1;

// Frames are kept with the four decimals of the calibration file; going
// through the text gives exactly the value the file will hold.
void storeRounded(double (&frame)[6], const rtmCustomRvarRealVect& answer)
{
    for (int k = 0; k < 6; ++k)
        frame[k] = QString::number(answer.getValue(k), 'f', 4).toDouble();
}

// The record the request fills.
bool positionerSelected(int positionerID)
{
    return isPositionerArgument(QStringLiteral("positionerID"), positionerID);
}

// The controller's answer, checked before it is stored: NaN or infinity is no
// frame, and such an answer counts as none.
bool usableAnswer(const rtmCustomRvarRealVect& answer, const QString& name)
{
    double frame[6];
    for (int k = 0; k < 6; ++k)
        frame[k] = answer.getValue(k);
    return isWritableFrame(frame, name);
}

// Waits up to `polls` rounds for the controller's status to read answered;
// when it does not, the status variable did not answer, for as long as waited.
template <typename Answered>
bool awaitAnswer(int polls, const QString& status, Answered isAnswered)
{
    QElapsedTimer waited;
    waited.start();
    if (pollRounds(polls, isAnswered))
        return true;
    Diagnostics::record(Diagnostics::Step::NoAnswer, status, waited.elapsed());
    return false;
}

}  // namespace

int PositionerData::calculatePositionerFrame(int axis)
{
    const Diagnostics::Scope scope("calculatePositionerFrame");
    if (!positionerSelected(positionerID))
        return 0;
    if (!Diagnostics::isWithin(QStringLiteral("axis"), axis, 0, axisCount - 1))
        return 0;
    Operation operation(this);
    ipos_calculate_axes_status.setValue(axis, 0);
    ipos_axesindex = axis + 1;
    ipos_calculate_axes = true;
    processEventsFor(roundMs);
    if (!awaitAnswer(axisAnswerPolls, QStringLiteral("ipos.calculate_axes_status[%1]").arg(axis),
                     [axis] { return ipos_calculate_axes_status.getValue(axis) == answered; }))
        return 0;
    // Host handlers ran during the wait and may have changed the selection.
    if (!positionerSelected(positionerID))
        return 0;
    PositionerParm& record = parms[positionerID];
    if (positionerAxisID == 0 ? !usableAnswer(ipos_posframe1, QStringLiteral("ipos.posframe1"))
                              : !usableAnswer(ipos_posframe2, QStringLiteral("ipos.posframe2")) ||
                                    !usableAnswer(ipos_posframe2tobase, QStringLiteral("ipos.posframe2tobase")))
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
    const Diagnostics::Scope scope("calculateUserFrame");
    if (!positionerSelected(positionerID))
        return 0;
    Operation operation(this);
    ipos_calculate_user_status = 0;
    ipos_calculate_user = true;
    if (!awaitAnswer(userFrameAnswerPolls, QStringLiteral("ipos.calculate_user_status"),
                     [] { return ipos_calculate_user_status == answered; }))
        return 0;
    if (!positionerSelected(positionerID) || !usableAnswer(ipos_userframe, QStringLiteral("ipos.userframe")))
        return 0;
    storeRounded(parms[positionerID].userFrame, ipos_userframe);
    return 1;
}

void PositionerData::clearPositionerFrame(int positioner, int axis)
{
    const Diagnostics::Scope scope("clearPositionerFrame");
    if (!isPositionerArgument(QStringLiteral("positioner"), positioner) ||
        !Diagnostics::isWithin(QStringLiteral("axis"), axis, 0, axisCount - 1))
        return;
    PositionerParm& record = parms[positioner];
    if (axis == 0) {
        std::fill_n(record.axes1Frame, 6, 0.0);
    } else {
        std::fill_n(record.axes2Frame, 6, 0.0);
        std::fill_n(record.axes2FrameToBase, 6, 0.0);
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
