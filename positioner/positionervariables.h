#pragma once

#include "positioner_global.h"

#include <rtmcore/rtmcustomrvar.h>

// The controller variables that the host uses directly.
extern POSITIONER_EXPORT rtmCustomRvarInt ipos_currentposindex;  // "ipos.currentposindex"
extern POSITIONER_EXPORT rtmCustomRvarIntVect obs_auxfunc;       // "iauxj.obs_auxfunc"
