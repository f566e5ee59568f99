#include "atomicsave.h"

#include "failurerecord.h"

#include <QByteArray>
#include <QFile>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <istream>
#include <streambuf>

namespace PositionerFiles {

namespace {

// The opened file as pugixml's stream loader reads it: the loader asks for the
// size, reads that many bytes and ends the document where its file loader
// would.
class DescriptorReader : public std::streambuf
{
public:
    explicit DescriptorReader(int fd) : fd_(fd) {}

protected:
    std::streamsize xsgetn(char* data, std::streamsize size) override
    {
        std::streamsize done = 0;
        while (done < size) {
            const ssize_t n = ::read(fd_, data + done, static_cast<size_t>(size - done));
            if (n <= 0)
                break;
            done += n;
        }
        return done;
    }

    pos_type seekoff(off_type offset, std::ios_base::seekdir from, std::ios_base::openmode) override
    {
        const int whence = from == std::ios_base::beg ? SEEK_SET : from == std::ios_base::cur ? SEEK_CUR : SEEK_END;
        return pos_type(off_type(::lseek(fd_, offset, whence)));
    }

    pos_type seekpos(pos_type position, std::ios_base::openmode which) override
    {
        return seekoff(off_type(position), std::ios_base::beg, which);
    }

private:
    const int fd_;
};

namespace Diagnostics = PositionerDiagnostics;

// The line of the file, from 1, at which the parser stopped.
qint64 lineAt(const QString& path, qint64 offset)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return 1 + file.read(std::max<qint64>(offset, 0)).count('\n');
}

void parseFailure(const QString& path, const pugi::xml_parse_result& result)
{
    Diagnostics::Failure f;
    f.step = Diagnostics::Step::Parse;
    f.subject = path;
    f.systemReason = QString::fromLatin1(result.description());
    f.offset = result.offset;
    f.line = lineAt(path, result.offset);
    Diagnostics::record(f);
}

}  // namespace

bool isUsablePath(const QString& path)
{
    if (!path.contains(QChar(0)))
        return true;
    Diagnostics::about(Diagnostics::Step::PathHoldsNul, path);
    return false;
}

bool loadXml(pugi::xml_document& document, const QString& path, unsigned int options)
{
    if (!isUsablePath(path))
        return false;
    // Opened without waiting, so that a pipe with no writer cannot hold the
    // host's thread; only a regular file is read.
    const int fd = ::open(path.toLocal8Bit().constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        Diagnostics::systemError(Diagnostics::Step::Open, path, errno);
        return false;
    }
    struct stat info {};
    pugi::xml_parse_result result;
    if (::fstat(fd, &info) != 0) {
        Diagnostics::systemError(Diagnostics::Step::Read, path, errno);
        result.status = pugi::status_io_error;
    } else if (!S_ISREG(info.st_mode)) {
        Diagnostics::about(Diagnostics::Step::NotRegularFile, path);
        result.status = pugi::status_io_error;
    } else {
        DescriptorReader file(fd);
        std::istream stream(&file);
        result = document.load(stream, options, pugi::encoding_auto);
        if (!result)
            parseFailure(path, result);
    }
    ::close(fd);
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
        Diagnostics::deviceError(Diagnostics::Step::Write, path, file, errno);
        return false;
    }
    DeviceWriter writer(file);
    document.save(writer, indent, flags, encoding);
    if (!writer.finish()) {
        Diagnostics::deviceError(Diagnostics::Step::Write, path, file, errno);
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        Diagnostics::deviceError(Diagnostics::Step::Replace, path, file, errno);
        return false;
    }
    return true;
}

DeviceWriter::DeviceWriter(QIODevice& device) : device_(device)
{
}

void DeviceWriter::write(const void* data, size_t size)
{
    const char* bytes = static_cast<const char*>(data);
    if (size >= static_cast<size_t>(capacity)) {
        flush();
        writeThrough(bytes, static_cast<qint64>(size));
        return;
    }
    buffer_.append(bytes, static_cast<int>(size));
    if (buffer_.size() >= capacity) {
        // An output this large keeps the buffer's room from one flush to the
        // next; a small one never takes more than it needs.
        buffer_.reserve(static_cast<int>(capacity));
        flush();
    }
}

bool DeviceWriter::finish()
{
    flush();
    return ok_;
}

void DeviceWriter::flush()
{
    writeThrough(buffer_.constData(), buffer_.size());
    // Keeps the room, once reserved, for the next pieces.
    buffer_.resize(0);
}

void DeviceWriter::writeThrough(const char* data, qint64 size)
{
    while (ok_ && size > 0) {
        const qint64 written = device_.write(data, size);
        ok_ = written > 0;
        data += std::max<qint64>(written, 0);
        size -= std::max<qint64>(written, 0);
    }
}

}  // namespace PositionerFiles
