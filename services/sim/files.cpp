#include "files.h"

#include <rtmcore/rtmcustomrvar.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace sim {

namespace {

QString fromEnvironment(const char* variable, const QString& fallback)
{
    const QString value = qEnvironmentVariable(variable);
    return value.isEmpty() ? fallback : QDir::cleanPath(QDir::current().absoluteFilePath(value));
}

// Whole or not at all, as a real transfer: the destination only changes once
// the copy is complete.
bool copyFile(const QString& from, const QString& to)
{
    QFile in(from);
    if (QFileInfo(from).isDir() || !in.open(QIODevice::ReadOnly))
        return false;
    // Unbuffered, so that a failing write is seen before commit().
    QSaveFile out(to);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(1 << 16);
        if (chunk.isEmpty() || out.write(chunk) != chunk.size()) {
            out.cancelWriting();
            return false;
        }
    }
    return out.commit();
}

}  // namespace

Files& Files::instance()
{
    static Files* files = new Files;
    return *files;
}

Files::Files()
{
    const QString dataDir = fromEnvironment("POSITIONER_DATA_DIR",
                                            QDir::current().absoluteFilePath("positioner-data"));
    pendantRoot_ = fromEnvironment("POSITIONER_PENDANT_ROOT", dataDir + "/pendant");
    controllerRoot_ = fromEnvironment("POSITIONER_CONTROLLER_ROOT", dataDir + "/controller");
}

QString Files::pendantPath(const QString& relativeToProgramDir) const
{
    if (QDir::isAbsolutePath(relativeToProgramDir))
        return QDir::cleanPath(relativeToProgramDir);
    return QDir::cleanPath(pendantRoot_ + "/bin/" + relativeToProgramDir);
}

QString Files::controllerFile(const QString& controllerPath) const
{
    return QDir::cleanPath(controllerRoot_ + "/" + controllerPath);
}

bool Files::fetch(const QString& controllerPath, const QString& localPath)
{
    return transfer(Transfer::Fetch, controllerFile(controllerPath), localPath, failFetches_);
}

bool Files::send(const QString& localPath, const QString& controllerPath)
{
    const QString target = controllerFile(controllerPath);
    // The controller has its folders; the simulated one makes them on demand.
    QDir().mkpath(QFileInfo(target).absolutePath());
    return transfer(Transfer::Send, localPath, target, failSends_);
}

bool Files::transfer(Transfer::Direction direction, const QString& from, const QString& to,
                     int& failures)
{
    bool ok = false;
    if (failures > 0)
        --failures;
    else
        ok = copyFile(from, to);
    transfers_.push_back({direction, from, to, ok});
    return ok;
}

void Files::reset()
{
    failFetches_ = 0;
    failSends_ = 0;
    transfers_.clear();
}

}  // namespace sim

QString RtmGetLocalizedFileName(const QString& relativePath, bool /*localized*/)
{
    return sim::Files::instance().pendantPath(relativePath);
}
