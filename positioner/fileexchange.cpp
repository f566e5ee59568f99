// Moving files between pendant and controller, and finding the calibrations
// changed since the file was last read.
#include "positionerdata.h"

#include "atomicsave.h"
#include "failurerecord.h"
#include "noexceptions.h"
#include "platform.h"
#include "variableset.h"

using namespace Positioner;

namespace {
// A path with a NUL would reach the transfer cut short, naming another file.
// The service says only whether it copied the file.
template <typename Copy>
bool transfer(const QString& localPath, const QString& controllerPath, Diagnostics::Step refusal, Copy copy)
{
    if (!isUsablePath(controllerPath) || !isUsablePath(localPath))
        return false;
    if (orFailure(false, copy))
        return true;
    Diagnostics::record(refusal, controllerPath);
    return false;
}

}  // namespace

bool PositionerData::getFileFromCtrl(QString controllerPath, QString localPath)
{
    const Diagnostics::Scope scope("getFileFromCtrl");
    return transfer(localPath, controllerPath, Diagnostics::Step::FetchRefused,
                    [&] { return Platform::fetchFile(controllerPath, localPath); });
}

bool PositionerData::sendFileToCtrl(QString localPath, QString controllerPath)
{
    const Diagnostics::Scope scope("sendFileToCtrl");
    return transfer(localPath, controllerPath, Diagnostics::Step::SendRefused,
                    [&] { return Platform::sendFile(localPath, controllerPath); });
}

void PositionerData::rdeReadFileCode()
{
    ipos_breadcalibframe = true;
}

bool PositionerData::positionerDataIsEqual(PositionerParm& a, PositionerParm& b)
{
    // Exact, as floating-point numbers: 0.0 equals -0.0 and a NaN equals nothing.
    for (int k = 0; k < 6; ++k) {
        if (a.axes1Frame[k] != b.axes1Frame[k] || a.axes2Frame[k] != b.axes2Frame[k] ||
            a.axes2FrameToBase[k] != b.axes2FrameToBase[k] || a.userFrame[k] != b.userFrame[k])
            return false;
    }
    return a.axes1Type == b.axes1Type && a.axes1Index == b.axes1Index &&
           a.axes2Type == b.axes2Type && a.axes2Index == b.axes2Index;
}
