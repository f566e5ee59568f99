// Moving files between pendant and controller, and finding the calibrations
// changed since the file was last read.
#include "positionerdata.h"

#include "variableset.h"

#include <dataaccess/dataaccess.h>

bool PositionerData::getFileFromCtrl(QString controllerPath, QString localPath)
{
    return DataAccess::GetFileFromController2TPU(controllerPath, localPath, false);
}

bool PositionerData::sendFileToCtrl(QString localPath, QString controllerPath)
{
    return DataAccess::SendFileFromTPU2Controller(localPath, controllerPath, false);
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
