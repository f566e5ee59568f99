#pragma once

#include <QtGlobal>

// The advisor's own export macro: it is a library of its own beside
// libpositioner, built with hidden visibility like it.
#if defined(POSITIONER_ADVISOR_BUILDING_LIBRARY)
#define POSITIONER_ADVISOR_EXPORT Q_DECL_EXPORT
#else
#define POSITIONER_ADVISOR_EXPORT Q_DECL_IMPORT
#endif
