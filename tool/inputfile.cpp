#include "inputfile.h"

#include "tooltext.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tool {

bool readInputFile(const QString& path, QByteArray& bytes, QString& error)
{
    const auto refuse = [&](const QString& reason) {
        error = PositionerTool::tr("cannot read the file: %1").arg(reason);
        return false;
    };
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return refuse(qt_error_string(errno));
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return refuse(file.errorString());
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return refuse(qt_error_string(errno));
    if (!S_ISREG(info.st_mode))
        return refuse(PositionerTool::tr("not a regular file"));
    if (info.st_size > maxInputSize)
        return refuse(PositionerTool::tr("larger than %1 MiB").arg(maxInputSize >> 20));
    bytes = file.readAll();
    // A file still growing under the read is cut off where it was measured.
    if (bytes.size() > maxInputSize)
        return refuse(PositionerTool::tr("larger than %1 MiB").arg(maxInputSize >> 20));
    if (file.error() != QFileDevice::NoError)
        return refuse(file.errorString());
    return true;
}

}  // namespace tool
