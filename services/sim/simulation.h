// The whole simulated pendant and controller, for tests and the demo host.
#pragma once

#include "files.h"
#include "messageboxes.h"
#include "programeditor.h"
#include "robot.h"
#include "variablestore.h"

namespace sim {

// Every part back to its start; the file trees stay as they are.
inline void resetAll()
{
    VariableStore::instance().reset();
    Files::instance().reset();
    Robot::instance().reset();
    ProgramEditor::instance().reset();
    MessageBoxes::instance().reset();
}

}  // namespace sim
