// Files the simulated controller holds as a real one would, written by us in
// the structure the library expects (the sources are in samples/).
#pragma once

#include <QByteArray>
#include <QString>

namespace SampleFiles {

// The sample of that name ("GLOBAL.var", "userframedyn.xpl"), as bytes; empty
// when there is none.
QByteArray read(const QString& sampleName);

// Puts the sample at the controller path, e.g. ("GLOBAL.var", "/xpl/GLOBAL.var"),
// replacing what was there. False when there is no such sample or it could not
// be written.
bool installOnController(const QString& sampleName, const QString& controllerPath);

}  // namespace SampleFiles
