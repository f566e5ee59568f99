// The controller variables shared with the controller's positioner routines,
// and the places of the library's files. All are created when the library is
// loaded and live until it is unloaded.
#pragma once

#include "positionervariables.h"

#include <QString>

// Every variable as its type, its name here, its name on the controller and
// the rest of its construction, in the order the controller sees them created.
// ipos_currentposindex and obs_auxfunc are exported (positionervariables.h).
#define POSITIONER_CONTROLLER_VARIABLES(X) \
    X(rtmCustomRvarBool, ipos_enable, "ipos.enable", 1)                                     \
    X(rtmCustomRvarBool, ipos_breadcalibframe, "ipos.breadcalibframe", 1)                   \
    X(rtmCustomRvarBool, ipos_calculate_axes, "ipos.calculate_axes", 1)                     \
    X(rtmCustomRvarBool, ipos_calculate_user, "ipos.calculate_user", 1)                     \
    X(rtmCustomRvarBool, ipos_calculate_user_type, "ipos.calculate_user_type", 1)           \
    X(rtmCustomRvarBool, ipos_bteachpoint, "ipos.bteachpoint", 1)                           \
    X(rtmCustomRvarBool, ipos_bclearpoint, "ipos.bclearpoint", 1)                           \
    X(rtmCustomRvarInt, ipos_axesindex, "ipos.axesindex", 1)                                \
    X(rtmCustomRvarInt, ipos_pointindex, "ipos.pointindex", 1)                              \
    X(rtmCustomRvarInt, ipos_posindex, "ipos.posindex", 1)                                  \
    X(rtmCustomRvarBool, ipos_bswitchpos, "ipos.bswitchpos", 1)                             \
    X(rtmCustomRvarInt, ipos_enableaxesnum, "ipos.enableaxesnum", 1)                        \
    X(rtmCustomRvarIntVect, ipos_axisindex_cfg, "ipos.axisindex_cfg", 2, 1)                 \
    X(rtmCustomRvarIntVect, ipos_axistype_cfg, "ipos.axistype_cfg", 2, 1)                   \
    X(rtmCustomRvarRealVect, ipos_currentpoint, "ipos.currentpoint", 6, 1)                  \
    X(rtmCustomRvarRealVect, ipos_posframe1, "ipos.posframe1", 6, 1)                        \
    X(rtmCustomRvarRealVect, ipos_posframe2, "ipos.posframe2", 6, 1)                        \
    X(rtmCustomRvarRealVect, ipos_posframe2tobase, "ipos.posframe2tobase", 6, 1)            \
    X(rtmCustomRvarRealVect, ipos_userframe, "ipos.userframe", 6, 1)                        \
    X(rtmCustomRvarInt, ipos_teachstatus, "ipos.teachstatus", 1)                            \
    X(rtmCustomRvarIntVect, ipos_calculate_axes_status, "ipos.calculate_axes_status", 2, 1) \
    X(rtmCustomRvarInt, ipos_calculate_user_status, "ipos.calculate_user_status", 1)        \
    X(rtmCustomRvarInt, ipos_currentposindex, "ipos.currentposindex", 1)                    \
    X(rtmCustomRvarRealVect, iauxj_auxcurrentposition, "iauxj.auxcurrentposition", 6, 1)    \
    X(rtmCustomRvarRealVect, ipos_tool_value, "ipos.tool_value", 6, 1)                      \
    X(rtmCustomRvarBool, ipos_enable_slave_robot, "ipos.enable_slave_robot", 1)             \
    X(rtmCustomRvarRealVect, ipos_axespos, "ipos.axespos", 2, 1)                            \
    X(rtmCustomRvarString, ipos_currentwobj, "ipos.currentwobj", 1)                         \
    X(rtmCustomRvarIntVect, obs_auxfunc, "iauxj.obs_auxfunc", 6, 1)                         \
    X(rtmCustomRvarBool, ipos_tpu_active_wobj_dyn0, "ipos.tpu_active_wobj_dyn0", 1)

#define POSITIONER_DECLARE_VARIABLE(Type, name, ...) extern Type name;
POSITIONER_CONTROLLER_VARIABLES(POSITIONER_DECLARE_VARIABLE)
#undef POSITIONER_DECLARE_VARIABLE

namespace Positioner {
extern const QString directory;
extern const QString localCalibFile;
extern const QString ctrlCalibFile;
extern const QString localUserFrameDynFile;
extern const QString ctrlUserFrameDynFile;
extern const QString localGlobalVarFile;
extern const QString ctrlGlobalVarFile;
}  // namespace Positioner
