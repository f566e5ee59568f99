// The simulated controller for a host: one call, and the library's requests
// are answered.
#pragma once

#include "controllersimulator.h"

namespace sim {

/// Starts the simulated robot controller of this process, once; later calls
/// return the same controller. From then on the controller answers through the
/// calling thread's event loop, as a real one answers over the wire:
///
/// - teaching and clearing points (ipos.bteachpoint, ipos.bclearpoint) and
///   calculating the frames of both axes and the user frame
///   (ipos.calculate_axes, ipos.calculate_user);
/// - switching positioners (ipos.bswitchpos) and reading the calibration file
///   (ipos.breadcalibframe);
/// - the controller's files /xpl/GLOBAL.var and /xpl/userframedyn.xpl, put in
///   place from samples where the controller holds none yet.
///
/// Call it after the QCoreApplication is made; the controller stops when the
/// application is destroyed, and a later call starts a fresh one. Where the
/// points come from is the host's affair: a cellsim::CellModel turns the
/// simulated positioner and moves the robot to what it touches.
/// \nowait
ControllerSimulator& startController();

}  // namespace sim
