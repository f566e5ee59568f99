#pragma once

/// \file
/// Export control of the library's symbols.

#include <QtGlobal>

/// The one macro through which the library exports its symbols; everything else
/// is built with hidden visibility.
#if defined(POSITIONER_BUILDING_LIBRARY)
#define POSITIONER_EXPORT Q_DECL_EXPORT
#else
#define POSITIONER_EXPORT Q_DECL_IMPORT
#endif
