// Calibrations of positioner axis 2 on the simulated cell with noisy touches:
// what the advisor predicts beside what the controller's calculation gives,
// measured against the cell's true frame. Shared by the prediction test and
// its benchmark table.
#pragma once

#include <calibrationpoints.h>
#include <cellmodel.h>
#include <frames.h>
#include <groupassessment.h>
#include <sim/robot.h>

#include <algorithm>
#include <cmath>
#include <limits>
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

// runs calibrations of axis 2 at the setting, each from another start angle.
inline Outcome run(const Setting& setting, double sigma, int runs, unsigned int seed)
{
    cellsim::CellGeometry geometry;
    geometry.marker = Eigen::Vector3d(setting.radius, 0.0, 15.0);
    cellsim::CellModel cell(geometry);
    cell.setTouchNoise(sigma, seed);

    PositionerAdvisor::CalibrationPoints points;
    points.teachStatus = 0x38;  // points 4, 5 and 6
    PositionerAdvisor::Tolerances tolerances;
    tolerances.touchNoise = sigma;
    const double axis1 = 30.0;
    const double infinite = std::numeric_limits<double>::infinity();

    std::vector<double> predictedPosition, observedPosition, predictedAngle, observedAngle;
    Outcome outcome;
    outcome.runs = runs;
    for (int r = 0; r < runs; ++r) {
        const double start = 17.0 * r;
        Eigen::Vector3d touched[3];
        for (int k = 0; k < 3; ++k) {
            cell.turnAxes(axis1, start + setting.arc * k / 2.0);
            cell.touchMarker();
            const PositionInfo& pose = sim::Robot::instance().pose();
            std::copy(pose.coord, pose.coord + 6, points.points[3 + k].values);
            touched[k] = Eigen::Vector3d(pose.coord[0], pose.coord[1], pose.coord[2]);
        }
        // The controller's calculation of an axis frame.
        const auto frame = cellsim::circleFrame(touched[0], touched[1], touched[2]);
        const Eigen::Isometry3d truth = cellsim::toTransform(cell.trueAxis2Frame(axis1, start));
        observedPosition.push_back(frame ? (frame->translation() - truth.translation()).norm() : infinite);
        observedAngle.push_back(frame ? degreesBetween(frame->linear().col(2), truth.linear().col(2)) : infinite);

        const PositionerAdvisor::GroupAssessment a = PositionerAdvisor::assessGroup(points, 1, tolerances);
        predictedPosition.push_back(a.positionError);
        predictedAngle.push_back(a.angleError);
        outcome.poor += a.verdict == PositionerAdvisor::Verdict::Poor;
    }
    outcome.predictedPosition = median(predictedPosition);
    outcome.observedPosition = median(observedPosition);
    outcome.predictedAngle = median(predictedAngle);
    outcome.observedAngle = median(observedAngle);
    return outcome;
}

}  // namespace advisortrials
