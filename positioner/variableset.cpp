#include "variableset.h"

#define POSITIONER_DEFINE_VARIABLE(Type, name, controllerName, ...) \
    Type name(QStringLiteral(controllerName), __VA_ARGS__);
POSITIONER_CONTROLLER_VARIABLES(POSITIONER_DEFINE_VARIABLE)
#undef POSITIONER_DEFINE_VARIABLE

// The directory first: the local paths are built from it.
const QString Positioner::directory =
    RtmGetLocalizedFileName(QStringLiteral("../Application/positioner"), true);
const QString Positioner::localCalibFile = directory + "/positionercalibframepar.xml";
const QString Positioner::ctrlCalibFile = QStringLiteral("/Application/positioner/positionercalibframepar.xml");
const QString Positioner::localUserFrameDynFile = directory + "/userframedyn.xpl";
const QString Positioner::ctrlUserFrameDynFile = QStringLiteral("/xpl/userframedyn.xpl");
const QString Positioner::localGlobalVarFile = directory + "/GLOBAL.var";
const QString Positioner::ctrlGlobalVarFile = QStringLiteral("/xpl/GLOBAL.var");
