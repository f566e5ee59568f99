#include "atomicsave.h"

#include "failurerecord.h"

#include <QFile>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace Positioner {

namespace {

// pugixml's output, handed to the file in the large pieces pugixml gathers;
// once a write fails, nothing more is written, and the system's reason is kept.
struct FileWriter : pugi::xml_writer
{
    explicit FileWriter(QFileDevice& file) : file(file) {}

    void write(const void* data, size_t size) override
    {
        ok = ok && file.write(static_cast<const char*>(data), qint64(size)) == qint64(size);
        if (!ok && error == 0)
            error = errno;
    }

    QFileDevice& file;
    bool ok = true;
    int error = 0;
};

// The line, from 1, of the file's byte at offset; 0 when it cannot be read.
// The parser's buffer cannot tell: parsing rewrites it in place.
qint64 lineAt(QFile& file, qint64 offset)
{
    if (!file.seek(0))
        return 0;
    const QByteArray head = file.read(offset);
    return head.size() == offset ? 1 + head.count('\n') : 0;
}

}  // namespace

bool isUsablePath(const QString& path)
{
    if (!path.contains(QChar(0)))
        return true;
    Diagnostics::record(Diagnostics::Step::PathHoldsNul, path);
    return false;
}

bool openInput(QFile& file, const QString& path)
{
    if (!isUsablePath(path))
        return false;
    // Opened without waiting, so that a pipe with no writer cannot hold the
    // host's thread; only a regular file is read, as a pipe or a device would
    // block or never end.
    const int fd = ::open(path.toLocal8Bit().constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        Diagnostics::systemError(Diagnostics::Step::Open, path, errno);
        return false;
    }
    struct stat info {};
    if (!file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle) ||
        ::fstat(fd, &info) != 0) {
        Diagnostics::systemError(Diagnostics::Step::Read, path, errno);
        if (!file.isOpen())
            ::close(fd);
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        Diagnostics::record(Diagnostics::Step::NotRegularFile, path);
        return false;
    }
    if (info.st_size > maxInputBytes) {
        Diagnostics::record(Diagnostics::Step::TooLarge, path, info.st_size, maxInputBytes);
        return false;
    }
    return true;
}

bool loadXml(pugi::xml_document& document, const QString& path, unsigned int options)
{
    QFile file;
    if (!openInput(file, path))
        return false;
    // The whole file, in a buffer that the document takes over and frees, ended
    // by a NUL as pugixml's own load_file ends it: what follows a NUL in the
    // file does not count.
    const qint64 size = file.size();
    void* const buffer = pugi::get_memory_allocation_function()(size_t(size) + 1);
    if (!buffer) {
        Diagnostics::systemError(Diagnostics::Step::OutOfMemory, path, ENOMEM);
        return false;
    }
    if (file.read(static_cast<char*>(buffer), size) != size) {
        Diagnostics::systemError(Diagnostics::Step::Read, path, errno, &file);
        pugi::get_memory_deallocation_function()(buffer);
        return false;
    }
    static_cast<char*>(buffer)[size] = '\0';
    const pugi::xml_parse_result result =
        document.load_buffer_inplace_own(buffer, size_t(size) + 1, options, pugi::encoding_auto);
    if (!result) {
        Diagnostics::Failure& f = Diagnostics::record(Diagnostics::Step::Parse, path);
        f.systemReason = QString::fromLatin1(result.description());
        f.offset = result.offset;
        // A document in another encoding was parsed from a converted copy,
        // whose offsets are no places in the file.
        if (result.encoding == pugi::encoding_utf8)
            f.line = lineAt(file, std::clamp<qint64>(result.offset, 0, size));
    }
    return bool(result);
}

bool saveXml(const pugi::xml_document& document, const QString& path, const char* indent,
             unsigned int flags, pugi::xml_encoding encoding)
{
    if (!isUsablePath(path))
        return false;
    // Unbuffered: a buffered QSaveFile flushes only in commit(), where a failed
    // write goes unnoticed and the truncated file replaces the old one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        Diagnostics::systemError(Diagnostics::Step::Write, path, errno, &file);
        return false;
    }
    FileWriter writer(file);
    document.save(writer, indent, flags, encoding);
    if (!writer.ok || !file.flush()) {
        Diagnostics::systemError(Diagnostics::Step::Write, path, writer.ok ? errno : writer.error, &file);
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        Diagnostics::systemError(Diagnostics::Step::Replace, path, errno, &file);
        return false;
    }
    return true;
}

}  // namespace Positioner
