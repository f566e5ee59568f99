// The user-frame program on the controller, rewritten from the user frames.
#include "positionerdata.h"

#include "failurerecord.h"
#include "userframedyneditor.h"
#include "variableset.h"

bool PositionerData::saveUserFrameDyn()
{
    const PositionerDiagnostics::Scope scope("saveUserFrameDyn");
    // A program that was not rewritten is not sent: the controller keeps its own.
    if (!userFrameDynEditor->rewriteProgram())
        return false;
    return sendFileToCtrl(PositionerPaths::localUserFrameDynFile, PositionerPaths::ctrlUserFrameDynFile);
}
