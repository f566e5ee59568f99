// The controller variables shared with the controller's positioner routines,
// and the places of the library's files. All are created when the library is
// loaded and live until it is unloaded.
#pragma once

#include "positionervariables.h"

#include <QString>

extern rtmCustomRvarBool ipos_enable;
extern rtmCustomRvarBool ipos_breadcalibframe;
extern rtmCustomRvarBool ipos_calculate_axes;
extern rtmCustomRvarBool ipos_calculate_user;
extern rtmCustomRvarBool ipos_calculate_user_type;
extern rtmCustomRvarBool ipos_bteachpoint;
extern rtmCustomRvarBool ipos_bclearpoint;
extern rtmCustomRvarInt ipos_axesindex;
extern rtmCustomRvarInt ipos_pointindex;
extern rtmCustomRvarInt ipos_posindex;
extern rtmCustomRvarBool ipos_bswitchpos;
extern rtmCustomRvarInt ipos_enableaxesnum;
extern rtmCustomRvarIntVect ipos_axisindex_cfg;
extern rtmCustomRvarIntVect ipos_axistype_cfg;
extern rtmCustomRvarRealVect ipos_currentpoint;
extern rtmCustomRvarRealVect ipos_posframe1;
extern rtmCustomRvarRealVect ipos_posframe2;
extern rtmCustomRvarRealVect ipos_posframe2tobase;
extern rtmCustomRvarRealVect ipos_userframe;
extern rtmCustomRvarInt ipos_teachstatus;
extern rtmCustomRvarIntVect ipos_calculate_axes_status;
extern rtmCustomRvarInt ipos_calculate_user_status;
// ipos_currentposindex: exported, see positionervariables.h
extern rtmCustomRvarRealVect iauxj_auxcurrentposition;
extern rtmCustomRvarRealVect ipos_tool_value;
extern rtmCustomRvarBool ipos_enable_slave_robot;
extern rtmCustomRvarRealVect ipos_axespos;
extern rtmCustomRvarString ipos_currentwobj;
// obs_auxfunc: exported, see positionervariables.h
extern rtmCustomRvarBool ipos_tpu_active_wobj_dyn0;

namespace Positioner {
extern const QString directory;
extern const QString localCalibFile;
extern const QString ctrlCalibFile;
extern const QString localUserFrameDynFile;
extern const QString ctrlUserFrameDynFile;
extern const QString localGlobalVarFile;
extern const QString ctrlGlobalVarFile;
}  // namespace Positioner
