#include "samplefiles.h"

#include <sim/files.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

// Registered on first use, so that the samples are there however the simulation
// is linked.
// Qt's macro declares its function in the enclosing namespace, so this stands
// outside every namespace.
static void initSamples()
{
    Q_INIT_RESOURCE(samples);
}

namespace SampleFiles {

QByteArray read(const QString& sampleName)
{
    initSamples();
    QFile source(QStringLiteral(":/samples/") + sampleName);
    return source.open(QIODevice::ReadOnly) ? source.readAll() : QByteArray();
}

bool installOnController(const QString& sampleName, const QString& controllerPath)
{
    const QByteArray bytes = read(sampleName);
    if (bytes.isEmpty())
        return false;
    const QString target = sim::Files::instance().controllerFile(controllerPath);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile out(target);
    return out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(bytes) == bytes.size() &&
           out.flush();
}

}  // namespace SampleFiles
