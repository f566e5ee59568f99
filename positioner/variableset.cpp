#include "variableset.h"


// In this order: the controller sees them created as listed.
rtmCustomRvarBool ipos_enable(QStringLiteral("ipos.enable"), 1);
rtmCustomRvarBool ipos_breadcalibframe(QStringLiteral("ipos.breadcalibframe"), 1);
rtmCustomRvarBool ipos_calculate_axes(QStringLiteral("ipos.calculate_axes"), 1);
rtmCustomRvarBool ipos_calculate_user(QStringLiteral("ipos.calculate_user"), 1);
rtmCustomRvarBool ipos_calculate_user_type(QStringLiteral("ipos.calculate_user_type"), 1);
rtmCustomRvarBool ipos_bteachpoint(QStringLiteral("ipos.bteachpoint"), 1);
rtmCustomRvarBool ipos_bclearpoint(QStringLiteral("ipos.bclearpoint"), 1);
rtmCustomRvarInt ipos_axesindex(QStringLiteral("ipos.axesindex"), 1);
rtmCustomRvarInt ipos_pointindex(QStringLiteral("ipos.pointindex"), 1);
rtmCustomRvarInt ipos_posindex(QStringLiteral("ipos.posindex"), 1);
rtmCustomRvarBool ipos_bswitchpos(QStringLiteral("ipos.bswitchpos"), 1);
rtmCustomRvarInt ipos_enableaxesnum(QStringLiteral("ipos.enableaxesnum"), 1);
rtmCustomRvarIntVect ipos_axisindex_cfg(QStringLiteral("ipos.axisindex_cfg"), 2, 1);
rtmCustomRvarIntVect ipos_axistype_cfg(QStringLiteral("ipos.axistype_cfg"), 2, 1);
rtmCustomRvarRealVect ipos_currentpoint(QStringLiteral("ipos.currentpoint"), 6, 1);
rtmCustomRvarRealVect ipos_posframe1(QStringLiteral("ipos.posframe1"), 6, 1);
rtmCustomRvarRealVect ipos_posframe2(QStringLiteral("ipos.posframe2"), 6, 1);
rtmCustomRvarRealVect ipos_posframe2tobase(QStringLiteral("ipos.posframe2tobase"), 6, 1);
rtmCustomRvarRealVect ipos_userframe(QStringLiteral("ipos.userframe"), 6, 1);
rtmCustomRvarInt ipos_teachstatus(QStringLiteral("ipos.teachstatus"), 1);
rtmCustomRvarIntVect ipos_calculate_axes_status(QStringLiteral("ipos.calculate_axes_status"), 2, 1);
rtmCustomRvarInt ipos_calculate_user_status(QStringLiteral("ipos.calculate_user_status"), 1);
rtmCustomRvarInt ipos_currentposindex(QStringLiteral("ipos.currentposindex"), 1);
rtmCustomRvarRealVect iauxj_auxcurrentposition(QStringLiteral("iauxj.auxcurrentposition"), 6, 1);
rtmCustomRvarRealVect ipos_tool_value(QStringLiteral("ipos.tool_value"), 6, 1);
rtmCustomRvarBool ipos_enable_slave_robot(QStringLiteral("ipos.enable_slave_robot"), 1);
rtmCustomRvarRealVect ipos_axespos(QStringLiteral("ipos.axespos"), 2, 1);
rtmCustomRvarString ipos_currentwobj(QStringLiteral("ipos.currentwobj"), 1);
rtmCustomRvarIntVect obs_auxfunc(QStringLiteral("iauxj.obs_auxfunc"), 6, 1);
rtmCustomRvarBool ipos_tpu_active_wobj_dyn0(QStringLiteral("ipos.tpu_active_wobj_dyn0"), 1);

// The directory first: the local paths are built from it.
const QString Positioner::directory =
    RtmGetLocalizedFileName(QStringLiteral("../Application/positioner"), true);
const QString Positioner::localCalibFile = directory + "/positionercalibframepar.xml";
const QString Positioner::ctrlCalibFile = QStringLiteral("/Application/positioner/positionercalibframepar.xml");
const QString Positioner::localUserFrameDynFile = directory + "/userframedyn.xpl";
const QString Positioner::ctrlUserFrameDynFile = QStringLiteral("/xpl/userframedyn.xpl");
const QString Positioner::localGlobalVarFile = directory + "/GLOBAL.var";
const QString Positioner::ctrlGlobalVarFile = QStringLiteral("/xpl/GLOBAL.var");
