// What a careful reader finds in a calibration file, and what the pendant's
// by-position read would make of it.
#pragma once

#include "calibrationxml.h"

#include <QString>
#include <QVector>

namespace tool {

struct Finding
{
    int line = 0;
    QString message;
};

QVector<Finding> checkCalibration(const CalibrationXml& file, int axisCount);

}  // namespace tool

// Findings come by the hundred thousand: moved, not copied, when a vector grows.
Q_DECLARE_TYPEINFO(tool::Finding, Q_MOVABLE_TYPE);
