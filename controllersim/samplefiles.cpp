#include "samplefiles.h"

#include <sim/files.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace SampleFiles {

QByteArray read(const QString& sampleName)
{
    QFile file(QStringLiteral(POSITIONER_SAMPLES_DIR "/") + sampleName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool installOnController(const QString& sampleName, const QString& controllerPath)
{
    const QByteArray bytes = read(sampleName);
    const QString target = sim::Files::instance().controllerFile(controllerPath);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile file(target);
    return !bytes.isEmpty() && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace SampleFiles
