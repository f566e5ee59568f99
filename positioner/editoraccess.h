// The program editor as the library reaches it: asked for anew on every call,
// never kept, and changed only in write mode.
#pragma once

#include "failurerecord.h"
#include "platform.h"

namespace Positioner {

using Platform::editor;

// Makes the change in write mode and restores the mode that was there before.
// False, without the change, when the editor refuses write mode.
template <typename Change>
bool inWriteMode(Change change)
{
    const bool wasWriteMode = editor()->isWriteMode();
    if (!wasWriteMode && !editor()->setWriteMode(true))
        return false;
    change();
    editor()->setWriteMode(wasWriteMode);
    return true;
}

// The open program's variable of that name; invalid, with the reason, when the
// program declares none.
inline RplVariable declared(const QString& name)
{
    const RplVariable variable = editor()->getVisibleVarDef(name);
    if (!variable.isValid())
        Diagnostics::record(Diagnostics::Step::UnknownVariable, name);
    return variable;
}

}  // namespace Positioner
