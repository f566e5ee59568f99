// The simulated robot as the data-access service reports it.
#pragma once

#include <dataaccess/dataaccess.h>

namespace sim {

class Robot
{
public:
    static Robot& instance();

    int axisCount() const { return axisCount_; }
    void setAxisCount(int count) { axisCount_ = count; }

    const PositionInfo& pose() const { return pose_; }
    void setPose(double x, double y, double z, double a, double b, double c);

    // Six axes at the origin.
    void reset();

private:
    Robot() { reset(); }

    int axisCount_ = 6;
    PositionInfo pose_{};
};

}  // namespace sim
