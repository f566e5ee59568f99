// Every message of the tool goes through one translation context, so that the
// tool can be translated apart from the library.
#pragma once

#include <QCoreApplication>

class PositionerTool
{
    Q_DECLARE_TR_FUNCTIONS(PositionerTool)
};
