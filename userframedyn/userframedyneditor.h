#pragma once

// Rewrites the point numbers of the user-frame program; owned by PositionerData.
class UserFrameDynEditor
{
public:
    UserFrameDynEditor() = default;
};
