#pragma once

/// \file
/// Export control of the advisor's symbols.

#include <QtGlobal>

/// \namespace PositionerAdvisor
/// Explains a calibration in progress to the operator: why teachPoint refused
/// a point and how good a group of three points is before the controller
/// calculates from it. A library of its own beside libpositioner
/// (libpositioner_advisor, Positioner::advisor): it only reads, so a host can
/// leave it out without changing what the calibration does.

/// The advisor's own export macro: it is a library of its own beside
/// libpositioner, built with hidden visibility like it.
#if defined(POSITIONER_ADVISOR_BUILDING_LIBRARY)
#define POSITIONER_ADVISOR_EXPORT Q_DECL_EXPORT
#else
#define POSITIONER_ADVISOR_EXPORT Q_DECL_IMPORT
#endif
