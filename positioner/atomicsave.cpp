#include "atomicsave.h"

#include <QByteArray>
#include <QSaveFile>

#include <ext/stdio_filebuf.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <istream>

namespace PositionerFiles {

bool isUsablePath(const QString& path)
{
    return !path.contains(QChar(0));
}

bool loadXml(pugi::xml_document& document, const QString& path, unsigned int options)
{
    if (!isUsablePath(path))
        return false;
    // Opened without waiting, so that a pipe with no writer cannot hold the
    // host's thread; only a regular file is read.
    const int fd = ::open(path.toLocal8Bit().constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    // Read as pugixml reads a file it opens itself, the same bytes to the same
    // end; the stream closes the descriptor.
    __gnu_cxx::stdio_filebuf<char> file(fd, std::ios::in | std::ios::binary);
    std::istream stream(&file);
    return document.load(stream, options, pugi::encoding_auto);
}

bool saveXml(const pugi::xml_document& document, const QString& path, const char* indent,
             unsigned int flags, pugi::xml_encoding encoding)
{
    if (!isUsablePath(path))
        return false;
    // Unbuffered: a buffered QSaveFile flushes only in commit(), where a failed
    // write goes unnoticed and the truncated file replaces the old one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    DeviceWriter writer(file);
    document.save(writer, indent, flags, encoding);
    if (!writer.finish()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
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
