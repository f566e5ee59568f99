// The data interface of the pendant's robot-program editor: the variables and
// reference systems of the program that is open on the pendant.
#pragma once

#include "rplvariable.h"

#include <QString>
#include <QVariant>

class RplEditorDataInterface
{
public:
    virtual ~RplEditorDataInterface() = default;

    // The declaration of that name visible in the open program; not valid when
    // there is none.
    virtual RplVariable getVisibleVarDef(const QString& name) = 0;

    // Stores a new value; for a structured variable the value is a flat
    // QHash<QString, QVariant> whose keys name its members ("oframe.x").
    virtual bool setVariable(RplVariable& variable, const QVariant& value) = 0;

    // Makes the work object with that declaration id the active reference system.
    virtual bool setRefSys(unsigned int id) = 0;

    // Registers a dynamic reference system: the work object's declaration id,
    // its base name, its frame x, y, z, a, b, c and its kind (1, 2 or 3).
    virtual bool setDynRefSys(unsigned int id, QString baseName, double x, double y, double z,
                              double a, double b, double c, int kind) = 0;

    virtual bool isWriteMode() = 0;
    virtual bool setWriteMode(bool on) = 0;

    virtual QString filename() = 0;
    virtual bool saveProgram(const QString& fileName) = 0;
};
