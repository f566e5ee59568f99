#include "cellmodel.h"

#include <sim/robot.h>

namespace cellsim {

CellModel::CellModel(const CellGeometry& geometry) : geometry_(geometry)
{
    turnAxes(0.0, 0.0);
}

void CellModel::setTouchNoise(double sigma, unsigned int seed)
{
    noise_ = sigma;
    random_.seed(seed);
}

void CellModel::turnAxes(double axis1, double axis2)
{
    axis1_ = axis1;
    axis2_ = axis2;
    for (int a = 0; a < 6; ++a)
        external_.setValue(a, 0.0);
    external_.setValue(geometry_.axis1External, axis1);
    external_.setValue(geometry_.axis2External, axis2);
}

void CellModel::touch(const Eigen::Vector3d& onTable)
{
    Eigen::Vector3d at = table2(axis1_, axis2_) * onTable;
    if (noise_ > 0.0) {
        std::normal_distribution<double> miss(0.0, noise_);
        for (int k = 0; k < 3; ++k)
            at[k] += miss(random_);
    }
    sim::Robot::instance().setPose(at.x(), at.y(), at.z(), geometry_.tool[0], geometry_.tool[1],
                                   geometry_.tool[2]);
}

void CellModel::touchUserFrameMark(int mark)
{
    touch(toTransform(geometry_.userFrameOnTable) * geometry_.userFrameMarks[mark]);
}

Eigen::Isometry3d CellModel::table1(double axis1) const
{
    return toTransform(geometry_.positionerBase) * turnAboutZ(axis1);
}

Eigen::Isometry3d CellModel::axis2Mount(double axis1) const
{
    return table1(axis1) * toTransform(geometry_.axis2OnAxis1);
}

Eigen::Isometry3d CellModel::table2(double axis1, double axis2) const
{
    return axis2Mount(axis1) * turnAboutZ(axis2);
}

Eigen::Isometry3d CellModel::seenByMarker(const Eigen::Isometry3d& axis, double axis1,
                                          double axis2) const
{
    const Eigen::Vector3d marker = table2(axis1, axis2) * geometry_.marker;
    const Eigen::Vector3d z = axis.linear().col(2);
    const Eigen::Vector3d foot = axis.translation() + z * z.dot(marker - axis.translation());
    Eigen::Isometry3d frame = Eigen::Isometry3d::Identity();
    frame.linear().col(0) = (marker - foot).normalized();
    frame.linear().col(2) = z;
    frame.linear().col(1) = z.cross(frame.linear().col(0));
    frame.translation() = foot;
    return frame;
}

Frame CellModel::trueAxis1Frame(double axis1, double axis2) const
{
    return toFrame(seenByMarker(table1(axis1), axis1, axis2));
}

Frame CellModel::trueAxis2Frame(double axis1, double axis2) const
{
    return toFrame(seenByMarker(axis2Mount(axis1), axis1, axis2));
}

Frame CellModel::trueAxis2ToBase(double axis1AtPoint1, double axis2AtPoint1, double axis1AtPoint4,
                                 double axis2AtPoint4) const
{
    // Both frames on the table of axis 1, where they keep their places.
    const Eigen::Isometry3d axis1OnTable =
        table1(axis1AtPoint1).inverse() * toTransform(trueAxis1Frame(axis1AtPoint1, axis2AtPoint1));
    const Eigen::Isometry3d axis2OnTable =
        table1(axis1AtPoint4).inverse() * toTransform(trueAxis2Frame(axis1AtPoint4, axis2AtPoint4));
    return toFrame(axis1OnTable.inverse() * axis2OnTable);
}

Frame CellModel::trueUserFrame(double axis1, double axis2) const
{
    return toFrame(table2(axis1, axis2) * toTransform(geometry_.userFrameOnTable));
}

}  // namespace cellsim
