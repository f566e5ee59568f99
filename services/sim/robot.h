// The simulated robot as the data-access service reports it.
#pragma once

#include <dataaccess/dataaccess.h>

namespace sim {

/// The simulated robot, as DataAccess::getAxisCount() and
/// DataAccess::getCartPosition() report it.
class Robot
{
public:
    /// The process's robot.
    /// \nowait
    static Robot& instance();

    /// The robot's axis count, 6 after reset().
    /// \nowait
    int axisCount() const { return axisCount_; }
    /// Sets the axis count the data-access service reports.
    /// \nowait
    void setAxisCount(int count) { axisCount_ = count; }

    /// The cartesian pose the data-access service reports.
    /// \nowait
    const PositionInfo& pose() const { return pose_; }
    /// Moves the robot to the pose x, y, z, a, b, c.
    /// \nowait
    void setPose(double x, double y, double z, double a, double b, double c);

    /// Six axes at the origin.
    /// \nowait
    void reset();

private:
    Robot() { reset(); }

    int axisCount_ = 6;
    PositionInfo pose_{};
};

}  // namespace sim
