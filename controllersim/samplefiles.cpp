#include "samplefiles.h"

#include <sim/files.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

// The resources live in a static library: nothing would pull them in otherwise.
// Qt's macro declares its function in the enclosing namespace, so this stands
// outside every namespace.
static void initSamples()
{
    Q_INIT_RESOURCE(samples);
}

namespace ControllerSamples {

bool install(const QString& sample, const QString& controllerPath)
{
    initSamples();
    QFile source(QStringLiteral(":/samples/") + sample);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    const QString target = sim::Files::instance().controllerFile(controllerPath);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile out(target);
    const QByteArray bytes = source.readAll();
    return out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(bytes) == bytes.size() &&
           out.flush();
}

bool installUserFrameDynProgram()
{
    return install(QStringLiteral("userframedyn.xpl"), QStringLiteral("/xpl/userframedyn.xpl"));
}

}  // namespace ControllerSamples
