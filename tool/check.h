// What a careful reader finds in a calibration file, and what the pendant's
// by-position read would make of it.
#pragma once

#include "calibrationxml.h"

#include <QString>
#include <QTextStream>
#include <QVector>

namespace tool {

struct Finding
{
    int line = 0;
    QString message;
};

QVector<Finding> checkCalibration(const CalibrationXml& file, int axisCount);

// One line per finding, "FILE:LINE: message", as compilers say theirs, so that
// editors can jump to them. Each line goes out as it is made: findings come by
// the hundred thousand.
void writeFindings(QTextStream& out, const QString& fileName, const QVector<Finding>& findings);

}  // namespace tool

// Findings come by the hundred thousand: moved, not copied, when a vector grows.
Q_DECLARE_TYPEINFO(tool::Finding, Q_MOVABLE_TYPE);
