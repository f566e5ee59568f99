#include "calibrationpoints.h"

#include <indexrange.h>
#include <positionerdata.h>

#include <dataaccess/dataaccess.h>

namespace PositionerAdvisor {

CalibrationPoints calibrationPoints(PositionerData& data) noexcept
{
    CalibrationPoints copy;
    std::copy(std::begin(data.teachedPoints), std::end(data.teachedPoints), std::begin(copy.points));
    copy.teachStatus = data.teachStatus;
    copy.axisCount = DataAccess::getAxisCount();
    copy.maxAuxjNum = data.maxAuxjNum;
    copy.positionerID = data.positionerID;
    if (Positioner::isPositioner(data.positionerID)) {
        copy.axes1Index = data.parms[data.positionerID].axes1Index;
        copy.axes2Index = data.parms[data.positionerID].axes2Index;
    }
    return copy;
}

}  // namespace PositionerAdvisor
