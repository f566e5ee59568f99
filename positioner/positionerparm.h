#pragma once

/// \file
/// The calibration record of one positioner.

/// The calibration of one positioner with up to two axes. Frames are x, y, z,
/// a, b, c in the controller's units. An axis whose type is 0 or less is not in
/// use; an axis index counts among the external axes from 0.
///
/// A plain record, copied by value; its layout is part of the host's ABI.
struct PositionerParm
{
    /// Frame of axis 1, as the controller calculated it (four decimals).
    double axes1Frame[6] = {};
    /// Type of axis 1; 0 or less: not in use. Written by the host before teaching.
    int axes1Type = 0;
    /// External axis that drives axis 1, from 0. Written by the host before teaching.
    int axes1Index = 0;
    /// Frame of axis 2.
    double axes2Frame[6] = {};
    /// Frame of axis 2 relative to the positioner's base.
    double axes2FrameToBase[6] = {};
    /// Type of axis 2, as axes1Type.
    int axes2Type = 0;
    /// External axis that drives axis 2, from 0.
    int axes2Index = 1;
    /// User frame: the workpiece's frame on the positioner, used by wobj_dyn0.
    double userFrame[6] = {};
};
