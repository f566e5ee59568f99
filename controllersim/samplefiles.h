// The files a freshly set up controller holds, written for the simulation.
#pragma once

#include <QString>

namespace SampleFiles {

// The sample of that name, as bytes; empty when there is none.
QByteArray read(const QString& sampleName);

// Puts the sample at the controller path, e.g. ("GLOBAL.var", "/xpl/GLOBAL.var").
bool installOnController(const QString& sampleName, const QString& controllerPath);

}  // namespace SampleFiles
