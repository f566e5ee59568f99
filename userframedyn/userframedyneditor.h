#pragma once

/// \file
/// The user-frame program rewrite behind PositionerData::saveUserFrameDyn().

#include "positioner_global.h"

#include <QString>

/// Rewrites the point numbers of the user-frame program; owned by PositionerData.
///
/// The program is read as plain text, line by line: a destination line names
/// the dynamic work object that the following GETTRKWOBJ expressions compute,
/// and their POINTC numbers get the user frame of that work object's
/// positioner (work objects 1 to 5 follow positioners 1 to 5).
/// Exported so that the object behind PositionerData::userFrameDynEditor can be
/// used from outside the library; it has no virtual operations.
class POSITIONER_EXPORT UserFrameDynEditor
{
public:
    /// Does no work; PositionerData makes the one it uses.
    /// \nowait
    UserFrameDynEditor() = default;

    /// Fetches the controller's program and replaces the local copy with the
    /// rewritten text. False when the program could not be fetched, or when the
    /// rewritten text could not be written completely or take the fetched
    /// copy's place, so that the unrewritten program is never taken as done.
    /// \nowait Blocks for the fetch.
    bool rewriteProgram();

    /// The line as it is to be written; a destination line changes dynWobjNo.
    /// \nowait
    QString transformLine(QString line);

    /// Dynamic work object (1 to 5) of the last destination line that named one;
    /// 0 before the first. Starts at 0 with every rewrite.
    int dynWobjNo = 0;
};
