#pragma once

/// \file
/// The controller variables that the host uses directly.

#include "positioner_global.h"

#include <rtmcore/rtmcustomrvar.h>

/// "ipos.currentposindex": number (1 to 10) of the positioner the controller
/// follows; the library writes it once the editor has accepted the change.
extern POSITIONER_EXPORT rtmCustomRvarInt ipos_currentposindex;
/// "iauxj.obs_auxfunc": six values for the host's own use; the library only
/// registers them with the rest of its set.
extern POSITIONER_EXPORT rtmCustomRvarIntVect obs_auxfunc;
