// nuvok.rpllib 3: the editor's data.
#pragma once

#include "rplvariable.h"

#include <QString>
#include <QVariant>

class RplEditorDataInterface
{
public:
    virtual ~RplEditorDataInterface();

    virtual QString filename() = 0;
    virtual bool saveProgram(const QString& name = QString()) = 0;
    virtual bool isWriteMode() = 0;
    virtual bool setWriteMode(bool on = true) = 0;
    virtual RplVariable getVisibleVarDef(const QString& name, int scope = 0) = 0;
    virtual bool setVariable(RplVariable& variable, const QVariant& value, bool notify = true) = 0;
    virtual bool setRefSys(unsigned int id) = 0;
    virtual bool setDynRefSys(unsigned int id, QString base, double x, double y, double z, double a,
                              double b, double c, int kind = 1) = 0;
    virtual int refSysCount() const = 0;
};
