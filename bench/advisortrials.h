// Calibrations on the simulated cell with noisy touches: what the advisor
// predicts beside what the controller's calculation gives, measured against
// the cell's true frame. Shared by the benchmark's table and the prediction
// test; the controller simulator itself knows nothing of the advisor.
#pragma once

#include <calibrationpoints.h>
#include <cellmodel.h>
#include <frames.h>
#include <groupassessment.h>
#include <sim/robot.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace advisortrials {

struct Setting
{
    double arc;     // degrees the three points span
    double radius;  // of the marker's circle, mm
};

struct Outcome
{
    // Medians over the runs.
    double predictedPosition = 0.0;
    double observedPosition = 0.0;
    double predictedAngle = 0.0;
    double observedAngle = 0.0;
    int poor = 0;
    int runs = 0;
};

inline double median(std::vector<double> values)
{
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

inline double degreesBetween(const Eigen::Vector3d& u, const Eigen::Vector3d& v)
{
    return std::atan2(u.cross(v).norm(), u.dot(v)) * 180.0 / EIGEN_PI;
}

// The runs of one setting, collected into medians.
class Trials
{
public:
    Trials(int group, double sigma) : group_(group)
    {
        points_.teachStatus = 0x7 << (3 * group);
        tolerances_.touchNoise = sigma;
    }

    // Point k of the group as the robot stands now; its position.
    Eigen::Vector3d take(int k)
    {
        const PositionInfo& pose = sim::Robot::instance().pose();
        std::copy(pose.coord, pose.coord + 6, points_.points[3 * group_ + k].values);
        return Eigen::Vector3d(pose.coord[0], pose.coord[1], pose.coord[2]);
    }

    // The controller's result against the truth (none: it failed), beside the
    // advisor's prediction from the points taken.
    void add(std::optional<double> position, std::optional<double> angle)
    {
        const double failed = std::numeric_limits<double>::infinity();
        observedPosition_.push_back(position.value_or(failed));
        observedAngle_.push_back(angle.value_or(failed));
        const PositionerAdvisor::GroupAssessment a = PositionerAdvisor::assessGroup(points_, group_, tolerances_);
        predictedPosition_.push_back(a.positionError);
        predictedAngle_.push_back(a.angleError);
        poor_ += a.verdict == PositionerAdvisor::Verdict::Poor;
    }

    Outcome outcome() const
    {
        return {median(predictedPosition_), median(observedPosition_), median(predictedAngle_),
                median(observedAngle_),     poor_,                     static_cast<int>(observedAngle_.size())};
    }

private:
    int group_;
    PositionerAdvisor::CalibrationPoints points_;
    PositionerAdvisor::Tolerances tolerances_;
    std::vector<double> predictedPosition_, observedPosition_, predictedAngle_, observedAngle_;
    int poor_ = 0;
};

// Axis 2 calibrated runs times, each from another start angle; the angle is the
// tilt of the axis's direction.
inline Outcome runAxis(const Setting& setting, double sigma, int runs, unsigned int seed)
{
    cellsim::CellGeometry geometry;
    geometry.marker = Eigen::Vector3d(setting.radius, 0.0, 15.0);
    cellsim::CellModel cell(geometry);
    cell.setTouchNoise(sigma, seed);
    const double axis1 = 30.0;
    Trials trials(1, sigma);
    for (int r = 0; r < runs; ++r) {
        const double start = 17.0 * r;
        Eigen::Vector3d touched[3];
        for (int k = 0; k < 3; ++k) {
            cell.turnAxes(axis1, start + setting.arc * k / 2.0);
            cell.touchMarker();
            touched[k] = trials.take(k);
        }
        const auto frame = cellsim::circleFrame(touched[0], touched[1], touched[2]);
        const Eigen::Isometry3d truth = cellsim::toTransform(cell.trueAxis2Frame(axis1, start));
        if (frame)
            trials.add((frame->translation() - truth.translation()).norm(),
                       degreesBetween(frame->linear().col(2), truth.linear().col(2)));
        else
            trials.add(std::nullopt, std::nullopt);
    }
    return trials.outcome();
}

// The user frame calibrated runs times from marks at these places in the true
// user frame, the positioner at another angle each time; the angle is the
// frame's whole turn.
inline Outcome runUserFrame(const Eigen::Vector3d (&marks)[3], double sigma, int runs, unsigned int seed)
{
    cellsim::CellGeometry geometry;
    std::copy(marks, marks + 3, geometry.userFrameMarks);
    cellsim::CellModel cell(geometry);
    cell.setTouchNoise(sigma, seed);
    Trials trials(2, sigma);
    for (int r = 0; r < runs; ++r) {
        const double axis2 = 17.0 * r;
        cell.turnAxes(30.0, axis2);
        Eigen::Vector3d touched[3];
        for (int k = 0; k < 3; ++k) {
            cell.touchUserFrameMark(k);
            touched[k] = trials.take(k);
        }
        const auto frame = cellsim::threePointFrame(touched[0], touched[1], touched[2]);
        const cellsim::Frame truth = cell.trueUserFrame(30.0, axis2);
        if (frame)
            trials.add(cellsim::positionError(cellsim::toFrame(*frame), truth),
                       cellsim::angleError(cellsim::toFrame(*frame), truth));
        else
            trials.add(std::nullopt, std::nullopt);
    }
    return trials.outcome();
}

}  // namespace advisortrials
