#include "positionerroutines.h"

#include "controllersimulator.h"

#include <sim/robot.h>

#include <cmath>

namespace {

constexpr int pointsPerGroup = 3;
constexpr int userFrameFirst = 6;

void publish(rtmCustomRvarRealVect& variable, const cellsim::Frame& frame)
{
    for (int k = 0; k < 6; ++k)
        variable.setValue(k, frame[static_cast<std::size_t>(k)]);
}

}  // namespace

PositionerRoutines::PositionerRoutines(ControllerSimulator& controller)
{
    controller.onRequest(QStringLiteral("ipos.bteachpoint"), [this] { takePoint(); });
    controller.onRequest(QStringLiteral("ipos.bclearpoint"), [this] { clearPoint(); });
    controller.onRequest(QStringLiteral("ipos.calculate_axes"), [this] { calculateAxis(); });
    controller.onRequest(QStringLiteral("ipos.calculate_user"), [this] { calculateUserFrame(); });
}

void PositionerRoutines::takePoint()
{
    const int n = pointIndex_;
    if (n >= 1 && n <= 9) {
        StoredPoint& point = points_[static_cast<std::size_t>(n - 1)];
        const PositionInfo& pose = sim::Robot::instance().pose();
        point.position = Eigen::Vector3d(pose.coord[0], pose.coord[1], pose.coord[2]);
        point.external = {};
        if (slaveRobot_) {
            point.external[0] = slaveAxes_.getValue(0);
            point.external[1] = slaveAxes_.getValue(1);
        } else {
            for (int a = 0; a < 6; ++a)
                point.external[static_cast<std::size_t>(a)] = external_.getValue(a);
        }
        point.taken = true;
        publishTeachStatus();
    }
    bteachpoint_ = false;
}

void PositionerRoutines::clearPoint()
{
    const int n = pointIndex_;
    if (n >= 1 && n <= 9) {
        points_[static_cast<std::size_t>(n - 1)] = StoredPoint{};
        publishTeachStatus();
    }
    bclearpoint_ = false;
}

void PositionerRoutines::publishTeachStatus()
{
    int mask = 0;
    for (std::size_t k = 0; k < points_.size(); ++k)
        if (points_[k].taken)
            mask |= 1 << k;
    teachStatus_ = mask;
}

bool PositionerRoutines::taken(int first, int count) const
{
    for (int k = first; k < first + count; ++k)
        if (!points_[static_cast<std::size_t>(k)].taken)
            return false;
    return true;
}

int PositionerRoutines::drivingAxis(int axis) const
{
    const std::size_t first = static_cast<std::size_t>(pointsPerGroup * (axis - 1));
    const auto& from = points_[first].external;
    const auto& to = points_[first + 2].external;
    std::size_t driving = 0;
    for (std::size_t a = 1; a < from.size(); ++a)
        if (std::fabs(to[a] - from[a]) > std::fabs(to[driving] - from[driving]))
            driving = a;
    return static_cast<int>(driving);
}

std::optional<Eigen::Isometry3d> PositionerRoutines::axisFrame(int axis) const
{
    const int first = pointsPerGroup * (axis - 1);
    if (!taken(first, pointsPerGroup))
        return std::nullopt;
    const auto at = [this, first](int k) -> const StoredPoint& {
        return points_[static_cast<std::size_t>(first + k)];
    };
    std::optional<Eigen::Isometry3d> frame =
        cellsim::circleFrame(at(0).position, at(1).position, at(2).position);
    const std::size_t driving = static_cast<std::size_t>(drivingAxis(axis));
    // The circle's normal follows the marker; the axis counts the other way
    // when the marker went round while its external axis counted down.
    if (frame && at(2).external[driving] < at(0).external[driving])
        *frame = *frame * Eigen::AngleAxisd(EIGEN_PI, Eigen::Vector3d::UnitX());
    return frame;
}

void PositionerRoutines::calculateAxis()
{
    const int axis = axesIndex_;
    if (axis == 1 || axis == 2) {
        const std::optional<Eigen::Isometry3d> axis1 = axisFrame(1);
        const std::optional<Eigen::Isometry3d> frame = axis == 1 ? axis1 : axisFrame(2);
        int status = unsolvable;
        if (axis == 1 && axis1) {
            publish(posframe1_, cellsim::toFrame(*axis1));
            status = answerStatus_;
        } else if (axis == 2 && axis1 && frame) {
            const std::size_t driving = static_cast<std::size_t>(drivingAxis(1));
            const double axis1Turn = points_[3].external[driving] - points_[0].external[driving];
            const Eigen::Isometry3d baseThen = *axis1 * cellsim::turnAboutZ(axis1Turn);
            publish(posframe2_, cellsim::toFrame(*frame));
            publish(posframe2tobase_, cellsim::toFrame(baseThen.inverse() * *frame));
            status = answerStatus_;
        }
        axesStatus_.setValue(axis - 1, status);
    }
    calculateAxes_ = false;
}

void PositionerRoutines::calculateUserFrame()
{
    std::optional<Eigen::Isometry3d> frame;
    if (taken(userFrameFirst, pointsPerGroup)) {
        const Eigen::Vector3d& p7 = points_[6].position;
        const Eigen::Vector3d& p8 = points_[7].position;
        const Eigen::Vector3d& p9 = points_[8].position;
        if (!userType_) {
            frame = cellsim::threePointFrame(p7, p8, p9);
        } else if ((p8 - p7).norm() > 0.0) {
            const Eigen::Vector3d x = (p8 - p7).normalized();
            const Eigen::Vector3d foot = p7 + x * x.dot(p9 - p7);
            frame = cellsim::threePointFrame(foot, foot + x, p9);
        }
    }
    if (frame)
        publish(userframe_, cellsim::toFrame(*frame));
    userStatus_ = frame ? answerStatus_ : unsolvable;
    calculateUser_ = false;
}
