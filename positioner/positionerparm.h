#pragma once

// The calibration of one positioner with up to two axes. Frames are x, y, z,
// a, b, c in the controller's units. An axis whose type is 0 or less is not in
// use; an axis index counts among the external axes from 0.
struct PositionerParm
{
    double axes1Frame[6] = {};
    int axes1Type = 0;
    int axes1Index = 0;
    double axes2Frame[6] = {};
    double axes2FrameToBase[6] = {};
    int axes2Type = 0;
    int axes2Index = 1;
    double userFrame[6] = {};
};
