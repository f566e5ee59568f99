#include "atomicsave.h"

#include <QFile>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Positioner {

namespace {

// pugixml's output, handed to the file in the large pieces pugixml gathers;
// once a write fails, nothing more is written.
struct FileWriter : pugi::xml_writer
{
    explicit FileWriter(QFileDevice& file) : file(file) {}

    void write(const void* data, size_t size) override
    {
        ok = ok && file.write(static_cast<const char*>(data), qint64(size)) == qint64(size);
    }

    QFileDevice& file;
    bool ok = true;
};

// The whole of the opened file, in a buffer that the document takes over and
// frees, ended by a NUL as pugixml's own load_file ends it: what follows a NUL
// in the file does not count.
bool loadOpened(pugi::xml_document& document, int fd, size_t size, unsigned int options)
{
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle))
        return false;
    void* const buffer = pugi::get_memory_allocation_function()(size + 1);
    if (!buffer)
        return false;
    if (file.read(static_cast<char*>(buffer), qint64(size)) != qint64(size)) {
        pugi::get_memory_deallocation_function()(buffer);
        return false;
    }
    static_cast<char*>(buffer)[size] = '\0';
    return document.load_buffer_inplace_own(buffer, size + 1, options, pugi::encoding_auto);
}

}  // namespace

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
    const bool loaded = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size <= maxInputBytes &&
                        loadOpened(document, fd, size_t(info.st_size), options);
    ::close(fd);
    return loaded;
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
    FileWriter writer(file);
    document.save(writer, indent, flags, encoding);
    if (!writer.ok || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace Positioner
