// Files the simulated controller holds as a real one would, written by us in
// the structure the library expects (the sources are in samples/).
#pragma once

#include <QString>

namespace ControllerSamples {

// Puts the sample of that name at the controller path, replacing what was
// there. False when there is no such sample or it could not be written.
bool install(const QString& sample, const QString& controllerPath);

// The user-frame program "/xpl/userframedyn.xpl": dynamic work objects 1 to 5,
// then a static one.
bool installUserFrameDynProgram();

}  // namespace ControllerSamples
