// A simulated robot cell: a two-axis positioner whose axes are driven by
// external axes of the controller, and a robot whose tool touches points on
// the positioner's table.
//
// Axis 1 turns about the z axis of the positioner's base; axis 2 is carried by
// axis 1 and turns about its own z; the table with the marker and the marks of
// the user frame sits on axis 2. Jogging the positioner shows the axis values
// in iauxj.auxcurrentposition; touching a point moves the robot's cartesian
// pose (DataAccess::getCartPosition) there, with the tool's orientation fixed.
// Frames follow frames.h; external axes count in degrees.
#pragma once

#include "frames.h"

#include <rtmcore/rtmcustomrvar.h>

#include <random>

namespace cellsim {

struct CellGeometry
{
    // Axis 1 at position 0, in the robot's base.
    Frame positionerBase{1200.0, -300.0, 400.0, 30.0, 0.0, 0.0};
    // Axis 2 on the table of axis 1, both axes at 0.
    Frame axis2OnAxis1{80.0, 40.0, 250.0, 10.0, 60.0, 0.0};
    // The user frame on the table of axis 2.
    Frame userFrameOnTable{50.0, 30.0, 15.0, 20.0, 0.0, 0.0};
    // The marker touched while an axis turns, on the table of axis 2.
    Eigen::Vector3d marker{160.0, 40.0, 15.0};
    // The user frame's marks, in the user frame: origin, on x, in the xy-plane.
    Eigen::Vector3d userFrameMarks[3] = {{0.0, 0.0, 0.0}, {120.0, 0.0, 0.0}, {40.0, 90.0, 0.0}};
    // Which external axis (0 to 5) drives positioner axis 1 and axis 2.
    int axis1External = 0;
    int axis2External = 1;
    // The tool's orientation a, b, c while it touches the table.
    double tool[3] = {180.0, 0.0, 180.0};
};

class CellModel
{
public:
    explicit CellModel(const CellGeometry& geometry = CellGeometry{});

    const CellGeometry& geometry() const { return geometry_; }

    // Every touch misses its point by a normally distributed error with this
    // standard deviation (millimetres) in each coordinate. 0: exact touches.
    void setTouchNoise(double sigma, unsigned int seed = 1);

    // Jogs the positioner to these axis positions (degrees).
    void turnAxes(double axis1, double axis2);
    // Jogs the robot until its tool touches a point given on the table.
    void touch(const Eigen::Vector3d& onTable);
    void touchMarker() { touch(geometry_.marker); }
    // 0 the user frame's origin, 1 its mark on x, 2 its mark in the xy-plane.
    void touchUserFrameMark(int mark);

    // The true frames, as the controller should find them from points taught
    // at these axis positions: for an axis, where the axes stood at its first
    // point; for axis 2 relative to the base, also where they stood at point 1.
    Frame trueAxis1Frame(double axis1, double axis2) const;
    Frame trueAxis2Frame(double axis1, double axis2) const;
    Frame trueAxis2ToBase(double axis1AtPoint1, double axis2AtPoint1, double axis1AtPoint4,
                          double axis2AtPoint4) const;
    Frame trueUserFrame(double axis1, double axis2) const;

private:
    Eigen::Isometry3d table1(double axis1) const;
    Eigen::Isometry3d axis2Mount(double axis1) const;
    Eigen::Isometry3d table2(double axis1, double axis2) const;
    // The frame of a turning axis (z of `axis`) as the marker's circle shows it.
    Eigen::Isometry3d seenByMarker(const Eigen::Isometry3d& axis, double axis1, double axis2) const;

    CellGeometry geometry_;
    double axis1_ = 0.0;
    double axis2_ = 0.0;
    double noise_ = 0.0;
    std::mt19937 random_;
    rtmCustomRvarRealVect external_{QStringLiteral("iauxj.auxcurrentposition"), 6, 1};
};

}  // namespace cellsim
