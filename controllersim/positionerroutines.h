// The simulated controller's positioner routines: it takes and clears the
// calibration points and calculates the positioner's frames from them.
//
// Points 1-3 are three positions of one marker on the table while positioner
// axis 1 turns, 4-6 the same while axis 2 turns, 7-9 the user frame's origin,
// a point on its x axis and a point in its xy-plane. All frames follow the
// convention of frames.h and are given in the robot's base frame, except:
//
// - ipos.posframe2tobase, axis 2 relative to the positioner's base, which is
//   the axis-1 frame turned with axis 1 back to where it stood at point 1. The
//   relation is thus fixed by the positioner's build, whatever the axis-1
//   position at which axis 2 was taught.
//
// The user frame has its origin at point 7, x towards point 8 and its
// xy-plane through point 9; with ipos.calculate_user_type set, x runs along the
// line through points 7 and 8 and the origin is the foot of the perpendicular
// from point 9 on it, y pointing towards point 9.
//
// An axis frame has its origin at the centre of the marker's circle, z along
// the axis in the direction in which the external axis counts up, and x
// towards the point taught first. The external axis that drives a positioner
// axis is the one that moved most between its first and third point.
#pragma once

#include "frames.h"

#include <rtmcore/rtmcustomrvar.h>

#include <array>

class ControllerSimulator;

class PositionerRoutines
{
public:
    struct StoredPoint
    {
        bool taken = false;
        Eigen::Vector3d position = Eigen::Vector3d::Zero();
        std::array<double, 6> external{};
    };

    // Installs the routines for ipos.bteachpoint, ipos.bclearpoint,
    // ipos.calculate_axes and ipos.calculate_user.
    explicit PositionerRoutines(ControllerSimulator& controller);

    // The status a successful calculation reports; anything but 1 models a
    // controller that answers wrongly.
    void setAnswerStatus(int status) { answerStatus_ = status; }

    // Point n, 1 to 9, as the controller holds it.
    const StoredPoint& point(int n) const { return points_.at(static_cast<std::size_t>(n - 1)); }

    // What a calculation gives when its points do not fix a frame.
    static constexpr int unsolvable = 2;

private:
    void takePoint();
    void clearPoint();
    void calculateAxis();
    void calculateUserFrame();

    std::optional<Eigen::Isometry3d> axisFrame(int axis) const;
    int drivingAxis(int axis) const;
    bool taken(int first, int count) const;
    void publishTeachStatus();

    std::array<StoredPoint, 9> points_{};
    int answerStatus_ = 1;

    rtmCustomRvarBool bteachpoint_{QStringLiteral("ipos.bteachpoint"), 1};
    rtmCustomRvarBool bclearpoint_{QStringLiteral("ipos.bclearpoint"), 1};
    rtmCustomRvarBool calculateAxes_{QStringLiteral("ipos.calculate_axes"), 1};
    rtmCustomRvarBool calculateUser_{QStringLiteral("ipos.calculate_user"), 1};
    rtmCustomRvarBool userType_{QStringLiteral("ipos.calculate_user_type"), 1};
    rtmCustomRvarBool slaveRobot_{QStringLiteral("ipos.enable_slave_robot"), 1};
    rtmCustomRvarInt pointIndex_{QStringLiteral("ipos.pointindex"), 1};
    rtmCustomRvarInt axesIndex_{QStringLiteral("ipos.axesindex"), 1};
    rtmCustomRvarInt teachStatus_{QStringLiteral("ipos.teachstatus"), 1};
    rtmCustomRvarIntVect axesStatus_{QStringLiteral("ipos.calculate_axes_status"), 2, 1};
    rtmCustomRvarInt userStatus_{QStringLiteral("ipos.calculate_user_status"), 1};
    rtmCustomRvarRealVect external_{QStringLiteral("iauxj.auxcurrentposition"), 6, 1};
    rtmCustomRvarRealVect slaveAxes_{QStringLiteral("ipos.axespos"), 2, 1};
    rtmCustomRvarRealVect posframe1_{QStringLiteral("ipos.posframe1"), 6, 1};
    rtmCustomRvarRealVect posframe2_{QStringLiteral("ipos.posframe2"), 6, 1};
    rtmCustomRvarRealVect posframe2tobase_{QStringLiteral("ipos.posframe2tobase"), 6, 1};
    rtmCustomRvarRealVect userframe_{QStringLiteral("ipos.userframe"), 6, 1};
};
